#pragma once
// Writer of block P: holds the block's register tree and turns it into lines.
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

    TRegistroP001* RegistroP001New() { return FRegistroP001.get(); }

    void WriteRegistroP001();
    void WriteRegistroP990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroP001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistroP001> FRegistroP001;
    std::unique_ptr<TRegistroP990> FRegistroP990;
};

}  // namespace efd
