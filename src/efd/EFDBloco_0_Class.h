#pragma once
// Writer of block 0: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_0.h"

namespace efd {

class TBloco_0 : public TBlocoSPED {
public:
    TBloco_0();
    ~TBloco_0() override;

    TRegistro0000& Registro0000() { return *FRegistro0000; }
    TRegistro0001& Registro0001() { return *FRegistro0001; }
    TRegistro0990& Registro0990() { return *FRegistro0990; }

    // Lines written per register code; block 9 is built from them.
    int Registro0035Count = 0;
    int Registro0100Count = 0;
    int Registro0110Count = 0;
    int Registro0111Count = 0;
    int Registro0120Count = 0;
    int Registro0140Count = 0;
    int Registro0145Count = 0;
    int Registro0150Count = 0;
    int Registro0190Count = 0;
    int Registro0200Count = 0;
    int Registro0205Count = 0;
    int Registro0206Count = 0;
    int Registro0208Count = 0;
    int Registro0400Count = 0;
    int Registro0450Count = 0;
    int Registro0500Count = 0;
    int Registro0600Count = 0;
    int Registro0900Count = 0;

    TRegistro0000* Registro0000New() { return FRegistro0000.get(); }
    TRegistro0001* Registro0001New() { return FRegistro0001.get(); }
    TRegistro0110* Registro0110New() { return &FRegistro0001->Registro0110; }
    TRegistro0111* Registro0111New() { return &FRegistro0001->Registro0110.Registro0111; }

    void WriteRegistro0000();
    void WriteRegistro0001();
    void WriteRegistro0990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistro0001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistro0000> FRegistro0000;
    std::unique_ptr<TRegistro0001> FRegistro0001;
    std::unique_ptr<TRegistro0990> FRegistro0990;
};

}  // namespace efd
