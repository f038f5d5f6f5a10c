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

    TRegistroA001* RegistroA001New() { return FRegistroA001.get(); }

    void WriteRegistroA001();
    void WriteRegistroA990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroA001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistroA001> FRegistroA001;
    std::unique_ptr<TRegistroA990> FRegistroA990;
};

}  // namespace efd
