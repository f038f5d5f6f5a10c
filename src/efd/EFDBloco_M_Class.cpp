#include "efd/EFDBloco_M_Class.h"

#include "efd/EFDBloco_0_Class.h"

namespace efd {

// ---- Lookups -----------------------------------------------------------------

TRegistroM410* TRegistroM400::LocalizaRegistroM410(std::string_view ANAT_REC, std::string_view ACOD_CTA,
                                                   std::string_view ADESC_COMPL) const {
    for (TRegistroM410& r : RegistroM410)
        if (r.NAT_REC == ANAT_REC && r.COD_CTA == ACOD_CTA && r.DESC_COMPL == ADESC_COMPL) return &r;
    return nullptr;
}

TRegistroM810* TRegistroM800::LocalizaRegistroM810(std::string_view ANAT_REC, std::string_view ACOD_CTA,
                                                   std::string_view ADESC_COMPL) const {
    for (TRegistroM810& r : RegistroM810)
        if (r.NAT_REC == ANAT_REC && r.COD_CTA == ACOD_CTA && r.DESC_COMPL == ADESC_COMPL) return &r;
    return nullptr;
}

TRegistroM400* TRegistroM001::LocalizaRegistroM400(TCstPis ACST_PIS, std::string_view ACOD_CTA,
                                                   std::string_view ADESC_COMPL) const {
    for (TRegistroM400& r : RegistroM400)
        if (r.CST_PIS == ACST_PIS && r.COD_CTA == ACOD_CTA && r.DESC_COMPL == ADESC_COMPL) return &r;
    return nullptr;
}

TRegistroM800* TRegistroM001::LocalizaRegistroM800(TCstCofins ACST_COFINS, std::string_view ACOD_CTA,
                                                   std::string_view ADESC_COMPL) const {
    for (TRegistroM800& r : RegistroM800)
        if (r.CST_COFINS == ACST_COFINS && r.COD_CTA == ACOD_CTA && r.DESC_COMPL == ADESC_COMPL) return &r;
    return nullptr;
}

// ---- Block -------------------------------------------------------------------

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

// ---- New ---------------------------------------------------------------------

TRegistroM211* TBloco_M::RegistroM211New() {
    return &FRegistroM001->RegistroM200.RegistroM210.Ultimo()->RegistroM211;
}
TRegistroM611* TBloco_M::RegistroM611New() {
    return &FRegistroM001->RegistroM600.RegistroM610.Ultimo()->RegistroM611;
}
TRegistroM105* TBloco_M::RegistroM105New() { return FRegistroM001->RegistroM100.Ultimo()->RegistroM105.New(); }
TRegistroM110* TBloco_M::RegistroM110New() { return FRegistroM001->RegistroM100.Ultimo()->RegistroM110.New(); }
TRegistroM115* TBloco_M::RegistroM115New() {
    return FRegistroM001->RegistroM100.Ultimo()->RegistroM110.Ultimo()->RegistroM115.New();
}
TRegistroM215* TBloco_M::RegistroM215New() {
    return FRegistroM001->RegistroM200.RegistroM210.Ultimo()->RegistroM215.New();
}
TRegistroM220* TBloco_M::RegistroM220New() {
    return FRegistroM001->RegistroM200.RegistroM210.Ultimo()->RegistroM220.New();
}
TRegistroM225* TBloco_M::RegistroM225New() {
    return FRegistroM001->RegistroM200.RegistroM210.Ultimo()->RegistroM220.Ultimo()->RegistroM225.New();
}
TRegistroM230* TBloco_M::RegistroM230New() {
    return FRegistroM001->RegistroM200.RegistroM210.Ultimo()->RegistroM230.New();
}
TRegistroM410* TBloco_M::RegistroM410New() { return FRegistroM001->RegistroM400.Ultimo()->RegistroM410.New(); }
TRegistroM505* TBloco_M::RegistroM505New() { return FRegistroM001->RegistroM500.Ultimo()->RegistroM505.New(); }
TRegistroM510* TBloco_M::RegistroM510New() { return FRegistroM001->RegistroM500.Ultimo()->RegistroM510.New(); }
TRegistroM515* TBloco_M::RegistroM515New() {
    return FRegistroM001->RegistroM500.Ultimo()->RegistroM510.Ultimo()->RegistroM515.New();
}
TRegistroM615* TBloco_M::RegistroM615New() {
    return FRegistroM001->RegistroM600.RegistroM610.Ultimo()->RegistroM615.New();
}
TRegistroM620* TBloco_M::RegistroM620New() {
    return FRegistroM001->RegistroM600.RegistroM610.Ultimo()->RegistroM620.New();
}
TRegistroM625* TBloco_M::RegistroM625New() {
    return FRegistroM001->RegistroM600.RegistroM610.Ultimo()->RegistroM620.Ultimo()->RegistroM625.New();
}
TRegistroM630* TBloco_M::RegistroM630New() {
    return FRegistroM001->RegistroM600.RegistroM610.Ultimo()->RegistroM630.New();
}
TRegistroM810* TBloco_M::RegistroM810New() { return FRegistroM001->RegistroM800.Ultimo()->RegistroM810.New(); }

// ---- Rules -------------------------------------------------------------------

// Without block 0 the values of a fresh 0000 apply: the first layout, no cooperative.
bool TBloco_M::LeiauteComAjustesDaBase() const {
    return Bloco_0 && Bloco_0->Registro0000().COD_VER >= TCodVer::vlVersao310;
}

bool TBloco_M::Cooperativa() const {
    return Bloco_0 && Bloco_0->Registro0000().IND_NAT_PJ == TIndNatPJ::indNatPJSocCooperativa;
}

// ---- Writing -----------------------------------------------------------------

void TBloco_M::WriteRegistroM001() {
    Linha("M001").I(static_cast<int64_t>(FRegistroM001->IND_MOV));
    if (FRegistroM001->IND_MOV != TIndMov::imComDados) return;
    WriteRegistroM100();
    WriteRegistroM200();
    WriteRegistroM300();
    WriteRegistroM350();
    WriteRegistroM400();
    WriteRegistroM500();
    WriteRegistroM600();
    WriteRegistroM700();
    WriteRegistroM800();
}

// The twins' shared writers.

template <class R>
void TBloco_M::LinhaTotais(const char* reg, const R& r) {
    Linha(reg)
        .N(r.VL_TOT_CONT_NC_PER)
        .N(r.VL_TOT_CRED_DESC)
        .N(r.VL_TOT_CRED_DESC_ANT)
        .N(r.VL_TOT_CONT_NC_DEV)
        .N(r.VL_RET_NC)
        .N(r.VL_OUT_DED_NC)
        .N(r.VL_CONT_NC_REC)
        .N(r.VL_TOT_CONT_CUM_PER)
        .N(r.VL_RET_CUM)
        .N(r.VL_OUT_DED_CUM)
        .N(r.VL_CONT_CUM_REC)
        .N(r.VL_TOT_CONT_REC);
}

template <class L>
void TBloco_M::WriteTotalPorCodigo(const char* reg, const L& lista, int& contador) {
    for (const auto& r : lista) Linha(reg).T(r.NUM_CAMPO, 2).T(r.COD_REC, 6).N(r.VL_DEBITO);
    contador += lista.Count();
}

template <class R>
void TBloco_M::LinhaCooperativa(const char* reg, const R& r) {
    Linha(reg)
        .C(Codigo(r.IND_TIP_COOP))
        .N(r.VL_BC_CONT_ANT_EXC_COOP)
        .N(r.VL_EXC_COOP_GER)
        .N(r.VL_EXC_ESP_COOP)
        .N(r.VL_BC_CONT);
}

template <class L>
void TBloco_M::WriteAjusteBase(const char* reg, const L& lista, int& contador) {
    for (const auto& r : lista) {
        Linha(reg)
            .C(Codigo(r.IND_AJ_BC))
            .N(r.VL_AJ_BC)
            .C(Codigo(r.COD_AJ_BC))
            .T(r.NUM_DOC)
            .T(r.DESCR_AJ_BC)
            .D(r.DT_REF)
            .T(r.COD_CTA)
            .T(r.CNPJ)
            .T(r.INFO_COMPL);
    }
    contador += lista.Count();
}

template <class R>
void TBloco_M::LinhaAjuste(const char* reg, const R& r) {
    Linha(reg).C(Codigo(r.IND_AJ)).N(r.VL_AJ).C(Codigo(r.COD_AJ)).T(r.NUM_DOC).T(r.DESCR_AJ).D(r.DT_REF);
}

template <class L>
void TBloco_M::WriteDiferimento(const char* reg, const L& lista, int& contador) {
    for (const auto& r : lista) {
        Linha(reg)
            .T(r.CNPJ)
            .N(r.VL_VEND)
            .N(r.VL_NAO_RECEB)
            .N(r.VL_CONT_DIF)
            .N(r.VL_CRED_DIF)
            .T(r.COD_CRED);
    }
    contador += lista.Count();
}

template <class L>
void TBloco_M::WriteDiferidoAnterior(const char* reg, const L& lista, int& contador) {
    for (const auto& r : lista) {
        Linha(reg)
            .C(Codigo(r.COD_CONT))
            .N(r.VL_CONT_APUR_DIFER)
            .C(Codigo(r.NAT_CRED_DESC))
            .N(r.VL_CRED_DESC_DIFER)
            .N(r.VL_CONT_DIFER_ANT)
            .T(r.PER_APUR)
            .D(r.DT_RECEB);
    }
    contador += lista.Count();
}

template <class L>
void TBloco_M::WriteDetalheReceita(const char* reg, const L& lista, int& contador) {
    for (const auto& r : lista) Linha(reg).T(r.NAT_REC).N(r.VL_REC).T(r.COD_CTA).T(r.DESC_COMPL);
    contador += lista.Count();
}

// PIS/PASEP.

void TBloco_M::WriteRegistroM100() {
    const auto& lista = FRegistroM001->RegistroM100;
    for (const TRegistroM100& r : lista) {
        Linha("M100")
            .T(r.COD_CRED)
            .C(Codigo(r.IND_CRED_ORI))
            .VN(r.VL_BC_PIS)
            .V(r.ALIQ_PIS, 4)
            .VN(r.QUANT_BC_PIS, 3)
            .V(r.ALIQ_PIS_QUANT, 4)
            .N(r.VL_CRED)
            .N(r.VL_AJUS_ACRES)
            .N(r.VL_AJUS_REDUC)
            .N(r.VL_CRED_DIF)
            .N(r.VL_CRED_DISP)
            .C(Codigo(r.IND_DESC_CRED))
            .VN(r.VL_CRED_DESC)
            .N(r.SLD_CRED);
        WriteRegistroM105(r);
        WriteRegistroM110(r);
    }
    RegistroM100Count += lista.Count();
}

void TBloco_M::WriteRegistroM105(const TRegistroM100& pai) {
    for (const TRegistroM105& r : pai.RegistroM105) {
        Linha("M105")
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.CST_PIS))
            .VN(r.VL_BC_PIS_TOT)
            .VN(r.VL_BC_PIS_CUM)
            .VN(r.VL_BC_PIS_NC)
            .VN(r.VL_BC_PIS)
            .V(r.QUANT_BC_PIS_TOT, 3)
            .V(r.QUANT_BC_PIS, 3)
            .T(r.DESC_CRED);
    }
    RegistroM105Count += pai.RegistroM105.Count();
}

void TBloco_M::WriteRegistroM110(const TRegistroM100& pai) {
    for (const TRegistroM110& r : pai.RegistroM110) {
        LinhaAjuste("M110", r);
        WriteRegistroM115(r);
    }
    RegistroM110Count += pai.RegistroM110.Count();
}

void TBloco_M::WriteRegistroM115(const TRegistroM110& pai) {
    for (const TRegistroM115& r : pai.RegistroM115) {
        Linha("M115")
            .N(r.DET_VALOR_AJ)
            .TNulo(Codigo(r.CST_PIS), 2)
            .N(r.DET_BC_CRED)
            .N(r.DET_ALIQ)
            .D(r.DT_OPER_AJ)
            .T(r.DESC_AJ)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
    }
    RegistroM115Count += pai.RegistroM115.Count();
}

void TBloco_M::WriteRegistroM200() {
    // M200 always exists: with data it is written even when every total is zero.
    const TRegistroM200& r = FRegistroM001->RegistroM200;
    LinhaTotais("M200", r);
    WriteTotalPorCodigo("M205", r.RegistroM205, RegistroM205Count);
    WriteRegistroM210(r);
    ++RegistroM200Count;
}

void TBloco_M::WriteRegistroM210(const TRegistroM200& pai) {
    const bool ajustesDaBase = LeiauteComAjustesDaBase();
    const bool cooperativa = Cooperativa();
    for (const TRegistroM210& r : pai.RegistroM210) {
        {
            TLinha l = Linha("M210");
            l.C(Codigo(r.COD_CONT)).N(r.VL_REC_BRT).N(r.VL_BC_CONT);
            if (ajustesDaBase) l.N(r.VL_AJUS_ACRES_BC_PIS).N(r.VL_AJUS_REDUC_BC_PIS).N(r.VL_BC_CONT_AJUS);
            l.V(r.ALIQ_PIS, 4)
                .V(r.QUANT_BC_PIS, 3)
                .V(r.ALIQ_PIS_QUANT, 4)
                .N(r.VL_CONT_APUR)
                .N(r.VL_AJUS_ACRES)
                .N(r.VL_AJUS_REDUC)
                .VN(r.VL_CONT_DIFER)
                .VN(r.VL_CONT_DIFER_ANT)
                .N(r.VL_CONT_PER);
        }
        if (cooperativa) {
            LinhaCooperativa("M211", r.RegistroM211);
            ++RegistroM211Count;
        }
        WriteAjusteBase("M215", r.RegistroM215, RegistroM215Count);
        WriteRegistroM220(r);
        WriteDiferimento("M230", r.RegistroM230, RegistroM230Count);
    }
    RegistroM210Count += pai.RegistroM210.Count();
}

void TBloco_M::WriteRegistroM220(const TRegistroM210& pai) {
    for (const TRegistroM220& r : pai.RegistroM220) {
        LinhaAjuste("M220", r);
        WriteRegistroM225(r);
    }
    RegistroM220Count += pai.RegistroM220.Count();
}

void TBloco_M::WriteRegistroM225(const TRegistroM220& pai) {
    for (const TRegistroM225& r : pai.RegistroM225) {
        Linha("M225")
            .N(r.DET_VALOR_AJ)
            .C(Codigo(r.CST_PIS))
            .N(r.DET_BC_CRED)
            .N(r.DET_ALIQ)
            .D(r.DT_OPER_AJ)
            .T(r.DESC_AJ)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
    }
    RegistroM225Count += pai.RegistroM225.Count();
}

void TBloco_M::WriteRegistroM300() {
    WriteDiferidoAnterior("M300", FRegistroM001->RegistroM300, RegistroM300Count);
}

void TBloco_M::WriteRegistroM350() {
    const TRegistroM350& r = FRegistroM001->RegistroM350;
    // Only a company with a payroll contribution has an M350.
    if (!(r.VL_TOT_FOL > util::Currency())) return;
    Linha("M350").N(r.VL_TOT_FOL).N(r.VL_EXC_BC).N(r.VL_TOT_BC).N(r.ALIQ_PIS_FOL).N(r.VL_TOT_CONT_FOL);
    ++RegistroM350Count;
}

void TBloco_M::WriteRegistroM400() {
    const auto& lista = FRegistroM001->RegistroM400;
    for (const TRegistroM400& r : lista) {
        Linha("M400").C(Codigo(r.CST_PIS)).N(r.VL_TOT_REC).T(r.COD_CTA).T(r.DESC_COMPL);
        WriteDetalheReceita("M410", r.RegistroM410, RegistroM410Count);
    }
    RegistroM400Count += lista.Count();
}

// COFINS.

void TBloco_M::WriteRegistroM500() {
    const auto& lista = FRegistroM001->RegistroM500;
    for (const TRegistroM500& r : lista) {
        Linha("M500")
            .T(r.COD_CRED)
            .C(Codigo(r.IND_CRED_ORI))
            .VN(r.VL_BC_COFINS)
            .V(r.ALIQ_COFINS, 4)
            .VN(r.QUANT_BC_COFINS, 3)
            .V(r.ALIQ_COFINS_QUANT, 4)
            .N(r.VL_CRED)
            .N(r.VL_AJUS_ACRES)
            .N(r.VL_AJUS_REDUC)
            .N(r.VL_CRED_DIFER)
            .N(r.VL_CRED_DISP)
            .C(Codigo(r.IND_DESC_CRED))
            .VN(r.VL_CRED_DESC)
            .N(r.SLD_CRED);
        WriteRegistroM505(r);
        WriteRegistroM510(r);
    }
    RegistroM500Count += lista.Count();
}

void TBloco_M::WriteRegistroM505(const TRegistroM500& pai) {
    for (const TRegistroM505& r : pai.RegistroM505) {
        Linha("M505")
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.CST_COFINS))
            .VN(r.VL_BC_COFINS_TOT)
            .VN(r.VL_BC_COFINS_CUM)
            .VN(r.VL_BC_COFINS_NC)
            .VN(r.VL_BC_COFINS)
            .V(r.QUANT_BC_COFINS_TOT, 3)
            .V(r.QUANT_BC_COFINS, 3)
            .T(r.DESC_CRED);
    }
    RegistroM505Count += pai.RegistroM505.Count();
}

void TBloco_M::WriteRegistroM510(const TRegistroM500& pai) {
    for (const TRegistroM510& r : pai.RegistroM510) {
        LinhaAjuste("M510", r);
        WriteRegistroM515(r);
    }
    RegistroM510Count += pai.RegistroM510.Count();
}

void TBloco_M::WriteRegistroM515(const TRegistroM510& pai) {
    for (const TRegistroM515& r : pai.RegistroM515) {
        Linha("M515")
            .N(r.DET_VALOR_AJ)
            .TNulo(Codigo(r.CST_COFINS), 2)
            .N(r.DET_BC_CRED)
            .N(r.DET_ALIQ)
            .D(r.DT_OPER_AJ)
            .T(r.DESC_AJ)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
    }
    RegistroM515Count += pai.RegistroM515.Count();
}

void TBloco_M::WriteRegistroM600() {
    // Like M200, written whenever the block has data.
    const TRegistroM600& r = FRegistroM001->RegistroM600;
    LinhaTotais("M600", r);
    WriteTotalPorCodigo("M605", r.RegistroM605, RegistroM605Count);
    WriteRegistroM610(r);
    ++RegistroM600Count;
}

void TBloco_M::WriteRegistroM610(const TRegistroM600& pai) {
    const bool ajustesDaBase = LeiauteComAjustesDaBase();
    const bool cooperativa = Cooperativa();
    for (const TRegistroM610& r : pai.RegistroM610) {
        {
            TLinha l = Linha("M610");
            l.C(Codigo(r.COD_CONT)).N(r.VL_REC_BRT).N(r.VL_BC_CONT);
            if (ajustesDaBase) l.N(r.VL_AJUS_ACRES_BC_COFINS).N(r.VL_AJUS_REDUC_BC_COFINS).N(r.VL_BC_CONT_AJUS);
            l.V(r.ALIQ_COFINS, 4)
                .V(r.QUANT_BC_COFINS, 3)
                .V(r.ALIQ_COFINS_QUANT, 4)
                .N(r.VL_CONT_APUR)
                .N(r.VL_AJUS_ACRES)
                .N(r.VL_AJUS_REDUC)
                .VN(r.VL_CONT_DIFER)
                .VN(r.VL_CONT_DIFER_ANT)
                .N(r.VL_CONT_PER);
        }
        if (cooperativa) {
            LinhaCooperativa("M611", r.RegistroM611);
            ++RegistroM611Count;
        }
        WriteAjusteBase("M615", r.RegistroM615, RegistroM615Count);
        WriteRegistroM620(r);
        WriteDiferimento("M630", r.RegistroM630, RegistroM630Count);
    }
    RegistroM610Count += pai.RegistroM610.Count();
}

void TBloco_M::WriteRegistroM620(const TRegistroM610& pai) {
    for (const TRegistroM620& r : pai.RegistroM620) {
        LinhaAjuste("M620", r);
        WriteRegistroM625(r);
    }
    RegistroM620Count += pai.RegistroM620.Count();
}

void TBloco_M::WriteRegistroM625(const TRegistroM620& pai) {
    for (const TRegistroM625& r : pai.RegistroM625) {
        Linha("M625")
            .N(r.DET_VALOR_AJ)
            .C(Codigo(r.CST_COFINS))
            .N(r.DET_BC_CRED)
            .N(r.DET_ALIQ)
            .D(r.DT_OPER_AJ)
            .T(r.DESC_AJ)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
    }
    RegistroM625Count += pai.RegistroM625.Count();
}

void TBloco_M::WriteRegistroM700() {
    WriteDiferidoAnterior("M700", FRegistroM001->RegistroM700, RegistroM700Count);
}

void TBloco_M::WriteRegistroM800() {
    const auto& lista = FRegistroM001->RegistroM800;
    for (const TRegistroM800& r : lista) {
        Linha("M800").C(Codigo(r.CST_COFINS)).N(r.VL_TOT_REC).T(r.COD_CTA).T(r.DESC_COMPL);
        WriteDetalheReceita("M810", r.RegistroM810, RegistroM810Count);
    }
    RegistroM800Count += lista.Count();
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
