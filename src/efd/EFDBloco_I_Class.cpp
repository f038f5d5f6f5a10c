#include "efd/EFDBloco_I_Class.h"

namespace efd {

TBloco_I::TBloco_I() { TBloco_I::CreateRegisters(); }

TBloco_I::~TBloco_I() { TBloco_I::ReleaseRegisters(); }

void TBloco_I::CreateRegisters() {
    FRegistroI001 = std::make_unique<TRegistroI001>();
    FRegistroI990 = std::make_unique<TRegistroI990>();
    FContadorLinhas = &FRegistroI990->QTD_LIN_I;
    RegistroI010Count = 0;
    RegistroI100Count = 0;
    RegistroI199Count = 0;
    RegistroI200Count = 0;
    RegistroI299Count = 0;
    RegistroI300Count = 0;
    RegistroI399Count = 0;
}

void TBloco_I::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroI001.reset();
    FRegistroI990.reset();
}

void TBloco_I::WriteRegistroI001() {
    // I001 is written once, on the first call; later calls resume below it.
    if (FRegistroI990->QTD_LIN_I == 0) Linha("I001").I(static_cast<int64_t>(FRegistroI001->IND_MOV));
    if (FRegistroI001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_I::WriteRegistroI990() {
    // The count includes the closing line itself.
    Linha("I990").I(FRegistroI990->QTD_LIN_I + 1);
}

void TBloco_I::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("I010", RegistroI010Count);
    e.Adiciona("I100", RegistroI100Count);
    e.Adiciona("I199", RegistroI199Count);
    e.Adiciona("I200", RegistroI200Count);
    e.Adiciona("I299", RegistroI299Count);
    e.Adiciona("I300", RegistroI300Count);
    e.Adiciona("I399", RegistroI399Count);
}

}  // namespace efd
