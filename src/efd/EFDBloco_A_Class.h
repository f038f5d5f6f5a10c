#pragma once
// Writer of block A: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_A.h"

namespace efd {

class TBloco_0;

class TBloco_A : public TBlocoSPED {
public:
    TBloco_A();
    ~TBloco_A() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroA001& RegistroA001() { return *FRegistroA001; }
    TRegistroA990& RegistroA990() { return *FRegistroA990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroA010Count = 0;
    int RegistroA100Count = 0;
    int RegistroA110Count = 0;
    int RegistroA111Count = 0;
    int RegistroA120Count = 0;
    int RegistroA170Count = 0;

    // Each New appends under the last record of every level above it; with that
    // level empty it raises EListError and adds nothing.
    TRegistroA001* RegistroA001New() { return FRegistroA001.get(); }
    TRegistroA010* RegistroA010New();
    TRegistroA100* RegistroA100New();
    TRegistroA110* RegistroA110New();
    TRegistroA111* RegistroA111New();
    TRegistroA120* RegistroA120New();
    TRegistroA170* RegistroA170New();

    // Writes A001 on the first call and, with data, what was added since the
    // previous call; may be called several times before WriteRegistroA990.
    void WriteRegistroA001();
    void WriteRegistroA990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroA001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    TRegistroA100& UltimoA100() const;
    void WriteRegistroA010(TRegistroA010& reg);
    void WriteRegistroA100(TRegistroA010& reg);
    void WriteRegistroA110(const TRegistroA100& reg);
    void WriteRegistroA111(const TRegistroA100& reg);
    void WriteRegistroA120(const TRegistroA100& reg);
    void WriteRegistroA170(const TRegistroA100& reg);

    std::unique_ptr<TRegistroA001> FRegistroA001;
    std::unique_ptr<TRegistroA990> FRegistroA990;
};

}  // namespace efd
