#include "efd/EFDBloco_A_Class.h"

namespace efd {

TBloco_A::TBloco_A() { TBloco_A::CreateRegisters(); }

TBloco_A::~TBloco_A() { TBloco_A::ReleaseRegisters(); }

void TBloco_A::CreateRegisters() {
    FRegistroA001 = std::make_unique<TRegistroA001>();
    FRegistroA990 = std::make_unique<TRegistroA990>();
    FContadorLinhas = &FRegistroA990->QTD_LIN_A;
    RegistroA010Count = 0;
    RegistroA100Count = 0;
    RegistroA110Count = 0;
    RegistroA111Count = 0;
    RegistroA120Count = 0;
    RegistroA170Count = 0;
}

void TBloco_A::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroA001.reset();
    FRegistroA990.reset();
}

void TBloco_A::WriteRegistroA001() {
    // A001 is written once, on the first call; later calls resume below it.
    if (FRegistroA990->QTD_LIN_A == 0) Linha("A001").I(static_cast<int64_t>(FRegistroA001->IND_MOV));
    if (FRegistroA001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_A::WriteRegistroA990() {
    // The count includes the closing line itself.
    Linha("A990").I(FRegistroA990->QTD_LIN_A + 1);
}

void TBloco_A::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("A010", RegistroA010Count);
    e.Adiciona("A100", RegistroA100Count);
    e.Adiciona("A110", RegistroA110Count);
    e.Adiciona("A111", RegistroA111Count);
    e.Adiciona("A120", RegistroA120Count);
    e.Adiciona("A170", RegistroA170Count);
}

}  // namespace efd
