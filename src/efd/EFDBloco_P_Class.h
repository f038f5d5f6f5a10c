#pragma once
// Writer of block P: holds the block's register tree and turns it into lines.
// Every call of WriteRegistroP001 writes P001 and the whole tree below it; no list
// is emptied.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_P.h"

namespace efd {

class TBloco_0;

class TBloco_P : public TBlocoSPED {
public:
    TBloco_P();
    ~TBloco_P() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroP001& RegistroP001() { return *FRegistroP001; }
    TRegistroP990& RegistroP990() { return *FRegistroP990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroP010Count = 0;
    int RegistroP100Count = 0;
    int RegistroP110Count = 0;
    int RegistroP199Count = 0;
    int RegistroP200Count = 0;
    int RegistroP210Count = 0;

    // Each New puts the record under the last record of every level above it; with
    // no parent, EListError.
    TRegistroP001* RegistroP001New() { return FRegistroP001.get(); }
    TRegistroP010* RegistroP010New() { return FRegistroP001->RegistroP010.New(); }
    TRegistroP100* RegistroP100New() { return FRegistroP001->RegistroP010.Ultimo()->RegistroP100.New(); }
    TRegistroP110* RegistroP110New();
    TRegistroP199* RegistroP199New();
    TRegistroP200* RegistroP200New() { return FRegistroP001->RegistroP200.New(); }
    TRegistroP210* RegistroP210New() { return FRegistroP001->RegistroP200.Ultimo()->RegistroP210.New(); }

    void WriteRegistroP001();
    void WriteRegistroP990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroP001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    void WriteRegistroP010();
    void WriteRegistroP100(const TRegistroP010& reg);
    void WriteRegistroP110(const TRegistroP100& reg);
    void WriteRegistroP199(const TRegistroP100& reg);
    void WriteRegistroP200();
    void WriteRegistroP210(const TRegistroP200& reg);

    std::unique_ptr<TRegistroP001> FRegistroP001;
    std::unique_ptr<TRegistroP990> FRegistroP990;
};

}  // namespace efd
