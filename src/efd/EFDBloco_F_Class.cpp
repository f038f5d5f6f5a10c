#include "efd/EFDBloco_F_Class.h"

namespace efd {

TBloco_F::TBloco_F() { TBloco_F::CreateRegisters(); }

TBloco_F::~TBloco_F() { TBloco_F::ReleaseRegisters(); }

void TBloco_F::CreateRegisters() {
    FRegistroF001 = std::make_unique<TRegistroF001>();
    FRegistroF990 = std::make_unique<TRegistroF990>();
    FContadorLinhas = &FRegistroF990->QTD_LIN_F;
    RegistroF010Count = 0;
    RegistroF100Count = 0;
    RegistroF111Count = 0;
    RegistroF120Count = 0;
    RegistroF129Count = 0;
    RegistroF130Count = 0;
    RegistroF139Count = 0;
    RegistroF150Count = 0;
    RegistroF200Count = 0;
    RegistroF205Count = 0;
    RegistroF210Count = 0;
    RegistroF211Count = 0;
    RegistroF500Count = 0;
    RegistroF509Count = 0;
    RegistroF510Count = 0;
    RegistroF519Count = 0;
    RegistroF525Count = 0;
    RegistroF550Count = 0;
    RegistroF559Count = 0;
    RegistroF560Count = 0;
    RegistroF569Count = 0;
    RegistroF600Count = 0;
    RegistroF700Count = 0;
    RegistroF800Count = 0;
}

void TBloco_F::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroF001.reset();
    FRegistroF990.reset();
}

void TBloco_F::WriteRegistroF001() {
    Linha("F001").I(static_cast<int64_t>(FRegistroF001->IND_MOV));
    if (FRegistroF001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_F::WriteRegistroF990() {
    // The count includes the closing line itself.
    Linha("F990").I(FRegistroF990->QTD_LIN_F + 1);
}

void TBloco_F::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("F010", RegistroF010Count);
    e.Adiciona("F100", RegistroF100Count);
    e.Adiciona("F111", RegistroF111Count);
    e.Adiciona("F120", RegistroF120Count);
    e.Adiciona("F129", RegistroF129Count);
    e.Adiciona("F130", RegistroF130Count);
    e.Adiciona("F139", RegistroF139Count);
    e.Adiciona("F150", RegistroF150Count);
    e.Adiciona("F200", RegistroF200Count);
    e.Adiciona("F205", RegistroF205Count);
    e.Adiciona("F210", RegistroF210Count);
    e.Adiciona("F211", RegistroF211Count);
    e.Adiciona("F500", RegistroF500Count);
    e.Adiciona("F509", RegistroF509Count);
    e.Adiciona("F510", RegistroF510Count);
    e.Adiciona("F519", RegistroF519Count);
    e.Adiciona("F525", RegistroF525Count);
    e.Adiciona("F550", RegistroF550Count);
    e.Adiciona("F559", RegistroF559Count);
    e.Adiciona("F560", RegistroF560Count);
    e.Adiciona("F569", RegistroF569Count);
    e.Adiciona("F600", RegistroF600Count);
    e.Adiciona("F700", RegistroF700Count);
    e.Adiciona("F800", RegistroF800Count);
}

}  // namespace efd
