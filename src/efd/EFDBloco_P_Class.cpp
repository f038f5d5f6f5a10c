#include "efd/EFDBloco_P_Class.h"

#include "util/Validador.h"

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

TRegistroP110* TBloco_P::RegistroP110New() {
    return FRegistroP001->RegistroP010.Ultimo()->RegistroP100.Ultimo()->RegistroP110.New();
}
TRegistroP199* TBloco_P::RegistroP199New() {
    return FRegistroP001->RegistroP010.Ultimo()->RegistroP100.Ultimo()->RegistroP199.New();
}

void TBloco_P::WriteRegistroP001() {
    Linha("P001").I(static_cast<int64_t>(FRegistroP001->IND_MOV));
    if (FRegistroP001->IND_MOV != TIndMov::imComDados) return;
    WriteRegistroP010();
    WriteRegistroP200();
}

void TBloco_P::WriteRegistroP010() {
    const auto& lista = FRegistroP001->RegistroP010;
    for (const TRegistroP010& r : lista) {
        Check(util::CNPJValido(r.CNPJ), "(P-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", {r.CNPJ});
        Linha("P010").T(r.CNPJ, 14);
        WriteRegistroP100(r);
    }
    RegistroP010Count += lista.Count();
}

void TBloco_P::WriteRegistroP100(const TRegistroP010& pai) {
    for (const TRegistroP100& r : pai.RegistroP100) {
        Linha("P100")
            .D(r.DT_INI)
            .D(r.DT_FIM)
            .N(r.VL_REC_TOT_EST)
            .T(r.COD_ATIV_ECON)
            .N(r.VL_REC_ATIV_ESTAB)
            .N(r.VL_EXC)
            .N(r.VL_BC_CONT)
            .N(r.ALIQ_CONT)
            .N(r.VL_CONT_APU)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
        WriteRegistroP110(r);
        WriteRegistroP199(r);
    }
    RegistroP100Count += pai.RegistroP100.Count();
}

void TBloco_P::WriteRegistroP110(const TRegistroP100& pai) {
    for (const TRegistroP110& r : pai.RegistroP110)
        Linha("P110").T(r.NUM_CAMPO).T(r.COD_DET).N(r.DET_VALOR).T(r.INF_COMPL);
    RegistroP110Count += pai.RegistroP110.Count();
}

void TBloco_P::WriteRegistroP199(const TRegistroP100& pai) {
    for (const TRegistroP199& r : pai.RegistroP199) Linha("P199").T(r.NUM_PROC).T(r.IND_PROC);
    RegistroP199Count += pai.RegistroP199.Count();
}

void TBloco_P::WriteRegistroP200() {
    const auto& lista = FRegistroP001->RegistroP200;
    for (const TRegistroP200& r : lista) {
        Linha("P200")
            .T(r.PER_REF)
            .N(r.VL_TOT_CONT_APU)
            .N(r.VL_TOT_AJ_REDUC)
            .N(r.VL_TOT_AJ_ACRES)
            .N(r.VL_TOT_CONT_DEV)
            .T(r.COD_REC);
        WriteRegistroP210(r);
    }
    RegistroP200Count += lista.Count();
}

void TBloco_P::WriteRegistroP210(const TRegistroP200& pai) {
    for (const TRegistroP210& r : pai.RegistroP210)
        Linha("P210").T(r.IND_AJ).N(r.VL_AJ).T(r.COD_AJ).T(r.NUM_DOC).T(r.DESCR_AJ).D(r.DT_REF);
    RegistroP210Count += pai.RegistroP210.Count();
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
