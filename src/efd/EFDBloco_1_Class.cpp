#include "efd/EFDBloco_1_Class.h"

namespace efd {

TBloco_1::TBloco_1() { TBloco_1::CreateRegisters(); }

TBloco_1::~TBloco_1() { TBloco_1::ReleaseRegisters(); }

void TBloco_1::CreateRegisters() {
    FRegistro1001 = std::make_unique<TRegistro1001>();
    FRegistro1990 = std::make_unique<TRegistro1990>();
    FContadorLinhas = &FRegistro1990->QTD_LIN_1;
    Registro1010Count = 0;
    Registro1011Count = 0;
    Registro1020Count = 0;
    Registro1050Count = 0;
    Registro1100Count = 0;
    Registro1101Count = 0;
    Registro1102Count = 0;
    Registro1200Count = 0;
    Registro1210Count = 0;
    Registro1220Count = 0;
    Registro1300Count = 0;
    Registro1500Count = 0;
    Registro1501Count = 0;
    Registro1502Count = 0;
    Registro1600Count = 0;
    Registro1610Count = 0;
    Registro1620Count = 0;
    Registro1700Count = 0;
    Registro1800Count = 0;
    Registro1809Count = 0;
    Registro1900Count = 0;
}

void TBloco_1::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistro1001.reset();
    FRegistro1990.reset();
}

void TBloco_1::WriteRegistro1001() {
    Linha("1001").I(static_cast<int64_t>(FRegistro1001->IND_MOV));
    if (FRegistro1001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_1::WriteRegistro1990() {
    // The count includes the closing line itself.
    Linha("1990").I(FRegistro1990->QTD_LIN_1 + 1);
}

void TBloco_1::EntradasBloco9(TEntradas9900& e) const {
    if (Registro1010Count > 0) {
        e.Adiciona("1010", Registro1010Count);
        e.Adiciona("1011", Registro1011Count);  // 1011 only goes with 1010
    }
    e.Adiciona("1020", Registro1020Count);
    e.Adiciona("1050", Registro1050Count);
    e.Adiciona("1100", Registro1100Count);
    e.Adiciona("1101", Registro1101Count);
    e.Adiciona("1102", Registro1102Count);
    e.Adiciona("1200", Registro1200Count);
    e.Adiciona("1210", Registro1210Count);
    e.Adiciona("1220", Registro1220Count);
    e.Adiciona("1300", Registro1300Count);
    e.Adiciona("1500", Registro1500Count);
    e.Adiciona("1501", Registro1501Count);
    e.Adiciona("1502", Registro1502Count);
    e.Adiciona("1600", Registro1600Count);
    e.Adiciona("1610", Registro1610Count);
    e.Adiciona("1620", Registro1620Count);
    e.Adiciona("1700", Registro1700Count);
    e.Adiciona("1800", Registro1800Count);
    e.Adiciona("1809", Registro1809Count);
    e.Adiciona("1900", Registro1900Count);
}

}  // namespace efd
