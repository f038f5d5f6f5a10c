#include "efd/EFDBloco_9_Class.h"

namespace efd {

TBloco_9::TBloco_9() { TBloco_9::CreateRegisters(); }

TBloco_9::~TBloco_9() { TBloco_9::ReleaseRegisters(); }

void TBloco_9::CreateRegisters() {
    FRegistro9001 = std::make_unique<TRegistro9001>();
    FRegistro9900 = std::make_unique<TRegistro9900List>();
    FRegistro9990 = std::make_unique<TRegistro9990>();
    FRegistro9999 = std::make_unique<TRegistro9999>();
    // Block 9's lines are counted by formula, not line by line.
    FContadorLinhas = nullptr;
}

void TBloco_9::ReleaseRegisters() {
    FRegistro9001.reset();
    FRegistro9900.reset();
    FRegistro9990.reset();
    FRegistro9999.reset();
}

void TBloco_9::Adiciona9900(std::string_view reg, int32_t qtd) {
    TRegistro9900* r = FRegistro9900->New();
    r->REG_BLC = std::string(reg);
    r->QTD_REG_BLC = qtd;
}

void TBloco_9::WriteRegistro9001() { Linha("9001").I(static_cast<int64_t>(FRegistro9001->IND_MOV)); }

void TBloco_9::WriteRegistro9900() {
    for (const TRegistro9900& r : *FRegistro9900) Linha("9900").T(r.REG_BLC).I(r.QTD_REG_BLC);
}

void TBloco_9::WriteRegistro9990() { Linha("9990").I(FRegistro9990->QTD_LIN_9); }

void TBloco_9::WriteRegistro9999() { Linha("9999").I(FRegistro9999->QTD_LIN); }

}  // namespace efd
