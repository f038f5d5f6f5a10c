#pragma once
// Writer of block I: holds the block's register tree and turns it into lines.
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

    TRegistroI001* RegistroI001New() { return FRegistroI001.get(); }

    void WriteRegistroI001();
    void WriteRegistroI990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroI001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistroI001> FRegistroI001;
    std::unique_ptr<TRegistroI990> FRegistroI990;
};

}  // namespace efd
