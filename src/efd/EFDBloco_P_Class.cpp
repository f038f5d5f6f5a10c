#include "efd/EFDBloco_P_Class.h"

namespace efd {

TBloco_P::TBloco_P() { TBloco_P::CreateRegisters(); }

TBloco_P::~TBloco_P() { TBloco_P::ReleaseRegisters(); }

void TBloco_P::CreateRegisters() {
    FRegistroP001 = std::make_unique<TRegistroP001>();
    FRegistroP990 = std::make_unique<TRegistroP990>();
    FContadorLinhas = &FRegistroP990->QTD_LIN_P;
    RegistroP010Count = 0;
    RegistroP100Count = 0;
    RegistroP110Count = 0;
    RegistroP199Count = 0;
    RegistroP200Count = 0;
    RegistroP210Count = 0;
}

void TBloco_P::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroP001.reset();
    FRegistroP990.reset();
}

void TBloco_P::WriteRegistroP001() {
    Linha("P001").I(static_cast<int64_t>(FRegistroP001->IND_MOV));
    if (FRegistroP001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_P::WriteRegistroP990() {
    // The count includes the closing line itself.
    Linha("P990").I(FRegistroP990->QTD_LIN_P + 1);
}

void TBloco_P::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("P010", RegistroP010Count);
    e.Adiciona("P100", RegistroP100Count);
    e.Adiciona("P110", RegistroP110Count);
    e.Adiciona("P199", RegistroP199Count);
    e.Adiciona("P200", RegistroP200Count);
    e.Adiciona("P210", RegistroP210Count);
}

}  // namespace efd
