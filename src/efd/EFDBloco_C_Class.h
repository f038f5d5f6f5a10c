#pragma once
// Writer of block C: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_C.h"

namespace efd {

class TBloco_0;

class TBloco_C : public TBlocoSPED {
public:
    TBloco_C();
    ~TBloco_C() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroC001& RegistroC001() { return *FRegistroC001; }
    TRegistroC990& RegistroC990() { return *FRegistroC990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroC010Count = 0;
    int RegistroC100Count = 0;
    int RegistroC110Count = 0;
    int RegistroC111Count = 0;
    int RegistroC120Count = 0;
    int RegistroC170Count = 0;
    int RegistroC175Count = 0;
    int RegistroC180Count = 0;
    int RegistroC181Count = 0;
    int RegistroC185Count = 0;
    int RegistroC188Count = 0;
    int RegistroC190Count = 0;
    int RegistroC191Count = 0;
    int RegistroC195Count = 0;
    int RegistroC198Count = 0;
    int RegistroC199Count = 0;
    int RegistroC380Count = 0;
    int RegistroC381Count = 0;
    int RegistroC385Count = 0;
    int RegistroC395Count = 0;
    int RegistroC396Count = 0;
    int RegistroC400Count = 0;
    int RegistroC405Count = 0;
    int RegistroC481Count = 0;
    int RegistroC485Count = 0;
    int RegistroC489Count = 0;
    int RegistroC490Count = 0;
    int RegistroC491Count = 0;
    int RegistroC495Count = 0;
    int RegistroC499Count = 0;
    int RegistroC500Count = 0;
    int RegistroC501Count = 0;
    int RegistroC505Count = 0;
    int RegistroC509Count = 0;
    int RegistroC600Count = 0;
    int RegistroC601Count = 0;
    int RegistroC605Count = 0;
    int RegistroC609Count = 0;
    int RegistroC800Count = 0;
    int RegistroC810Count = 0;
    int RegistroC820Count = 0;
    int RegistroC830Count = 0;
    int RegistroC860Count = 0;
    int RegistroC870Count = 0;
    int RegistroC880Count = 0;
    int RegistroC890Count = 0;

    TRegistroC001* RegistroC001New() { return FRegistroC001.get(); }

    void WriteRegistroC001();
    void WriteRegistroC990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroC001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistroC001> FRegistroC001;
    std::unique_ptr<TRegistroC990> FRegistroC990;
};

}  // namespace efd
