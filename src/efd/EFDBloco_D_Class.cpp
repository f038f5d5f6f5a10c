#include "efd/EFDBloco_D_Class.h"

namespace efd {

TBloco_D::TBloco_D() { TBloco_D::CreateRegisters(); }

TBloco_D::~TBloco_D() { TBloco_D::ReleaseRegisters(); }

void TBloco_D::CreateRegisters() {
    FRegistroD001 = std::make_unique<TRegistroD001>();
    FRegistroD990 = std::make_unique<TRegistroD990>();
    FContadorLinhas = &FRegistroD990->QTD_LIN_D;
    RegistroD010Count = 0;
    RegistroD100Count = 0;
    RegistroD101Count = 0;
    RegistroD105Count = 0;
    RegistroD111Count = 0;
    RegistroD200Count = 0;
    RegistroD201Count = 0;
    RegistroD205Count = 0;
    RegistroD209Count = 0;
    RegistroD300Count = 0;
    RegistroD309Count = 0;
    RegistroD350Count = 0;
    RegistroD359Count = 0;
    RegistroD500Count = 0;
    RegistroD501Count = 0;
    RegistroD505Count = 0;
    RegistroD509Count = 0;
    RegistroD600Count = 0;
    RegistroD601Count = 0;
    RegistroD605Count = 0;
    RegistroD609Count = 0;
}

void TBloco_D::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroD001.reset();
    FRegistroD990.reset();
}

void TBloco_D::WriteRegistroD001() {
    Linha("D001").I(static_cast<int64_t>(FRegistroD001->IND_MOV));
    if (FRegistroD001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_D::WriteRegistroD990() {
    // The count includes the closing line itself.
    Linha("D990").I(FRegistroD990->QTD_LIN_D + 1);
}

void TBloco_D::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("D010", RegistroD010Count);
    e.Adiciona("D100", RegistroD100Count);
    e.Adiciona("D101", RegistroD101Count);
    e.Adiciona("D105", RegistroD105Count);
    e.Adiciona("D111", RegistroD111Count);
    e.Adiciona("D200", RegistroD200Count);
    e.Adiciona("D201", RegistroD201Count);
    e.Adiciona("D205", RegistroD205Count);
    e.Adiciona("D209", RegistroD209Count);
    e.Adiciona("D300", RegistroD300Count);
    e.Adiciona("D309", RegistroD309Count);
    e.Adiciona("D350", RegistroD350Count);
    e.Adiciona("D359", RegistroD359Count);
    e.Adiciona("D500", RegistroD500Count);
    e.Adiciona("D501", RegistroD501Count);
    e.Adiciona("D505", RegistroD505Count);
    e.Adiciona("D509", RegistroD509Count);
    e.Adiciona("D600", RegistroD600Count);
    e.Adiciona("D601", RegistroD601Count);
    e.Adiciona("D605", RegistroD605Count);
    e.Adiciona("D609", RegistroD609Count);
}

}  // namespace efd
