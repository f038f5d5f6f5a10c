#pragma once
// Writer of block 9: the count lines, written by the generation component once
// every other block is in the file.
#include <memory>
#include <string_view>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_9.h"

namespace efd {

class TBloco_9 : public TBlocoSPED {
public:
    TBloco_9();
    ~TBloco_9() override;

    TRegistro9001& Registro9001() { return *FRegistro9001; }
    TRegistro9900List& Registro9900() { return *FRegistro9900; }
    TRegistro9990& Registro9990() { return *FRegistro9990; }
    TRegistro9999& Registro9999() { return *FRegistro9999; }

    // Appends one count entry.
    void Adiciona9900(std::string_view reg, int32_t qtd);

    void WriteRegistro9001();
    void WriteRegistro9900();
    void WriteRegistro9990();
    void WriteRegistro9999();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistro9001.get(); }

private:
    std::unique_ptr<TRegistro9001> FRegistro9001;
    std::unique_ptr<TRegistro9900List> FRegistro9900;
    std::unique_ptr<TRegistro9990> FRegistro9990;
    std::unique_ptr<TRegistro9999> FRegistro9999;
};

}  // namespace efd
