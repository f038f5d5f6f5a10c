#pragma once
// Writer of block F: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_F.h"

namespace efd {

class TBloco_0;

class TBloco_F : public TBlocoSPED {
public:
    TBloco_F();
    ~TBloco_F() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroF001& RegistroF001() { return *FRegistroF001; }
    TRegistroF990& RegistroF990() { return *FRegistroF990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroF010Count = 0;
    int RegistroF100Count = 0;
    int RegistroF111Count = 0;
    int RegistroF120Count = 0;
    int RegistroF129Count = 0;
    int RegistroF130Count = 0;
    int RegistroF139Count = 0;
    int RegistroF150Count = 0;
    int RegistroF200Count = 0;
    int RegistroF205Count = 0;
    int RegistroF210Count = 0;
    int RegistroF211Count = 0;
    int RegistroF500Count = 0;
    int RegistroF509Count = 0;
    int RegistroF510Count = 0;
    int RegistroF519Count = 0;
    int RegistroF525Count = 0;
    int RegistroF550Count = 0;
    int RegistroF559Count = 0;
    int RegistroF560Count = 0;
    int RegistroF569Count = 0;
    int RegistroF600Count = 0;
    int RegistroF700Count = 0;
    int RegistroF800Count = 0;

    TRegistroF001* RegistroF001New() { return FRegistroF001.get(); }

    void WriteRegistroF001();
    void WriteRegistroF990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroF001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    std::unique_ptr<TRegistroF001> FRegistroF001;
    std::unique_ptr<TRegistroF990> FRegistroF990;
};

}  // namespace efd
