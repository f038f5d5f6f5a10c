#pragma once
// Writer of block I: holds the block's register tree and turns it into lines.
// Like block C it can be written in several calls: each call writes what was added
// since the previous one, and the I100 and I300 records are freed once written.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_I.h"

namespace efd {

class TBloco_0;

class TBloco_I : public TBlocoSPED {
public:
    TBloco_I();
    ~TBloco_I() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroI001& RegistroI001() { return *FRegistroI001; }
    TRegistroI990& RegistroI990() { return *FRegistroI990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroI010Count = 0;
    int RegistroI100Count = 0;
    int RegistroI199Count = 0;
    int RegistroI200Count = 0;
    int RegistroI299Count = 0;
    int RegistroI300Count = 0;
    int RegistroI399Count = 0;

    // Each New puts the record under the last record of every level above it; with
    // no parent, EListError.
    TRegistroI001* RegistroI001New() { return FRegistroI001.get(); }
    TRegistroI010* RegistroI010New() { return FRegistroI001->RegistroI010.New(); }
    TRegistroI100* RegistroI100New();
    TRegistroI199* RegistroI199New();
    TRegistroI200* RegistroI200New();
    TRegistroI299* RegistroI299New();
    TRegistroI300* RegistroI300New();
    TRegistroI399* RegistroI399New();

    void WriteRegistroI001();
    void WriteRegistroI990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroI001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    TRegistroI100* UltimoI100() const { return FRegistroI001->RegistroI010.Ultimo()->RegistroI100.Ultimo(); }
    TRegistroI200* UltimoI200() const { return UltimoI100()->RegistroI200.Ultimo(); }

    void WriteRegistroI010(TRegistroI010& reg);
    void WriteRegistroI100(TRegistroI010& reg);
    void WriteRegistroI199(const TRegistroI100& reg);
    void WriteRegistroI200(TRegistroI100& reg);
    void WriteRegistroI299(const TRegistroI200& reg);
    void WriteRegistroI300(TRegistroI200& reg);
    void WriteRegistroI399(const TRegistroI300& reg);

    std::unique_ptr<TRegistroI001> FRegistroI001;
    std::unique_ptr<TRegistroI990> FRegistroI990;
};

}  // namespace efd
