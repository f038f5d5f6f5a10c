#pragma once
// Writer of block 1: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_1.h"

namespace efd {

class TBloco_0;

class TBloco_1 : public TBlocoSPED {
public:
    TBloco_1();
    ~TBloco_1() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistro1001& Registro1001() { return *FRegistro1001; }
    TRegistro1990& Registro1990() { return *FRegistro1990; }

    // Lines written per register code; block 9 is built from them.
    int Registro1010Count = 0;
    int Registro1011Count = 0;
    int Registro1020Count = 0;
    int Registro1050Count = 0;
    int Registro1100Count = 0;
    int Registro1101Count = 0;
    int Registro1102Count = 0;
    int Registro1200Count = 0;
    int Registro1210Count = 0;
    int Registro1220Count = 0;
    int Registro1300Count = 0;
    int Registro1500Count = 0;
    int Registro1501Count = 0;
    int Registro1502Count = 0;
    int Registro1600Count = 0;
    int Registro1610Count = 0;
    int Registro1620Count = 0;
    int Registro1700Count = 0;
    int Registro1800Count = 0;
    int Registro1809Count = 0;
    int Registro1900Count = 0;

    TRegistro1001* Registro1001New() { return FRegistro1001.get(); }

    void WriteRegistro1001();
    void WriteRegistro1990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistro1001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistro1001> FRegistro1001;
    std::unique_ptr<TRegistro1990> FRegistro1990;
};

}  // namespace efd
