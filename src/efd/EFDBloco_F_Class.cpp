#include "efd/EFDBloco_F_Class.h"

#include "efd/EFDBloco_0_Class.h"
#include "util/Validador.h"

namespace efd {

namespace {
const util::Data k1Jan2012 = util::Data::FromYMD(2012, 1, 1);
}

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

// ---- New ---------------------------------------------------------------------

TRegistroF010* TBloco_F::RegistroF010New() { return FRegistroF001->RegistroF010.New(); }
TRegistroF100* TBloco_F::RegistroF100New() { return UltimoF010()->RegistroF100.New(); }
TRegistroF111* TBloco_F::RegistroF111New() { return UltimoF010()->RegistroF100.Ultimo()->RegistroF111.New(); }
TRegistroF120* TBloco_F::RegistroF120New() { return UltimoF010()->RegistroF120.New(); }
TRegistroF129* TBloco_F::RegistroF129New() { return UltimoF010()->RegistroF120.Ultimo()->RegistroF129.New(); }
TRegistroF130* TBloco_F::RegistroF130New() { return UltimoF010()->RegistroF130.New(); }
TRegistroF139* TBloco_F::RegistroF139New() { return UltimoF010()->RegistroF130.Ultimo()->RegistroF139.New(); }
TRegistroF150* TBloco_F::RegistroF150New() { return UltimoF010()->RegistroF150.New(); }
TRegistroF200* TBloco_F::RegistroF200New() { return UltimoF010()->RegistroF200.New(); }
TRegistroF205* TBloco_F::RegistroF205New() { return &UltimoF010()->RegistroF200.Ultimo()->RegistroF205; }
TRegistroF210* TBloco_F::RegistroF210New() { return UltimoF010()->RegistroF200.Ultimo()->RegistroF210.New(); }
TRegistroF211* TBloco_F::RegistroF211New() { return UltimoF010()->RegistroF200.Ultimo()->RegistroF211.New(); }
TRegistroF500* TBloco_F::RegistroF500New() { return UltimoF010()->RegistroF500.New(); }
TRegistroF509* TBloco_F::RegistroF509New() { return UltimoF010()->RegistroF500.Ultimo()->RegistroF509.New(); }
TRegistroF510* TBloco_F::RegistroF510New() { return UltimoF010()->RegistroF510.New(); }
TRegistroF519* TBloco_F::RegistroF519New() { return UltimoF010()->RegistroF510.Ultimo()->RegistroF519.New(); }
TRegistroF525* TBloco_F::RegistroF525New() { return UltimoF010()->RegistroF525.New(); }
TRegistroF550* TBloco_F::RegistroF550New() { return UltimoF010()->RegistroF550.New(); }
TRegistroF559* TBloco_F::RegistroF559New() { return UltimoF010()->RegistroF550.Ultimo()->RegistroF559.New(); }
TRegistroF560* TBloco_F::RegistroF560New() { return UltimoF010()->RegistroF560.New(); }
TRegistroF569* TBloco_F::RegistroF569New() { return UltimoF010()->RegistroF560.Ultimo()->RegistroF569.New(); }
TRegistroF600* TBloco_F::RegistroF600New() { return UltimoF010()->RegistroF600.New(); }
TRegistroF700* TBloco_F::RegistroF700New() { return UltimoF010()->RegistroF700.New(); }
TRegistroF800* TBloco_F::RegistroF800New() { return UltimoF010()->RegistroF800.New(); }

// ---- Rules -------------------------------------------------------------------

bool TBloco_F::EscreveF205() const {
    // Without block 0 nothing says the regime is cumulative only.
    return !Bloco_0 ||
           Bloco_0->Registro0001().Registro0110.COD_INC_TRIB != TCodIncTrib::codEscrOpIncCumulativo;
}

bool TBloco_F::CaixaECompetencia() const { return !(DT_INI() < k1Jan2012); }

// ---- Writing -----------------------------------------------------------------

void TBloco_F::WriteRegistroF001() {
    Linha("F001").I(static_cast<int64_t>(FRegistroF001->IND_MOV));
    if (FRegistroF001->IND_MOV != TIndMov::imComDados) return;
    for (const TRegistroF010& r : FRegistroF001->RegistroF010) WriteRegistroF010(r);
    RegistroF010Count += FRegistroF001->RegistroF010.Count();
}

void TBloco_F::WriteRegistroF010(const TRegistroF010& r) {
    Check(util::CNPJValido(r.CNPJ), "(F-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", {r.CNPJ});
    Linha("F010").T(r.CNPJ, 14);
    WriteRegistroF100(r);
    WriteRegistroF120(r);
    WriteRegistroF130(r);
    WriteRegistroF150(r);
    WriteRegistroF200(r);
    if (CaixaECompetencia()) {
        WriteRegistroF500(r);
        WriteRegistroF510(r);
        WriteRegistroF525(r);
        WriteRegistroF550(r);
    }
    WriteRegistroF560(r);
    WriteRegistroF600(r);
    WriteRegistroF700(r);
    WriteRegistroF800(r);
}

void TBloco_F::WriteRegistroF100(const TRegistroF010& pai) {
    // VL_BC and ALIQ carry four decimals through their own mask.
    for (const TRegistroF100& r : pai.RegistroF100) {
        Linha("F100")
            .C(Codigo(r.IND_OPER))
            .T(r.COD_PART)
            .T(r.COD_ITEM)
            .D(r.DT_OPER)
            .N(r.VL_OPER)
            .C(Codigo(r.CST_PIS))
            .NM(r.VL_BC_PIS, "0.0000")
            .NM(r.ALIQ_PIS, "0.0000")
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .NM(r.VL_BC_COFINS, "0.0000")
            .NM(r.ALIQ_COFINS, "0.0000")
            .N(r.VL_COFINS)
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.IND_ORIG_CRED))
            .T(r.COD_CTA)
            .T(r.COD_CCUS)
            .T(r.DESC_DOC_OPER);
        WriteRegistroF111(r);
    }
    RegistroF100Count += pai.RegistroF100.Count();
}

void TBloco_F::WriteRegistroF111(const TRegistroF100& pai) {
    for (const TRegistroF111& r : pai.RegistroF111) Linha("F111").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroF111Count += pai.RegistroF111.Count();
}

void TBloco_F::WriteRegistroF120(const TRegistroF010& pai) {
    for (const TRegistroF120& r : pai.RegistroF120) {
        Linha("F120")
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.IDENT_BEM_IMOB))
            .C(Codigo(r.IND_ORIG_CRED))
            .C(Codigo(r.IND_UTIL_BEM_IMOB))
            .N(r.VL_OPER_DEP)
            .N(r.PARC_OPER_NAO_BC_CRED)
            .C(Codigo(r.CST_PIS))
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA)
            .T(r.COD_CCUS)
            .T(r.DESC_BEM_IMOB);
        WriteRegistroF129(r);
    }
    RegistroF120Count += pai.RegistroF120.Count();
}

void TBloco_F::WriteRegistroF129(const TRegistroF120& pai) {
    for (const TRegistroF129& r : pai.RegistroF129) Linha("F129").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroF129Count += pai.RegistroF129.Count();
}

void TBloco_F::WriteRegistroF130(const TRegistroF010& pai) {
    for (const TRegistroF130& r : pai.RegistroF130) {
        Linha("F130")
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.IDENT_BEM_IMOB))
            .C(Codigo(r.IND_ORIG_CRED))
            .C(Codigo(r.IND_UTIL_BEM_IMOB))
            .T(r.MES_OPER_AQUIS)
            .N(r.VL_OPER_AQUIS)
            .NNulo(r.PARC_OPER_NAO_BC_CRED)
            .N(r.VL_BC_CRED)
            .C(Codigo(r.IND_NR_PARC))
            .C(Codigo(r.CST_PIS))
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA)
            .T(r.COD_CCUS)
            .T(r.DESC_BEM_IMOB);
        WriteRegistroF139(r);
    }
    RegistroF130Count += pai.RegistroF130.Count();
}

void TBloco_F::WriteRegistroF139(const TRegistroF130& pai) {
    for (const TRegistroF139& r : pai.RegistroF139) Linha("F139").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroF139Count += pai.RegistroF139.Count();
}

void TBloco_F::WriteRegistroF150(const TRegistroF010& pai) {
    for (const TRegistroF150& r : pai.RegistroF150) {
        Linha("F150")
            .C(Codigo(r.NAT_BC_CRED))
            .N(r.VL_TOT_EST)
            .N(r.EST_IMP)
            .N(r.VL_BC_EST)
            .N(r.VL_BC_MEN_EST)
            .C(Codigo(r.CST_PIS))
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_CRED_PIS)
            .C(Codigo(r.CST_COFINS))
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_CRED_COFINS)
            .T(r.DESC_EST)
            .T(r.COD_CTA);
    }
    RegistroF150Count += pai.RegistroF150.Count();
}

void TBloco_F::WriteRegistroF200(const TRegistroF010& pai) {
    const bool comF205 = EscreveF205();
    for (const TRegistroF200& r : pai.RegistroF200) {
        Linha("F200")
            .T(r.IND_OPER)
            .T(r.UNID_IMOB)
            .T(r.IDENT_EMP)
            .T(r.DESC_UNID_IMOB)
            .T(r.NUM_CONT)
            .T(r.CPF_CNPJ_ADQU)
            .D(r.DT_OPER)
            .N(r.VL_TOT_VEND)
            .N(r.VL_REC_ACUM)
            .N(r.VL_TOT_REC)
            .C(Codigo(r.CST_PIS))
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .N(r.PERC_REC_RECEB)
            .T(r.IND_NAT_EMP)
            .T(r.INF_COMP);
        if (comF205) WriteRegistroF205(r.RegistroF205);
        WriteRegistroF210(r);
        WriteRegistroF211(r);
    }
    RegistroF200Count += pai.RegistroF200.Count();
}

void TBloco_F::WriteRegistroF205(const TRegistroF205& r) {
    Linha("F205")
        .N(r.VL_CUS_INC_ACUM_ANT)
        .N(r.VL_CUS_INC_PER_ESC)
        .N(r.VL_CUS_INC_ACUM)
        .N(r.VL_EXC_BC_CUS_INC_ACUM)
        .N(r.VL_BC_CUS_INC)
        .C(Codigo(r.CST_PIS))
        .F(r.ALIQ_PIS, 4)
        .N(r.VL_CRED_PIS_ACUM)
        .N(r.VL_CRED_PIS_DESC_ANT)
        .N(r.VL_CRED_PIS_DESC)
        .N(r.VL_CRED_PIS_DESC_FUT)
        .C(Codigo(r.CST_COFINS))
        .F(r.ALIQ_COFINS, 4)
        .N(r.VL_CRED_COFINS_ACUM)
        .N(r.VL_CRED_COFINS_DESC_ANT)
        .N(r.VL_CRED_COFINS_DESC)
        .N(r.VL_CRED_COFINS_DESC_FUT);
    ++RegistroF205Count;
}

void TBloco_F::WriteRegistroF210(const TRegistroF200& pai) {
    for (const TRegistroF210& r : pai.RegistroF210) {
        Linha("F210")
            .N(r.VL_CUS_ORC)
            .N(r.VL_EXC)
            .N(r.VL_CUS_ORC_AJU)
            .N(r.VL_BC_CRED)
            .C(Codigo(r.CST_PIS))
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_CRED_PIS_UTIL)
            .C(Codigo(r.CST_COFINS))
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_CRED_COFINS_UTIL);
    }
    RegistroF210Count += pai.RegistroF210.Count();
}

void TBloco_F::WriteRegistroF211(const TRegistroF200& pai) {
    for (const TRegistroF211& r : pai.RegistroF211) Linha("F211").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroF211Count += pai.RegistroF211.Count();
}

void TBloco_F::WriteRegistroF500(const TRegistroF010& pai) {
    for (const TRegistroF500& r : pai.RegistroF500) {
        Linha("F500")
            .N(r.VL_REC_CAIXA)
            .C(Codigo(r.CST_PIS))
            .N(r.VL_DESC_PIS)
            .F(r.VL_BC_PIS, 2)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .N(r.VL_DESC_COFINS)
            .F(r.VL_BC_COFINS, 2)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_MOD)
            .INulo(r.CFOP, 4)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
        WriteRegistroF509(r);
    }
    RegistroF500Count += pai.RegistroF500.Count();
}

void TBloco_F::WriteRegistroF509(const TRegistroF500& pai) {
    for (const TRegistroF509& r : pai.RegistroF509) Linha("F509").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroF509Count += pai.RegistroF509.Count();
}

void TBloco_F::WriteRegistroF510(const TRegistroF010& pai) {
    for (const TRegistroF510& r : pai.RegistroF510) {
        Linha("F510")
            .N(r.VL_REC_CAIXA)
            .C(Codigo(r.CST_PIS))
            .N(r.VL_DESC_PIS)
            .N(r.QUANT_BC_PIS)
            .N(r.ALIQ_PIS_QUANT)
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .N(r.VL_DESC_COFINS)
            .N(r.QUANT_BC_COFINS)
            .N(r.ALIQ_COFINS_QUANT)
            .N(r.VL_COFINS)
            .T(r.COD_MOD)
            .INulo(r.CFOP, 4)  // like its siblings: no CFOP is an empty field, never 0000
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
        WriteRegistroF519(r);
    }
    RegistroF510Count += pai.RegistroF510.Count();
}

void TBloco_F::WriteRegistroF519(const TRegistroF510& pai) {
    for (const TRegistroF519& r : pai.RegistroF519) Linha("F519").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroF519Count += pai.RegistroF519.Count();
}

void TBloco_F::WriteRegistroF525(const TRegistroF010& pai) {
    for (const TRegistroF525& r : pai.RegistroF525) {
        Linha("F525")
            .N(r.VL_REC)
            .C(Codigo(r.IND_REC))
            .T(r.CNPJ_CPF)
            .T(r.NUM_DOC)
            .T(r.COD_ITEM)
            .N(r.VL_REC_DET)
            .C(Codigo(r.CST_PIS))
            .C(Codigo(r.CST_COFINS))
            .T(r.INFO_COMPL)
            .T(r.COD_CTA);
    }
    RegistroF525Count += pai.RegistroF525.Count();
}

void TBloco_F::WriteRegistroF550(const TRegistroF010& pai) {
    for (const TRegistroF550& r : pai.RegistroF550) {
        Linha("F550")
            .N(r.VL_REC_COMP)
            .C(Codigo(r.CST_PIS))
            .N(r.VL_DESC_PIS)
            .F(r.VL_BC_PIS, 2)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .N(r.VL_DESC_COFINS)
            .F(r.VL_BC_COFINS, 2)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_MOD)
            .INulo(r.CFOP, 4)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
        WriteRegistroF559(r);
    }
    RegistroF550Count += pai.RegistroF550.Count();
}

void TBloco_F::WriteRegistroF559(const TRegistroF550& pai) {
    for (const TRegistroF559& r : pai.RegistroF559) Linha("F559").T(r.NUM_PROC, 20).T(Codigo(r.IND_PROC), 1);
    RegistroF559Count += pai.RegistroF559.Count();
}

void TBloco_F::WriteRegistroF560(const TRegistroF010& pai) {
    for (const TRegistroF560& r : pai.RegistroF560) {
        Linha("F560")
            .N(r.VL_REC_COMP)
            .C(Codigo(r.CST_PIS))
            .N(r.VL_DESC_PIS)
            .F(r.QUANT_BC_PIS, 3)
            .F(r.ALIQ_PIS_QUANT, 4)
            .N(r.VL_PIS)
            .C(Codigo(r.CST_COFINS))
            .N(r.VL_DESC_COFINS)
            .F(r.QUANT_BC_COFINS, 3)
            .F(r.ALIQ_COFINS_QUANT, 4)
            .N(r.VL_COFINS)
            .T(r.COD_MOD)
            .INulo(r.CFOP, 4)
            .T(r.COD_CTA)
            .T(r.INFO_COMPL);
        WriteRegistroF569(r);
    }
    RegistroF560Count += pai.RegistroF560.Count();
}

void TBloco_F::WriteRegistroF569(const TRegistroF560& pai) {
    for (const TRegistroF569& r : pai.RegistroF569) Linha("F569").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroF569Count += pai.RegistroF569.Count();
}

void TBloco_F::WriteRegistroF600(const TRegistroF010& pai) {
    for (const TRegistroF600& r : pai.RegistroF600) {
        Linha("F600")
            .C(Codigo(r.IND_NAT_RET))
            .D(r.DT_RET)
            .F(r.VL_BC_RET, 4)
            .N(r.VL_RET)
            .T(r.COD_REC)
            .C(Codigo(r.IND_NAT_REC))
            .T(r.CNPJ)
            .N(r.VL_RET_PIS)
            .N(r.VL_RET_COFINS)
            .T(r.IND_DEC);
    }
    RegistroF600Count += pai.RegistroF600.Count();
}

void TBloco_F::WriteRegistroF700(const TRegistroF010& pai) {
    for (const TRegistroF700& r : pai.RegistroF700) {
        Linha("F700")
            .C(Codigo(r.IND_ORI_DED))
            .C(Codigo(r.IND_NAT_DED))
            .N(r.VL_DED_PIS)
            .N(r.VL_DED_COFINS)
            .N(r.VL_BC_OPER)
            .T(r.CNPJ)
            .T(r.INF_COMP);
    }
    RegistroF700Count += pai.RegistroF700.Count();
}

void TBloco_F::WriteRegistroF800(const TRegistroF010& pai) {
    for (const TRegistroF800& r : pai.RegistroF800) {
        Linha("F800")
            .T(r.IND_NAT_EVEN)
            .D(r.DT_EVEN)
            .T(r.CNPJ_SUCED)
            .T(r.PA_CONT_CRED)
            .C(Codigo(r.COD_CRED))
            .N(r.VL_CRED_PIS)
            .N(r.VL_CRED_COFINS)
            .N(r.PER_CRED_CIS);
    }
    RegistroF800Count += pai.RegistroF800.Count();
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
