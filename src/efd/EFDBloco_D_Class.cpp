#include "efd/EFDBloco_D_Class.h"

#include "efd/EFDBloco_0_Class.h"
#include "util/Validador.h"

namespace efd {
namespace {

const util::Data k1Jul2012 = util::Data::FromYMD(2012, 7, 1);

// Models each register accepts.
constexpr std::string_view kModelosD100 = "07 08 8B 09 10 11 26 27 57";
constexpr std::string_view kModelosD200 = "07 08 8B 09 10 11 26 27 57";
constexpr std::string_view kModelosD300 = "13 14 15 16 18";
constexpr std::string_view kModelosD350 = "2E 13 14 15 16";
constexpr std::string_view kModelosD500 = "21 22";
constexpr std::string_view kModelosD600 = "21 22";

bool DocumentoCancelado(TCodSit v) {
    return v == TCodSit::sdfCancelado || v == TCodSit::sdfExtCancelado || v == TCodSit::sdfDenegado ||
           v == TCodSit::sdfInutilizado;
}

// Before July 2012 the layout numbered the freight modes differently and had no
// code for own-vehicle freight.
std::string_view IndFrtD100(TIndFrt v, util::Data inicio) {
    if (!(inicio < k1Jul2012)) return Codigo(v);
    switch (v) {
        case TIndFrt::tfPorContaTerceiros: return "0";
        case TIndFrt::tfPorContaEmitente: return "1";
        case TIndFrt::tfPorContaDestinatario: return "2";
        case TIndFrt::tfSemCobrancaFrete: return "9";
        default: return {};
    }
}

// D200 consolidates documents that took place: no cancelled, denied or
// discarded situation has a code there.
std::string_view CodSitD200(TCodSit v) {
    switch (v) {
        case TCodSit::sdfRegular: return "00";
        case TCodSit::sdfExtRegular: return "01";
        case TCodSit::sdfComplementar: return "06";
        case TCodSit::sdfExtComplementar: return "07";
        case TCodSit::sdfEspecial: return "08";
        default: return {};
    }
}

// D500 has no denied or discarded situation.
std::string_view CodSitD500(TCodSit v) {
    switch (v) {
        case TCodSit::sdfDenegado:
        case TCodSit::sdfInutilizado: return {};
        default: return Codigo(v);
    }
}

}  // namespace

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

TRegistroD010& TBloco_D::UltimoD010() const { return *FRegistroD001->RegistroD010.Ultimo(); }

TRegistroD010* TBloco_D::RegistroD010New() { return FRegistroD001->RegistroD010.New(); }
TRegistroD100* TBloco_D::RegistroD100New() { return UltimoD010().RegistroD100.New(); }
TRegistroD101* TBloco_D::RegistroD101New() { return UltimoD010().RegistroD100.Ultimo()->RegistroD101.New(); }
TRegistroD105* TBloco_D::RegistroD105New() { return UltimoD010().RegistroD100.Ultimo()->RegistroD105.New(); }
TRegistroD111* TBloco_D::RegistroD111New() { return UltimoD010().RegistroD100.Ultimo()->RegistroD111.New(); }
TRegistroD200* TBloco_D::RegistroD200New() { return UltimoD010().RegistroD200.New(); }
TRegistroD201* TBloco_D::RegistroD201New() { return UltimoD010().RegistroD200.Ultimo()->RegistroD201.New(); }
TRegistroD205* TBloco_D::RegistroD205New() { return UltimoD010().RegistroD200.Ultimo()->RegistroD205.New(); }
TRegistroD209* TBloco_D::RegistroD209New() { return UltimoD010().RegistroD200.Ultimo()->RegistroD209.New(); }
TRegistroD300* TBloco_D::RegistroD300New() { return UltimoD010().RegistroD300.New(); }
TRegistroD309* TBloco_D::RegistroD309New() { return UltimoD010().RegistroD300.Ultimo()->RegistroD309.New(); }
TRegistroD350* TBloco_D::RegistroD350New() { return UltimoD010().RegistroD350.New(); }
TRegistroD359* TBloco_D::RegistroD359New() { return UltimoD010().RegistroD350.Ultimo()->RegistroD359.New(); }
TRegistroD500* TBloco_D::RegistroD500New() { return UltimoD010().RegistroD500.New(); }
TRegistroD501* TBloco_D::RegistroD501New() { return UltimoD010().RegistroD500.Ultimo()->RegistroD501.New(); }
TRegistroD505* TBloco_D::RegistroD505New() { return UltimoD010().RegistroD500.Ultimo()->RegistroD505.New(); }
TRegistroD509* TBloco_D::RegistroD509New() { return UltimoD010().RegistroD500.Ultimo()->RegistroD509.New(); }
TRegistroD600* TBloco_D::RegistroD600New() { return UltimoD010().RegistroD600.New(); }
TRegistroD601* TBloco_D::RegistroD601New() { return UltimoD010().RegistroD600.Ultimo()->RegistroD601.New(); }
TRegistroD605* TBloco_D::RegistroD605New() { return UltimoD010().RegistroD600.Ultimo()->RegistroD605.New(); }
TRegistroD609* TBloco_D::RegistroD609New() { return UltimoD010().RegistroD600.Ultimo()->RegistroD609.New(); }

util::Data TBloco_D::InicioPeriodo() const { return Bloco_0 ? Bloco_0->DT_INI() : DT_INI(); }

void TBloco_D::CheckModelo(const std::string& codMod, std::string_view modelos, std::string_view mensagem) const {
    // The model only has to occur somewhere in the list, so "7" passes as part of
    // "07"; an empty model never does.
    Check(!codMod.empty() && modelos.find(codMod) != std::string_view::npos, mensagem, {codMod});
}

void TBloco_D::WriteRegistroD001() {
    // Block D is written whole, in one call: nothing is kept for a later one.
    Linha("D001").I(static_cast<int64_t>(FRegistroD001->IND_MOV));
    if (FRegistroD001->IND_MOV != TIndMov::imComDados) return;
    for (const TRegistroD010& r : FRegistroD001->RegistroD010) WriteRegistroD010(r);
    RegistroD010Count += FRegistroD001->RegistroD010.Count();
}

void TBloco_D::WriteRegistroD010(const TRegistroD010& reg) {
    Check(util::CNPJValido(reg.CNPJ), "(D-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", {reg.CNPJ});
    Linha("D010").T(reg.CNPJ, 14);
    WriteRegistroD100(reg);
    WriteRegistroD200(reg);
    WriteRegistroD300(reg);
    WriteRegistroD350(reg);
    WriteRegistroD500(reg);
    WriteRegistroD600(reg);
}

template <class T>
void TBloco_D::WriteProcessos(std::string_view reg, const TRegistroList<T>& lista, int& contador) {
    for (const T& r : lista) Linha(reg).T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    contador += lista.Count();
}

void TBloco_D::WriteRegistroD100(const TRegistroD010& reg) {
    const util::Data inicio = InicioPeriodo();
    for (const TRegistroD100& r : reg.RegistroD100) {
        CheckModelo(r.COD_MOD, kModelosD100, "(D-100) O Modelo do Documento \"%s\" é inválido!");
        // A cancelled document keeps every field; a zero amount is left empty.
        const bool cancelado = DocumentoCancelado(r.COD_SIT);
        Linha("D100")
            .T(r.IND_OPER)
            .C(Codigo(r.IND_EMIT))
            .T(r.COD_PART)
            .T(r.COD_MOD)
            .C(Codigo(r.COD_SIT))
            .T(r.SER)
            .T(r.SUB)
            .T(r.NUM_DOC)
            .T(r.CHV_CTE)
            .D(r.DT_DOC)
            .D(r.DT_A_P)
            .T(r.TP_CT_e)
            .T(r.CHV_CTE_REF)
            .N(r.VL_DOC, cancelado)
            .N(r.VL_DESC, cancelado)
            .C(IndFrtD100(r.IND_FRT, inicio))
            .N(r.VL_SERV, cancelado)
            .N(r.VL_BC_ICMS, cancelado)
            .N(r.VL_ICMS, cancelado)
            .N(r.VL_NT, cancelado)
            .T(r.COD_INF)
            .T(r.COD_CTA);
        WriteRegistroD101(r);
        WriteRegistroD105(r);
        WriteProcessos("D111", r.RegistroD111, RegistroD111Count);
    }
    RegistroD100Count += reg.RegistroD100.Count();
}

void TBloco_D::WriteRegistroD101(const TRegistroD100& reg) {
    for (const TRegistroD101& r : reg.RegistroD101)
        Linha("D101")
            .C(Codigo(r.IND_NAT_FRT))
            .N(r.VL_ITEM)
            .C(CstPisCode(r.CST_PIS))
            .C(Codigo(r.NAT_BC_CRED))
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .T(r.COD_CTA);
    RegistroD101Count += reg.RegistroD101.Count();
}

void TBloco_D::WriteRegistroD105(const TRegistroD100& reg) {
    for (const TRegistroD105& r : reg.RegistroD105)
        Linha("D105")
            .C(Codigo(r.IND_NAT_FRT))
            .N(r.VL_ITEM)
            .C(CstCofinsCode(r.CST_COFINS))
            .C(Codigo(r.NAT_BC_CRED))
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA);
    RegistroD105Count += reg.RegistroD105.Count();
}

void TBloco_D::WriteRegistroD200(const TRegistroD010& reg) {
    for (const TRegistroD200& r : reg.RegistroD200) {
        CheckModelo(r.COD_MOD, kModelosD200, "(D-200) O Modelo do Documento \"%s\" é inválido!");
        Linha("D200")
            .T(r.COD_MOD)
            .C(CodSitD200(r.COD_SIT))
            .T(r.SER)
            .T(r.SUB)
            .I(r.NUM_DOC_INI, 9)
            .I(r.NUM_DOC_FIN, 9)
            .I(r.CFOP, 4)
            .D(r.DT_REF)
            .N(r.VL_DOC)
            .N(r.VL_DESC);
        WriteRegistroD201(r);
        WriteRegistroD205(r);
        WriteProcessos("D209", r.RegistroD209, RegistroD209Count);
    }
    RegistroD200Count += reg.RegistroD200.Count();
}

void TBloco_D::WriteRegistroD201(const TRegistroD200& reg) {
    for (const TRegistroD201& r : reg.RegistroD201)
        Linha("D201")
            .C(CstPisCode(r.CST_PIS))
            .N(r.VL_ITEM)
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .T(r.COD_CTA);
    RegistroD201Count += reg.RegistroD201.Count();
}

void TBloco_D::WriteRegistroD205(const TRegistroD200& reg) {
    for (const TRegistroD205& r : reg.RegistroD205)
        Linha("D205")
            .C(CstCofinsCode(r.CST_COFINS))
            .N(r.VL_ITEM)
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA);
    RegistroD205Count += reg.RegistroD205.Count();
}

void TBloco_D::WriteRegistroD300(const TRegistroD010& reg) {
    for (const TRegistroD300& r : reg.RegistroD300) {
        CheckModelo(r.COD_MOD, kModelosD300, "(D-300) O Modelo do Documento \"%s\" é inválido!");
        Linha("D300")
            .T(r.COD_MOD)
            .T(r.SER)
            .I(r.SUB, 3)
            .I(r.NUM_DOC_INI, 6)
            .I(r.NUM_DOC_FIN, 6)
            .I(r.CFOP, 4)
            .D(r.DT_REF)
            .N(r.VL_DOC)
            .N(r.VL_DESC)
            .C(CstPisCode(r.CST_PIS))
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .C(CstCofinsCode(r.CST_COFINS))
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA);
        WriteProcessos("D309", r.RegistroD309, RegistroD309Count);
    }
    RegistroD300Count += reg.RegistroD300.Count();
}

void TBloco_D::WriteRegistroD350(const TRegistroD010& reg) {
    for (const TRegistroD350& r : reg.RegistroD350) {
        CheckModelo(r.COD_MOD, kModelosD350, "(D-350) O Modelo do Documento \"%s\" é inválido!");
        Linha("D350")
            .T(r.COD_MOD)
            .T(r.ECF_MOD)
            .T(r.ECF_FAB)
            .D(r.DT_DOC)
            .I(r.CRO, 3)
            .I(r.CRZ, 6)
            .I(r.NUM_COO_FIN, 6)
            .F(r.GT_FIN, 2)
            .F(r.VL_BRT, 2)
            .C(CstPisCode(r.CST_PIS))
            .VN(r.VL_BC_PIS)
            .V(r.ALIQ_PIS, 4)
            .VN(r.QUANT_BC_PIS)
            .V(r.ALIQ_PIS_QUANT, 4)
            .VN(r.VL_PIS)
            .C(CstCofinsCode(r.CST_COFINS))
            .VN(r.VL_BC_COFINS)
            .V(r.ALIQ_COFINS, 4)
            .VN(r.QUANT_BC_COFINS)
            .V(r.ALIQ_COFINS_QUANT, 4)
            .VN(r.VL_COFINS)
            .T(r.COD_CTA);
        WriteProcessos("D359", r.RegistroD359, RegistroD359Count);
    }
    RegistroD350Count += reg.RegistroD350.Count();
}

void TBloco_D::WriteRegistroD500(const TRegistroD010& reg) {
    for (const TRegistroD500& r : reg.RegistroD500) {
        CheckModelo(r.COD_MOD, kModelosD500, "(D-500) O Modelo do Documento \"%s\" é inválido!");
        // No cancellation rule here: every amount is written as it stands.
        Linha("D500")
            .C(Codigo(r.IND_OPER))
            .C(Codigo(r.IND_EMIT))
            .T(r.COD_PART)
            .T(r.COD_MOD)
            .C(CodSitD500(r.COD_SIT))
            .T(r.SER)
            .I(r.SUB, 3)
            .I(r.NUM_DOC, 9)
            .D(r.DT_DOC)
            .D(r.DT_A_P)
            .N(r.VL_DOC)
            .N(r.VL_DESC)
            .N(r.VL_SERV)
            .N(r.VL_SERV_NT)
            .N(r.VL_TERC)
            .N(r.VL_DA)
            .N(r.VL_BC_ICMS)
            .N(r.VL_ICMS)
            .T(r.COD_INF)
            .N(r.VL_PIS)
            .N(r.VL_COFINS);
        WriteRegistroD501(r);
        WriteRegistroD505(r);
        WriteProcessos("D509", r.RegistroD509, RegistroD509Count);
    }
    RegistroD500Count += reg.RegistroD500.Count();
}

void TBloco_D::WriteRegistroD501(const TRegistroD500& reg) {
    for (const TRegistroD501& r : reg.RegistroD501)
        Linha("D501")
            .C(CstPisCode(r.CST_PIS))
            .N(r.VL_ITEM)
            .C(Codigo(r.NAT_BC_CRED))
            .N(r.VL_BC_PIS)
            .F(r.ALIQ_PIS, 4)
            .N(r.VL_PIS)
            .T(r.COD_CTA);
    RegistroD501Count += reg.RegistroD501.Count();
}

void TBloco_D::WriteRegistroD505(const TRegistroD500& reg) {
    for (const TRegistroD505& r : reg.RegistroD505)
        Linha("D505")
            .C(CstCofinsCode(r.CST_COFINS))
            .N(r.VL_ITEM)
            .C(Codigo(r.NAT_BC_CRED))
            .N(r.VL_BC_COFINS)
            .F(r.ALIQ_COFINS, 4)
            .N(r.VL_COFINS)
            .T(r.COD_CTA);
    RegistroD505Count += reg.RegistroD505.Count();
}

void TBloco_D::WriteRegistroD600(const TRegistroD010& reg) {
    for (const TRegistroD600& r : reg.RegistroD600) {
        CheckModelo(r.COD_MOD, kModelosD600, "(D-600) O Modelo do Documento \"%s\" é inválido!");
        Linha("D600")
            .T(r.COD_MOD)
            .I(r.COD_MUN, 7)
            .T(r.SER)
            .I(r.SUB, 3)
            .C(Codigo(r.IND_REC))
            .I(r.QTD_CONS, 10)
            .D(r.DT_DOC_INI)
            .D(r.DT_DOC_FIN)
            .N(r.VL_DOC)
            .N(r.VL_DESC)
            .N(r.VL_SERV)
            .N(r.VL_SERV_NT)
            .N(r.VL_TERC)
            .N(r.VL_DA)
            .N(r.VL_BC_ICMS)
            .N(r.VL_ICMS)
            .N(r.VL_PIS)
            .N(r.VL_COFINS);
        WriteRegistroD601(r);
        WriteRegistroD605(r);
        WriteProcessos("D609", r.RegistroD609, RegistroD609Count);
    }
    RegistroD600Count += reg.RegistroD600.Count();
}

void TBloco_D::WriteRegistroD601(const TRegistroD600& reg) {
    for (const TRegistroD601& r : reg.RegistroD601)
        Linha("D601")
            .I(r.COD_CLASS, 4)
            .VN(r.VL_ITEM)
            .VN(r.VL_DESC)
            .C(CstPisCode(r.CST_PIS))
            .VN(r.VL_BC_PIS)
            .V(r.ALIQ_PIS, 4)
            .NV(r.VL_PIS)
            .T(r.COD_CTA);
    RegistroD601Count += reg.RegistroD601.Count();
}

void TBloco_D::WriteRegistroD605(const TRegistroD600& reg) {
    for (const TRegistroD605& r : reg.RegistroD605)
        Linha("D605")
            .I(r.COD_CLASS, 4)
            .VN(r.VL_ITEM)
            .VN(r.VL_DESC)
            .C(CstCofinsCode(r.CST_COFINS))
            .VN(r.VL_BC_COFINS)
            .V(r.ALIQ_COFINS, 4)
            .VN(r.VL_COFINS)
            .T(r.COD_CTA);
    RegistroD605Count += reg.RegistroD605.Count();
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
