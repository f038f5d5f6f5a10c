#pragma once
// Writer of block D: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_D.h"

namespace efd {

class TBloco_0;

class TBloco_D : public TBlocoSPED {
public:
    TBloco_D();
    ~TBloco_D() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroD001& RegistroD001() { return *FRegistroD001; }
    TRegistroD990& RegistroD990() { return *FRegistroD990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroD010Count = 0;
    int RegistroD100Count = 0;
    int RegistroD101Count = 0;
    int RegistroD105Count = 0;
    int RegistroD111Count = 0;
    int RegistroD200Count = 0;
    int RegistroD201Count = 0;
    int RegistroD205Count = 0;
    int RegistroD209Count = 0;
    int RegistroD300Count = 0;
    int RegistroD309Count = 0;
    int RegistroD350Count = 0;
    int RegistroD359Count = 0;
    int RegistroD500Count = 0;
    int RegistroD501Count = 0;
    int RegistroD505Count = 0;
    int RegistroD509Count = 0;
    int RegistroD600Count = 0;
    int RegistroD601Count = 0;
    int RegistroD605Count = 0;
    int RegistroD609Count = 0;

    TRegistroD001* RegistroD001New() { return FRegistroD001.get(); }

    void WriteRegistroD001();
    void WriteRegistroD990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroD001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistroD001> FRegistroD001;
    std::unique_ptr<TRegistroD990> FRegistroD990;
};

}  // namespace efd
