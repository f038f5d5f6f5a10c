#pragma once
// Writer of block M: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_M.h"

namespace efd {

class TBloco_0;

class TBloco_M : public TBlocoSPED {
public:
    TBloco_M();
    ~TBloco_M() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroM001& RegistroM001() { return *FRegistroM001; }
    TRegistroM990& RegistroM990() { return *FRegistroM990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroM100Count = 0;
    int RegistroM105Count = 0;
    int RegistroM110Count = 0;
    int RegistroM115Count = 0;
    int RegistroM200Count = 0;
    int RegistroM205Count = 0;
    int RegistroM210Count = 0;
    int RegistroM211Count = 0;
    int RegistroM215Count = 0;
    int RegistroM220Count = 0;
    int RegistroM225Count = 0;
    int RegistroM230Count = 0;
    int RegistroM300Count = 0;
    int RegistroM350Count = 0;
    int RegistroM400Count = 0;
    int RegistroM410Count = 0;
    int RegistroM500Count = 0;
    int RegistroM505Count = 0;
    int RegistroM510Count = 0;
    int RegistroM515Count = 0;
    int RegistroM600Count = 0;
    int RegistroM605Count = 0;
    int RegistroM610Count = 0;
    int RegistroM611Count = 0;
    int RegistroM615Count = 0;
    int RegistroM620Count = 0;
    int RegistroM625Count = 0;
    int RegistroM630Count = 0;
    int RegistroM700Count = 0;
    int RegistroM800Count = 0;
    int RegistroM810Count = 0;

    TRegistroM001* RegistroM001New() { return FRegistroM001.get(); }

    void WriteRegistroM001();
    void WriteRegistroM990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroM001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistroM001> FRegistroM001;
    std::unique_ptr<TRegistroM990> FRegistroM990;
};

}  // namespace efd
