#include "efd/EFDBloco_M_Class.h"

namespace efd {

TBloco_M::TBloco_M() { TBloco_M::CreateRegisters(); }

TBloco_M::~TBloco_M() { TBloco_M::ReleaseRegisters(); }

void TBloco_M::CreateRegisters() {
    FRegistroM001 = std::make_unique<TRegistroM001>();
    FRegistroM990 = std::make_unique<TRegistroM990>();
    FContadorLinhas = &FRegistroM990->QTD_LIN_M;
    RegistroM100Count = 0;
    RegistroM105Count = 0;
    RegistroM110Count = 0;
    RegistroM115Count = 0;
    RegistroM200Count = 0;
    RegistroM205Count = 0;
    RegistroM210Count = 0;
    RegistroM211Count = 0;
    RegistroM215Count = 0;
    RegistroM220Count = 0;
    RegistroM225Count = 0;
    RegistroM230Count = 0;
    RegistroM300Count = 0;
    RegistroM350Count = 0;
    RegistroM400Count = 0;
    RegistroM410Count = 0;
    RegistroM500Count = 0;
    RegistroM505Count = 0;
    RegistroM510Count = 0;
    RegistroM515Count = 0;
    RegistroM600Count = 0;
    RegistroM605Count = 0;
    RegistroM610Count = 0;
    RegistroM611Count = 0;
    RegistroM615Count = 0;
    RegistroM620Count = 0;
    RegistroM625Count = 0;
    RegistroM630Count = 0;
    RegistroM700Count = 0;
    RegistroM800Count = 0;
    RegistroM810Count = 0;
}

void TBloco_M::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroM001.reset();
    FRegistroM990.reset();
}

void TBloco_M::WriteRegistroM001() {
    Linha("M001").I(static_cast<int64_t>(FRegistroM001->IND_MOV));
    if (FRegistroM001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_M::WriteRegistroM990() {
    // The count includes the closing line itself.
    Linha("M990").I(FRegistroM990->QTD_LIN_M + 1);
}

void TBloco_M::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("M100", RegistroM100Count);
    e.Adiciona("M105", RegistroM105Count);
    e.Adiciona("M110", RegistroM110Count);
    e.Adiciona("M115", RegistroM115Count);
    e.Adiciona("M200", RegistroM200Count);
    e.Adiciona("M205", RegistroM205Count);
    e.Adiciona("M210", RegistroM210Count);
    e.Adiciona("M211", RegistroM211Count);
    e.Adiciona("M215", RegistroM215Count);
    e.Adiciona("M220", RegistroM220Count);
    e.Adiciona("M225", RegistroM225Count);
    e.Adiciona("M230", RegistroM230Count);
    e.Adiciona("M300", RegistroM300Count);
    e.Adiciona("M350", RegistroM350Count);
    e.Adiciona("M400", RegistroM400Count);
    e.Adiciona("M410", RegistroM410Count);
    e.Adiciona("M500", RegistroM500Count);
    e.Adiciona("M505", RegistroM505Count);
    e.Adiciona("M510", RegistroM510Count);
    e.Adiciona("M515", RegistroM515Count);
    e.Adiciona("M600", RegistroM600Count);
    e.Adiciona("M605", RegistroM605Count);
    e.Adiciona("M610", RegistroM610Count);
    e.Adiciona("M611", RegistroM611Count);
    e.Adiciona("M615", RegistroM615Count);
    e.Adiciona("M620", RegistroM620Count);
    e.Adiciona("M625", RegistroM625Count);
    e.Adiciona("M630", RegistroM630Count);
    e.Adiciona("M700", RegistroM700Count);
    e.Adiciona("M800", RegistroM800Count);
    e.Adiciona("M810", RegistroM810Count);
}

}  // namespace efd
