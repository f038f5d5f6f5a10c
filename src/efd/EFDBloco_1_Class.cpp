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

TRegistro1102* TBloco_1::Registro1102New() {
    TRegistro1101* pai = FRegistro1001->Registro1100.Ultimo()->Registro1101.Ultimo();
    if (!pai->Registro1102) pai->Registro1102 = std::make_unique<TRegistro1102>();
    return pai->Registro1102.get();
}

TRegistro1502* TBloco_1::Registro1502New() {
    TRegistro1501* pai = FRegistro1001->Registro1500.Ultimo()->Registro1501.Ultimo();
    if (!pai->Registro1502) pai->Registro1502 = std::make_unique<TRegistro1502>();
    return pai->Registro1502.get();
}

void TBloco_1::WriteRegistro1001() {
    Linha("1001").I(static_cast<int64_t>(FRegistro1001->IND_MOV));
    if (FRegistro1001->IND_MOV != TIndMov::imComDados) return;
    WriteRegistro1010();
    WriteRegistro1020();
    WriteRegistro1050();
    WriteRegistro1100();
    WriteRegistro1200();
    WriteRegistro1300();
    WriteRegistro1500();
    WriteRegistro1600();
    WriteRegistro1700();
    WriteRegistro1800();
    WriteRegistro1900();
}

void TBloco_1::WriteRegistro1010() {
    const TRegistro1010List& lista = FRegistro1001->Registro1010;
    for (const TRegistro1010& r : lista) {
        Linha("1010")
            .T(r.NUM_PROC)
            .T(r.ID_SEC_JUD)
            .T(r.ID_VARA)
            .I(r.IND_NAT_ACAO, 2)
            .T(r.DESC_DEC_JUD)
            .D(r.DT_SENT_JUD);
        WriteRegistro1011(r.Registro1011);
    }
    Registro1010Count += lista.Count();
}

void TBloco_1::WriteRegistro1011(const TRegistro1011List& lista) {
    for (const TRegistro1011& r : lista) {
        Linha("1011")
            .T(r.REG_REF)
            .T(r.CHAVE_DOC)
            .T(r.COD_PART)
            .T(r.COD_ITEM)
            .D(r.DT_OPER)
            .N(r.VL_OPER)
            .I(r.CST_PIS, 2)
            .V(r.VL_BC_PIS, 4)
            .V(r.ALIQ_PIS, 4)
            .V(r.VL_PIS, 2)
            .I(r.CST_COFINS, 2)
            .V(r.VL_BC_COFINS, 4)
            .V(r.ALIQ_COFINS, 4)
            .V(r.VL_COFINS, 2)
            .I(r.CST_PIS_SUSP, 2)
            .V(r.VL_BC_PIS_SUSP, 4)
            .V(r.ALIQ_PIS_SUSP, 4)
            .V(r.VL_PIS_SUSP, 2)
            .I(r.CST_COFINS_SUSP, 2)
            .V(r.VL_BC_COFINS_SUSP, 4)
            .V(r.ALIQ_COFINS_SUSP, 4)
            .V(r.VL_COFINS_SUSP, 2)
            .T(r.COD_CTA)
            .T(r.COD_CCUS)
            .T(r.DESC_DOC_OPER);
    }
    Registro1011Count += lista.Count();
}

void TBloco_1::WriteRegistro1020() {
    const TRegistro1020List& lista = FRegistro1001->Registro1020;
    for (const TRegistro1020& r : lista)
        Linha("1020").T(r.NUM_PROC).I(r.IND_NAT_ACAO, 2).D(r.DT_DEC_ADM);
    Registro1020Count += lista.Count();
}

void TBloco_1::WriteRegistro1050() {
    const TRegistro1050List& lista = FRegistro1001->Registro1050;
    for (const TRegistro1050& r : lista) {
        Linha("1050")
            .D(r.DT_REF)
            .T(r.IND_AJ_BC)
            .T(r.CNPJ)
            .N(r.VL_AJ_TOT)
            .N(r.VL_AJ_CST01)
            .N(r.VL_AJ_CST02)
            .N(r.VL_AJ_CST03)
            .N(r.VL_AJ_CST04)
            .N(r.VL_AJ_CST05)
            .N(r.VL_AJ_CST06)
            .N(r.VL_AJ_CST07)
            .N(r.VL_AJ_CST08)
            .N(r.VL_AJ_CST09)
            .N(r.VL_AJ_CST49)
            .N(r.VL_AJ_CST99)
            .T(r.IND_APROP)
            .T(r.NUM_REC)
            .T(r.INFO_COMPL);
    }
    Registro1050Count += lista.Count();
}

// 1100 and 1500 share their layout: the credit control of PIS, then of COFINS.
template <class R>
static void CamposControleCredito(TLinha& l, const R& r) {
    l.T(r.PER_APU_CRED)
        .T(r.ORIG_CRED)
        .T(r.CNPJ_SUC)
        .T(r.COD_CRED)
        .N(r.VL_CRED_APU)
        .N(r.VL_CRED_EXT_APU)
        .N(r.VL_TOT_CRED_APU)
        .N(r.VL_CRED_DESC_PA_ANT)
        .N(r.VL_CRED_PER_PA_ANT)
        .N(r.VL_CRED_DCOMP_PA_ANT)
        .N(r.SD_CRED_DISP_EFD)
        .N(r.VL_CRED_DESC_EFD)
        .N(r.VL_CRED_PER_EFD)
        .N(r.VL_CRED_DCOMP_EFD)
        .N(r.VL_CRED_TRANS)
        .N(r.VL_CRED_OUT)
        .N(r.SLD_CRED_FIM);
}

void TBloco_1::WriteRegistro1100() {
    const TRegistro1100List& lista = FRegistro1001->Registro1100;
    for (const TRegistro1100& r : lista) {
        {
            TLinha l = Linha("1100");
            CamposControleCredito(l, r);
        }
        WriteRegistro1101(r.Registro1101);
    }
    Registro1100Count += lista.Count();
}

void TBloco_1::WriteRegistro1101(const TRegistro1101List& lista) {
    for (const TRegistro1101& r : lista) {
        Linha("1101")
            .T(r.COD_PART)
            .T(r.COD_ITEM)
            .T(r.COD_MOD)
            .T(r.SER)
            .T(r.SUB_SER)
            .T(r.NUM_DOC)
            .D(r.DT_OPER)
            .T(r.CHV_NFE)
            .N(r.VL_OPER)
            .T(r.CFOP)
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.IND_ORIG_CRED))
            .C(CstPisCode(r.CST_PIS))
            .F(r.VL_BC_PIS, 3)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .T(r.COD_CTA)
            .T(r.COD_CCUS)
            .T(r.DESC_COMPL)
            .T(r.PER_ESCRIT)
            .T(r.CNPJ);
        WriteRegistro1102(r.Registro1102.get());
    }
    Registro1101Count += lista.Count();
}

void TBloco_1::WriteRegistro1102(const TRegistro1102* r) {
    if (!r) return;
    Linha("1102").N(r->VL_CRED_PIS_TRIB_MI).N(r->VL_CRED_PIS_NT_MI).N(r->VL_CRED_PIS_EXP);
    Registro1102Count += 1;
}

void TBloco_1::WriteRegistro1200() {
    const TRegistro1200List& lista = FRegistro1001->Registro1200;
    for (const TRegistro1200& r : lista) {
        Linha("1200")
            .T(r.PER_APUR_ANT)
            .T(r.NAT_CONT_REC)
            .N(r.VL_CONT_APUR)
            .N(r.VL_CRED_PIS_DESC)
            .N(r.VL_CONT_DEV)
            .N(r.VL_OUT_DED)
            .N(r.VL_CONT_EXT)
            .N(r.VL_MUL)
            .N(r.VL_JUR)
            .D(r.DT_RECOL);
        WriteRegistro1210(r.Registro1210);
        WriteRegistro1220(r.Registro1220);
    }
    Registro1200Count += lista.Count();
}

void TBloco_1::WriteRegistro1210(const TRegistro1210List& lista) {
    for (const TRegistro1210& r : lista) {
        Linha("1210")
            .T(r.CNPJ)
            .C(CstPisCode(r.CST_PIS))
            .T(r.COD_PART)
            .D(r.DT_OPER)
            .N(r.VL_OPER)
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .T(r.COD_CTA)
            .T(r.DESC_COMPL);
    }
    Registro1210Count += lista.Count();
}

void TBloco_1::WriteRegistro1220(const TRegistro1220List& lista) {
    for (const TRegistro1220& r : lista)
        Linha("1220").T(r.PER_APU_CRED).T(r.ORIG_CRED).T(r.COD_CRED).N(r.VL_CRED);
    Registro1220Count += lista.Count();
}

// 1300 and 1700 share their layout: the withholdings of PIS, then of COFINS.
template <class R>
static void CamposRetencao(TLinha& l, const R& r) {
    l.T(r.IND_NAT_RET).T(r.PR_REC_RET).N(r.VL_RET_APU).N(r.VL_RET_DED).N(r.VL_RET_PER).N(r.VL_RET_DCOMP).N(r.SLD_RET);
}

void TBloco_1::WriteRegistro1300() {
    const TRegistro1300List& lista = FRegistro1001->Registro1300;
    for (const TRegistro1300& r : lista) {
        TLinha l = Linha("1300");
        CamposRetencao(l, r);
    }
    Registro1300Count += lista.Count();
}

void TBloco_1::WriteRegistro1500() {
    const TRegistro1500List& lista = FRegistro1001->Registro1500;
    for (const TRegistro1500& r : lista) {
        {
            TLinha l = Linha("1500");
            CamposControleCredito(l, r);
        }
        WriteRegistro1501(r.Registro1501);
    }
    Registro1500Count += lista.Count();
}

void TBloco_1::WriteRegistro1501(const TRegistro1501List& lista) {
    for (const TRegistro1501& r : lista) {
        Linha("1501")
            .T(r.COD_PART)
            .T(r.COD_ITEM)
            .T(r.COD_MOD)
            .T(r.SER)
            .T(r.SUB_SER)
            .T(r.NUM_DOC)
            .D(r.DT_OPER)
            .T(r.CHV_NFE)
            .N(r.VL_OPER)
            .T(r.CFOP)
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.IND_ORIG_CRED))
            .C(CstCofinsCode(r.CST_COFINS))
            .F(r.VL_BC_COFINS, 3)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA)
            .T(r.COD_CCUS)
            .T(r.DESC_COMPL)
            .T(r.PER_ESCRIT)
            .T(r.CNPJ);
        WriteRegistro1502(r.Registro1502.get());
    }
    Registro1501Count += lista.Count();
}

void TBloco_1::WriteRegistro1502(const TRegistro1502* r) {
    if (!r) return;
    Linha("1502").N(r->VL_CRED_COFINS_TRIB_MI).N(r->VL_CRED_COFINS_NT_MI).N(r->VL_CRED_COFINS_EXP);
    Registro1502Count += 1;
}

void TBloco_1::WriteRegistro1600() {
    const TRegistro1600List& lista = FRegistro1001->Registro1600;
    for (const TRegistro1600& r : lista) {
        Linha("1600")
            .T(r.PER_APUR_ANT)
            .T(r.NAT_CONT_REC)
            .N(r.VL_CONT_APUR)
            .N(r.VL_CRED_COFINS_DESC)
            .N(r.VL_CONT_DEV)
            .N(r.VL_OUT_DED)
            .N(r.VL_CONT_EXT)
            .N(r.VL_MUL)
            .N(r.VL_JUR)
            .D(r.DT_RECOL);
        WriteRegistro1610(r.Registro1610);
        WriteRegistro1620(r.Registro1620);
    }
    Registro1600Count += lista.Count();
}

void TBloco_1::WriteRegistro1610(const TRegistro1610List& lista) {
    for (const TRegistro1610& r : lista) {
        Linha("1610")
            .T(r.CNPJ)
            .C(CstCofinsCode(r.CST_COFINS))
            .T(r.COD_PART)
            .D(r.DT_OPER)
            .N(r.VL_OPER)
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA)
            .T(r.DESC_COMPL);
    }
    Registro1610Count += lista.Count();
}

void TBloco_1::WriteRegistro1620(const TRegistro1620List& lista) {
    for (const TRegistro1620& r : lista)
        Linha("1620").T(r.PER_APU_CRED).T(r.ORIG_CRED).T(r.COD_CRED).N(r.VL_CRED);
    Registro1620Count += lista.Count();
}

void TBloco_1::WriteRegistro1700() {
    const TRegistro1700List& lista = FRegistro1001->Registro1700;
    for (const TRegistro1700& r : lista) {
        TLinha l = Linha("1700");
        CamposRetencao(l, r);
    }
    Registro1700Count += lista.Count();
}

void TBloco_1::WriteRegistro1800() {
    const TRegistro1800List& lista = FRegistro1001->Registro1800;
    for (const TRegistro1800& r : lista) {
        Linha("1800")
            .T(r.INC_IMOB)
            .N(r.REC_RECEB_RET)
            .N(r.REC_FIN_RET)
            .N(r.BC_RET)
            .F(r.ALIQ_RET, 2)
            .N(r.VL_REC_UNI)
            .D(r.DT_REC_UNI)
            .T(r.COD_REC);
        WriteRegistro1809(r.Registro1809);
    }
    Registro1800Count += lista.Count();
}

void TBloco_1::WriteRegistro1809(const TRegistro1809List& lista) {
    for (const TRegistro1809& r : lista)
        Linha("1809").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    Registro1809Count += lista.Count();
}

void TBloco_1::WriteRegistro1900() {
    const TRegistro1900List& lista = FRegistro1001->Registro1900;
    for (const TRegistro1900& r : lista) {
        Linha("1900")
            .T(r.CNPJ)
            .T(r.COD_MOD)
            .T(r.SER)
            .T(r.SUB_SER)
            .C(Codigo(r.COD_SIT))
            .N(r.VL_TOT_REC)
            .I(r.QUANT_DOC)
            .C(CstPisCode(r.CST_PIS))
            .C(CstCofinsCode(r.CST_COFINS))
            .T(r.CFOP)
            .T(r.INF_COMPL)
            .T(r.COD_CTA);
    }
    Registro1900Count += lista.Count();
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
