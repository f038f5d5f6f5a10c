#include "efd/EFDBloco_C_Class.h"

#include "efd/EFDBloco_0_Class.h"
#include "util/Validador.h"

namespace efd {
namespace {

// From this date "no payment" is written "2" in C100 (before it, "9").
const util::Data k1Jul2012 = util::Data::FromYMD(2012, 7, 1);
// SAT registers (C860 and below) exist from this date on.
const util::Data k1Mai2015 = util::Data::FromYMD(2015, 5, 1);

// Writes every record of a list through `escreve`, then counts its lines.
template <class R, class W>
void Escreve(TBloco_C& bloco, TRegistroList<R>& lista, int& contador, W escreve) {
    for (R& r : lista) (bloco.*escreve)(r);
    contador += lista.Count();
}

// The same for the lists freed once written (the documents under C010): a later call
// writes only what was added since.
template <class R, class W>
void EscreveEEsvazia(TBloco_C& bloco, TRegistroList<R>& lista, int& contador, W escreve) {
    contador += lista.Count();
    lista.EsvaziaComCada([&](R& r) { (bloco.*escreve)(r); });
}

// A field whose null flag is decided per record.
TLinha& N(TLinha& l, util::Currency v, bool nulo) { return nulo ? l.NNulo(v) : l.N(v); }
TLinha& F(TLinha& l, double v, int decimais, bool nulo) { return nulo ? l.FNulo(v, decimais) : l.F(v, decimais); }

// The null flags a "before" handler of C481, C485, C491 or C495 leaves.
struct NulosDoItem {
    bool bc = false, aliq = false, quant = false, aliqQuant = false, valor = false;
};

// The five value fields of the printer items (base, rate, quantity, rate per unit,
// amount). With a handler they are read as numbers and its flags decide which zeros
// are empty; without one they are optional numbers.
TLinha& ValoresDoItem(TLinha& l, const NulosDoItem* nulos, const Variante& bc, const Variante& aliq,
                      const Variante& quant, const Variante& aliqQuant, const Variante& valor) {
    if (!nulos) return l.V(bc, 2).V(aliq, 4).V(quant, 3).V(aliqQuant, 4).V(valor, 2);
    F(l, bc.value_or(0), 2, nulos->bc);
    F(l, aliq.value_or(0), 4, nulos->aliq);
    F(l, quant.value_or(0), 3, nulos->quant);
    F(l, aliqQuant.value_or(0), 4, nulos->aliqQuant);
    return nulos->valor ? l.NNulo(valor.value_or(0)) : l.N(valor.value_or(0));
}

bool FamiliaCancelada(TCodSit s) {
    return s == TCodSit::sdfCancelado || s == TCodSit::sdfExtCancelado || s == TCodSit::sdfDenegado ||
           s == TCodSit::sdfInutilizado;
}

// An integer count written as an amount (two decimals).
util::Currency ComoValor(int32_t v) { return util::Currency::FromRaw(int64_t{v} * 10000); }

}  // namespace

TBloco_C::TBloco_C() { TBloco_C::CreateRegisters(); }

TBloco_C::~TBloco_C() { TBloco_C::ReleaseRegisters(); }

void TBloco_C::CreateRegisters() {
    FRegistroC001 = std::make_unique<TRegistroC001>();
    FRegistroC990 = std::make_unique<TRegistroC990>();
    FContadorLinhas = &FRegistroC990->QTD_LIN_C;
    RegistroC010Count = 0;
    RegistroC100Count = 0;
    RegistroC110Count = 0;
    RegistroC111Count = 0;
    RegistroC120Count = 0;
    RegistroC170Count = 0;
    RegistroC175Count = 0;
    RegistroC180Count = 0;
    RegistroC181Count = 0;
    RegistroC185Count = 0;
    RegistroC188Count = 0;
    RegistroC190Count = 0;
    RegistroC191Count = 0;
    RegistroC195Count = 0;
    RegistroC198Count = 0;
    RegistroC199Count = 0;
    RegistroC380Count = 0;
    RegistroC381Count = 0;
    RegistroC385Count = 0;
    RegistroC395Count = 0;
    RegistroC396Count = 0;
    RegistroC400Count = 0;
    RegistroC405Count = 0;
    RegistroC481Count = 0;
    RegistroC485Count = 0;
    RegistroC489Count = 0;
    RegistroC490Count = 0;
    RegistroC491Count = 0;
    RegistroC495Count = 0;
    RegistroC499Count = 0;
    RegistroC500Count = 0;
    RegistroC501Count = 0;
    RegistroC505Count = 0;
    RegistroC509Count = 0;
    RegistroC600Count = 0;
    RegistroC601Count = 0;
    RegistroC605Count = 0;
    RegistroC609Count = 0;
    RegistroC800Count = 0;
    RegistroC810Count = 0;
    RegistroC820Count = 0;
    RegistroC830Count = 0;
    RegistroC860Count = 0;
    RegistroC870Count = 0;
    RegistroC880Count = 0;
    RegistroC890Count = 0;
}

void TBloco_C::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroC001.reset();
    FRegistroC990.reset();
}

// ---------------------------------------------------------------------------
// Record creation.

TRegistroC010* TBloco_C::RegistroC010New() { return FRegistroC001->RegistroC010.New(); }

TRegistroC100* TBloco_C::RegistroC100New() { return UltimoC010().RegistroC100.New(); }
TRegistroC110* TBloco_C::RegistroC110New() { return UltimoC010().RegistroC100.Ultimo()->RegistroC110.New(); }
TRegistroC111* TBloco_C::RegistroC111New() { return UltimoC010().RegistroC100.Ultimo()->RegistroC111.New(); }
TRegistroC120* TBloco_C::RegistroC120New() { return UltimoC010().RegistroC100.Ultimo()->RegistroC120.New(); }
TRegistroC170* TBloco_C::RegistroC170New() { return UltimoC010().RegistroC100.Ultimo()->RegistroC170.New(); }
TRegistroC175* TBloco_C::RegistroC175New() { return UltimoC010().RegistroC100.Ultimo()->RegistroC175.New(); }

TRegistroC180* TBloco_C::RegistroC180New() { return UltimoC010().RegistroC180.New(); }
TRegistroC181* TBloco_C::RegistroC181New() { return UltimoC010().RegistroC180.Ultimo()->RegistroC181.New(); }
TRegistroC185* TBloco_C::RegistroC185New() { return UltimoC010().RegistroC180.Ultimo()->RegistroC185.New(); }
TRegistroC188* TBloco_C::RegistroC188New() { return UltimoC010().RegistroC180.Ultimo()->RegistroC188.New(); }

TRegistroC190* TBloco_C::RegistroC190New() { return UltimoC010().RegistroC190.New(); }
TRegistroC191* TBloco_C::RegistroC191New() { return UltimoC010().RegistroC190.Ultimo()->RegistroC191.New(); }
TRegistroC195* TBloco_C::RegistroC195New() { return UltimoC010().RegistroC190.Ultimo()->RegistroC195.New(); }
TRegistroC198* TBloco_C::RegistroC198New() { return UltimoC010().RegistroC190.Ultimo()->RegistroC198.New(); }
TRegistroC199* TBloco_C::RegistroC199New() { return UltimoC010().RegistroC190.Ultimo()->RegistroC199.New(); }

TRegistroC380* TBloco_C::RegistroC380New() { return UltimoC010().RegistroC380.New(); }
TRegistroC381* TBloco_C::RegistroC381New() { return UltimoC010().RegistroC380.Ultimo()->RegistroC381.New(); }
TRegistroC385* TBloco_C::RegistroC385New() { return UltimoC010().RegistroC380.Ultimo()->RegistroC385.New(); }

TRegistroC395* TBloco_C::RegistroC395New() { return UltimoC010().RegistroC395.New(); }
TRegistroC396* TBloco_C::RegistroC396New() { return UltimoC010().RegistroC395.Ultimo()->RegistroC396.New(); }

TRegistroC400* TBloco_C::RegistroC400New() { return UltimoC010().RegistroC400.New(); }
TRegistroC405* TBloco_C::RegistroC405New() { return UltimoC010().RegistroC400.Ultimo()->RegistroC405.New(); }
TRegistroC481* TBloco_C::RegistroC481New() {
    return UltimoC010().RegistroC400.Ultimo()->RegistroC405.Ultimo()->RegistroC481.New();
}
TRegistroC485* TBloco_C::RegistroC485New() {
    return UltimoC010().RegistroC400.Ultimo()->RegistroC405.Ultimo()->RegistroC485.New();
}
TRegistroC489* TBloco_C::RegistroC489New() { return UltimoC010().RegistroC400.Ultimo()->RegistroC489.New(); }

TRegistroC490* TBloco_C::RegistroC490New() { return UltimoC010().RegistroC490.New(); }
TRegistroC491* TBloco_C::RegistroC491New() { return UltimoC010().RegistroC490.Ultimo()->RegistroC491.New(); }
TRegistroC495* TBloco_C::RegistroC495New() { return UltimoC010().RegistroC490.Ultimo()->RegistroC495.New(); }
TRegistroC499* TBloco_C::RegistroC499New() { return UltimoC010().RegistroC490.Ultimo()->RegistroC499.New(); }

TRegistroC500* TBloco_C::RegistroC500New() { return UltimoC010().RegistroC500.New(); }
TRegistroC501* TBloco_C::RegistroC501New() { return UltimoC010().RegistroC500.Ultimo()->RegistroC501.New(); }
TRegistroC505* TBloco_C::RegistroC505New() { return UltimoC010().RegistroC500.Ultimo()->RegistroC505.New(); }
TRegistroC509* TBloco_C::RegistroC509New() { return UltimoC010().RegistroC500.Ultimo()->RegistroC509.New(); }

TRegistroC600* TBloco_C::RegistroC600New() { return UltimoC010().RegistroC600.New(); }
TRegistroC601* TBloco_C::RegistroC601New() { return UltimoC010().RegistroC600.Ultimo()->RegistroC601.New(); }
TRegistroC605* TBloco_C::RegistroC605New() { return UltimoC010().RegistroC600.Ultimo()->RegistroC605.New(); }
TRegistroC609* TBloco_C::RegistroC609New() { return UltimoC010().RegistroC600.Ultimo()->RegistroC609.New(); }

TRegistroC800* TBloco_C::RegistroC800New() { return UltimoC010().RegistroC800.New(); }
TRegistroC810* TBloco_C::RegistroC810New() { return UltimoC010().RegistroC800.Ultimo()->RegistroC810.New(); }
TRegistroC820* TBloco_C::RegistroC820New() { return UltimoC010().RegistroC800.Ultimo()->RegistroC820.New(); }
TRegistroC830* TBloco_C::RegistroC830New() { return UltimoC010().RegistroC800.Ultimo()->RegistroC830.New(); }

TRegistroC860* TBloco_C::RegistroC860New() { return UltimoC010().RegistroC860.New(); }
TRegistroC870* TBloco_C::RegistroC870New() { return UltimoC010().RegistroC860.Ultimo()->RegistroC870.New(); }
TRegistroC880* TBloco_C::RegistroC880New() { return UltimoC010().RegistroC860.Ultimo()->RegistroC880.New(); }
TRegistroC890* TBloco_C::RegistroC890New() { return UltimoC010().RegistroC860.Ultimo()->RegistroC890.New(); }

// ---------------------------------------------------------------------------
// Writing.

int TBloco_C::DocumentosPendentes() const {
    int n = 0;
    for (const TRegistroC010& r : FRegistroC001->RegistroC010) n += r.RegistroC100.Count();
    return n;
}

void TBloco_C::WriteRegistroC001() {
    // C001 is written once, on the first call; later calls resume below it.
    if (FRegistroC990->QTD_LIN_C == 0) Linha("C001").I(static_cast<int64_t>(FRegistroC001->IND_MOV));
    if (FRegistroC001->IND_MOV != TIndMov::imComDados) return;

    TRegistroC010List& estabelecimentos = FRegistroC001->RegistroC010;
    // Opened with data but without an establishment: nothing to write below C001.
    if (estabelecimentos.Vazia()) return;
    // What was added under the last establishment already written goes first, while
    // its line is still the last C010 in the file; it would otherwise never be
    // written once a new C010 follows. Then the new establishments.
    if (RegistroC010Count > 0) WriteFilhosC010(*estabelecimentos.Items(static_cast<size_t>(RegistroC010Count - 1)));
    for (int i = RegistroC010Count; i < estabelecimentos.Count(); ++i) {
        WriteRegistroC010(*estabelecimentos.Items(static_cast<size_t>(i)));
        ++RegistroC010Count;
    }
}

void TBloco_C::WriteRegistroC990() {
    // The count includes the closing line itself.
    Linha("C990").I(FRegistroC990->QTD_LIN_C + 1);
}

void TBloco_C::WriteRegistroC010(TRegistroC010& r) {
    WriteLinhaC010(r);
    WriteFilhosC010(r);
}

void TBloco_C::WriteLinhaC010(TRegistroC010& r) {
    Check(r.CNPJ.empty() || util::CNPJValido(r.CNPJ), "(C-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!",
          {r.CNPJ});
    Linha("C010").T(r.CNPJ, 14).C(Codigo(r.IND_ESCRI));
}

bool TBloco_C::AntecipaDocumentos() {
    // Only the goods documents of a block with a single establishment: they come
    // first under their C010, so writing them early keeps the layout's order, and
    // the regular write later resumes with what follows them.
    TRegistroC010List& estabelecimentos = FRegistroC001->RegistroC010;
    if (FRegistroC001->IND_MOV != TIndMov::imComDados || estabelecimentos.Count() != 1) return false;
    if (FRegistroC990->QTD_LIN_C == 0) Linha("C001").I(static_cast<int64_t>(FRegistroC001->IND_MOV));
    TRegistroC010& c010 = *estabelecimentos.Items(0);
    if (RegistroC010Count == 0) {
        WriteLinhaC010(c010);
        RegistroC010Count = 1;
    }
    EscreveEEsvazia(*this, c010.RegistroC100, RegistroC100Count, &TBloco_C::WriteRegistroC100);
    return true;
}

void TBloco_C::WriteFilhosC010(TRegistroC010& r) {
    EscreveEEsvazia(*this, r.RegistroC100, RegistroC100Count, &TBloco_C::WriteRegistroC100);
    EscreveEEsvazia(*this, r.RegistroC180, RegistroC180Count, &TBloco_C::WriteRegistroC180);
    EscreveEEsvazia(*this, r.RegistroC190, RegistroC190Count, &TBloco_C::WriteRegistroC190);
    EscreveEEsvazia(*this, r.RegistroC380, RegistroC380Count, &TBloco_C::WriteRegistroC380);
    EscreveEEsvazia(*this, r.RegistroC395, RegistroC395Count, &TBloco_C::WriteRegistroC395);
    EscreveEEsvazia(*this, r.RegistroC400, RegistroC400Count, &TBloco_C::WriteRegistroC400);
    EscreveEEsvazia(*this, r.RegistroC490, RegistroC490Count, &TBloco_C::WriteRegistroC490);
    EscreveEEsvazia(*this, r.RegistroC500, RegistroC500Count, &TBloco_C::WriteRegistroC500);
    EscreveEEsvazia(*this, r.RegistroC600, RegistroC600Count, &TBloco_C::WriteRegistroC600);
    // C800 and its children are never written.
    if (!(DT_INI() < k1Mai2015))
        EscreveEEsvazia(*this, r.RegistroC860, RegistroC860Count, &TBloco_C::WriteRegistroC860);
}

template <class R>
void TBloco_C::WriteProcessos(std::string_view reg, TRegistroList<R>& lista, int& contador) {
    for (const R& r : lista) Linha(reg).T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    contador += lista.Count();
}

// C100 -----------------------------------------------------------------------

void TBloco_C::WriteRegistroC100(TRegistroC100& r) {
    // A cancelled, denied or unused number carries no dates, participant, payment,
    // freight or amounts; only an unused number also loses its key.
    const bool cancelado = FamiliaCancelada(r.COD_SIT);
    if (cancelado) {
        r.DT_DOC = {};
        r.DT_E_S = {};
        r.VL_DOC = r.VL_DESC = r.VL_ABAT_NT = r.VL_MERC = {};
        r.VL_FRT = r.VL_SEG = r.VL_OUT_DA = r.VL_BC_ICMS = r.VL_ICMS = r.VL_BC_ICMS_ST = r.VL_ICMS_ST = {};
        r.VL_IPI = r.VL_PIS = r.VL_COFINS = r.VL_PIS_ST = r.VL_COFINS_ST = {};
        r.IND_FRT = TIndFrt::tfNenhum;
        r.IND_PGTO = TIndPgto::tpNenhum;
        r.COD_PART.clear();
        if (r.COD_SIT == TCodSit::sdfInutilizado) r.CHV_NFE.clear();
    }
    // "No payment" changed its code in July 2012.
    std::string_view indPgto = Codigo(r.IND_PGTO);
    if (r.IND_PGTO == TIndPgto::tpSemPagamento && !(DT_INI() < k1Jul2012)) indPgto = "2";

    {
        TLinha l = Linha("C100");
        l.C(Codigo(r.IND_OPER)).C(Codigo(r.IND_EMIT)).T(r.COD_PART).T(r.COD_MOD).C(Codigo(r.COD_SIT)).T(r.SER)
            .T(r.NUM_DOC).T(r.CHV_NFE).D(r.DT_DOC).D(r.DT_E_S);
        N(l, r.VL_DOC, cancelado).C(indPgto);
        N(l, r.VL_DESC, cancelado);
        N(l, r.VL_ABAT_NT, cancelado);
        N(l, r.VL_MERC, cancelado).C(Codigo(r.IND_FRT));
        N(l, r.VL_FRT, cancelado);
        N(l, r.VL_SEG, cancelado);
        N(l, r.VL_OUT_DA, cancelado);
        N(l, r.VL_BC_ICMS, cancelado);
        N(l, r.VL_ICMS, cancelado);
        N(l, r.VL_BC_ICMS_ST, cancelado);
        N(l, r.VL_ICMS_ST, cancelado);
        N(l, r.VL_IPI, cancelado);
        N(l, r.VL_PIS, cancelado);
        N(l, r.VL_COFINS, cancelado);
        N(l, r.VL_PIS_ST, cancelado);
        N(l, r.VL_COFINS_ST, cancelado);
    }
    Escreve(*this, r.RegistroC110, RegistroC110Count, &TBloco_C::WriteRegistroC110);
    WriteProcessos("C111", r.RegistroC111, RegistroC111Count);
    Escreve(*this, r.RegistroC120, RegistroC120Count, &TBloco_C::WriteRegistroC120);
    Escreve(*this, r.RegistroC170, RegistroC170Count, &TBloco_C::WriteRegistroC170);
    Escreve(*this, r.RegistroC175, RegistroC175Count, &TBloco_C::WriteRegistroC175);
}

void TBloco_C::WriteRegistroC110(const TRegistroC110& r) { Linha("C110").T(r.COD_INF).T(r.TXT_COMPL); }

void TBloco_C::WriteRegistroC120(const TRegistroC120& r) {
    // No drawback act stays an empty field rather than twenty zeros.
    Linha("C120")
        .C(Codigo(r.COD_DOC_IMP))
        .T(r.NUM_DOC__IMP)
        .N(r.PIS_IMP)
        .N(r.COFINS_IMP)
        .TNulo(r.NUM_ACDRAW, 20);
}

void TBloco_C::WriteRegistroC170(const TRegistroC170& r) {
    Linha("C170")
        .T(r.NUM_ITEM)
        .T(r.COD_ITEM)
        .T(r.DESCR_COMPL)
        .V(r.QTD, 5)
        .T(r.UNID)
        .N(r.VL_ITEM)
        .N(r.VL_DESC)
        .C(Codigo(r.IND_MOV))
        .C(Codigo(r.CST_ICMS))
        .T(r.CFOP, 4)
        .T(r.COD_NAT)
        .N(r.VL_BC_ICMS)
        .N(r.ALIQ_ICMS)
        .N(r.VL_ICMS)
        .N(r.VL_BC_ICMS_ST)
        .N(r.ALIQ_ST)
        .N(r.VL_ICMS_ST)
        .C(Codigo(r.IND_APUR))
        .C(Codigo(r.CST_IPI))
        .T(r.COD_ENQ)
        .NNulo(r.VL_BC_IPI)
        .NNulo(r.ALIQ_IPI)
        .NNulo(r.VL_IPI)
        .C(Codigo(r.CST_PIS))
        .V(r.VL_BC_PIS, 2)
        .V(r.ALIQ_PIS_PERC, 4)
        .V(r.QUANT_BC_PIS, 3)
        .V(r.ALIQ_PIS_R, 4)
        .NV(r.VL_PIS)
        .C(Codigo(r.CST_COFINS))
        .V(r.VL_BC_COFINS, 2)
        .V(r.ALIQ_COFINS_PERC, 4)
        .V(r.QUANT_BC_COFINS, 3)
        .V(r.ALIQ_COFINS_R, 4)
        .NV(r.VL_COFINS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC175(const TRegistroC175& r) {
    Linha("C175")
        .T(r.CFOP, 4)
        .VN(r.VL_OPR, 0, 2)
        .VN(r.VL_DESC, 0, 2)
        .C(Codigo(r.CST_PIS))
        .VN(r.VL_BC_PIS, 0, 2)
        .VN(r.ALIQ_PIS, 8, 4)
        .VN(r.QUANT_BC_PIS, 0, 3)
        .VN(r.ALIQ_PIS_QUANT, 0, 4)
        .VN(r.VL_PIS, 0, 2)
        .C(Codigo(r.CST_COFINS))
        .VN(r.VL_BC_COFINS, 0, 2)
        .VN(r.ALIQ_COFINS, 8, 4)
        .VN(r.QUANT_BC_COFINS, 0, 3)
        .VN(r.ALIQ_COFINS_QUANT, 0, 4)
        .VN(r.VL_COFINS, 0, 2)
        .T(r.COD_CTA)
        .T(r.INFO_COMPL);
}

// C180, C190 -------------------------------------------------------------------

void TBloco_C::WriteRegistroC180(TRegistroC180& r) {
    Linha("C180")
        .T(r.COD_MOD, 2)
        .D(r.DT_DOC_INI)
        .D(r.DT_DOC_FIN)
        .T(r.COD_ITEM)
        .T(r.COD_NCM)
        .T(r.EX_IPI)
        .N(r.VL_TOT_ITEM);
    Escreve(*this, r.RegistroC181, RegistroC181Count, &TBloco_C::WriteRegistroC181);
    Escreve(*this, r.RegistroC185, RegistroC185Count, &TBloco_C::WriteRegistroC185);
    WriteProcessos("C188", r.RegistroC188, RegistroC188Count);
}

void TBloco_C::WriteRegistroC181(const TRegistroC181& r) {
    Linha("C181")
        .C(Codigo(r.CST_PIS))
        .T(r.CFOP, 4)
        .N(r.VL_ITEM)
        .VN(r.VL_DESC)
        .VN(r.VL_BC_PIS)
        .V(r.ALIQ_PIS, 4)
        .VN(r.QUANT_BC_PIS, 0, 3)
        .V(r.ALIQ_PIS_QUANT, 4)
        .VN(r.VL_PIS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC185(const TRegistroC185& r) {
    Linha("C185")
        .C(Codigo(r.CST_COFINS))
        .T(r.CFOP, 4)
        .N(r.VL_ITEM)
        .VN(r.VL_DESC)
        .VN(r.VL_BC_COFINS)
        .V(r.ALIQ_COFINS, 4)
        .VN(r.QUANT_BC_COFINS, 0, 3)
        .V(r.ALIQ_COFINS_QUANT, 4)
        .VN(r.VL_COFINS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC190(TRegistroC190& r) {
    Linha("C190")
        .T(r.COD_MOD, 2)
        .D(r.DT_REF_INI)
        .D(r.DT_REF_FIN)
        .T(r.COD_ITEM)
        .T(r.COD_NCM)
        .T(r.EX_IPI)
        .N(r.VL_TOT_ITEM);
    Escreve(*this, r.RegistroC191, RegistroC191Count, &TBloco_C::WriteRegistroC191);
    Escreve(*this, r.RegistroC195, RegistroC195Count, &TBloco_C::WriteRegistroC195);
    WriteProcessos("C198", r.RegistroC198, RegistroC198Count);
    Escreve(*this, r.RegistroC199, RegistroC199Count, &TBloco_C::WriteRegistroC199);
}

void TBloco_C::WriteRegistroC191(const TRegistroC191& r) {
    Linha("C191")
        .T(r.CNPJ_CPF_PART)
        .C(Codigo(r.CST_PIS))
        .I(r.CFOP, 4)
        .N(r.VL_ITEM)
        .VN(r.VL_DESC)
        .VN(r.VL_BC_PIS, 2)
        .V(r.ALIQ_PIS, 4)
        .VN(r.QUANT_BC_PIS, 3)
        .V(r.ALIQ_PIS_QUANT, 4)
        .VN(r.VL_PIS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC195(const TRegistroC195& r) {
    Linha("C195")
        .T(r.CNPJ_CPF_PART)
        .C(Codigo(r.CST_COFINS))
        .I(r.CFOP, 4)
        .N(r.VL_ITEM)
        .VN(r.VL_DESC)
        .VN(r.VL_BC_COFINS, 2)
        .V(r.ALIQ_COFINS, 4)
        .VN(r.QUANT_BC_COFINS, 3)
        .V(r.ALIQ_COFINS_QUANT, 4)
        .N(r.VL_COFINS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC199(const TRegistroC199& r) {
    Linha("C199")
        .C(Codigo(r.COD_DOC_IMP))
        .T(r.NUM_DOC__IMP)
        .N(r.VL_PIS_IMP)
        .N(r.VL_COFINS_IMP)
        .T(r.NUM_ACDRAW);
}

// C380, C395 -------------------------------------------------------------------

void TBloco_C::WriteRegistroC380(TRegistroC380& r) {
    Linha("C380")
        .T(r.COD_MOD, 2)
        .D(r.DT_DOC_INI)
        .D(r.DT_DOC_FIN)
        .INulo(r.NUM_DOC_INI, 6)
        .INulo(r.NUM_DOC_FIN, 6)
        .N(r.VL_DOC)
        .N(r.VL_DOC_CANC);
    Escreve(*this, r.RegistroC381, RegistroC381Count, &TBloco_C::WriteRegistroC381);
    Escreve(*this, r.RegistroC385, RegistroC385Count, &TBloco_C::WriteRegistroC385);
}

void TBloco_C::WriteRegistroC381(const TRegistroC381& r) {
    Linha("C381")
        .C(Codigo(r.CST_PIS))
        .T(r.COD_ITEM)
        .N(r.VL_ITEM)
        .VN(r.VL_BC_PIS)
        .V(r.ALIQ_PIS, 4)
        .VN(r.QUANT_BC_PIS)
        .V(r.ALIQ_PIS_QUANT, 4)
        .VN(r.VL_PIS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC385(const TRegistroC385& r) {
    Linha("C385")
        .C(Codigo(r.CST_COFINS))
        .T(r.COD_ITEM)
        .N(r.VL_ITEM)
        .VN(r.VL_BC_COFINS)
        .V(r.ALIQ_COFINS, 4)
        .VN(r.QUANT_BC_COFINS)
        .V(r.ALIQ_COFINS_QUANT, 4)
        .VN(r.VL_COFINS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC395(TRegistroC395& r) {
    Linha("C395")
        .T(r.COD_MOD)
        .T(r.COD_PART)
        .T(r.SER)
        .T(r.SUB_SER)
        .T(r.NUM_DOC)
        .D(r.DT_DOC)
        .N(r.VL_DOC);
    Escreve(*this, r.RegistroC396, RegistroC396Count, &TBloco_C::WriteRegistroC396);
}

void TBloco_C::WriteRegistroC396(const TRegistroC396& r) {
    Linha("C396")
        .T(r.COD_ITEM)
        .N(r.VL_ITEM)
        .N(r.VL_DESC)
        .C(Codigo(r.NAT_BC_CRED))
        .C(Codigo(r.CST_PIS))
        .N(r.VL_BC_PIS)
        .F(r.ALIQ_PIS, 4)
        .N(r.VL_PIS)
        .C(Codigo(r.CST_COFINS))
        .N(r.VL_BC_COFINS)
        .F(r.ALIQ_COFINS, 4)
        .N(r.VL_COFINS)
        .T(r.COD_CTA);
}

// C400, C490 -------------------------------------------------------------------

void TBloco_C::WriteRegistroC400(TRegistroC400& r) {
    Linha("C400").T(r.COD_MOD).T(r.ECF_MOD).T(r.ECF_FAB).I(r.ECF_CX, 3);
    Escreve(*this, r.RegistroC405, RegistroC405Count, &TBloco_C::WriteRegistroC405);
    WriteProcessos("C489", r.RegistroC489, RegistroC489Count);
}

void TBloco_C::WriteRegistroC405(TRegistroC405& r) {
    Linha("C405").D(r.DT_DOC).I(r.CRO, 3).I(r.CRZ, 6).I(r.NUM_COO_FIN, 6).N(r.GT_FIN).N(r.VL_BRT);
    Escreve(*this, r.RegistroC481, RegistroC481Count, &TBloco_C::WriteRegistroC481);
    Escreve(*this, r.RegistroC485, RegistroC485Count, &TBloco_C::WriteRegistroC485);
}

void TBloco_C::WriteRegistroC481(TRegistroC481& r) {
    NulosDoItem n;
    if (OnBeforeWriteRegistroC481) OnBeforeWriteRegistroC481(&r, n.bc, n.aliq, n.quant, n.aliqQuant, n.valor);
    TLinha l = Linha("C481");
    l.C(Codigo(r.CST_PIS)).N(r.VL_ITEM);
    ValoresDoItem(l, OnBeforeWriteRegistroC481 ? &n : nullptr, r.VL_BC_PIS, r.ALIQ_PIS, r.QUANT_BC_PIS,
                  r.ALIQ_PIS_QUANT, r.VL_PIS)
        .T(r.COD_ITEM)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC485(TRegistroC485& r) {
    NulosDoItem n;
    if (OnBeforeWriteRegistroC485) OnBeforeWriteRegistroC485(&r, n.bc, n.aliq, n.quant, n.aliqQuant, n.valor);
    TLinha l = Linha("C485");
    l.C(Codigo(r.CST_COFINS)).N(r.VL_ITEM);
    ValoresDoItem(l, OnBeforeWriteRegistroC485 ? &n : nullptr, r.VL_BC_COFINS, r.ALIQ_COFINS, r.QUANT_BC_COFINS,
                  r.ALIQ_COFINS_QUANT, r.VL_COFINS)
        .T(r.COD_ITEM)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC490(TRegistroC490& r) {
    Linha("C490").D(r.DT_DOC_INI).D(r.DT_DOC_FIN).T(r.COD_MOD);
    Escreve(*this, r.RegistroC491, RegistroC491Count, &TBloco_C::WriteRegistroC491);
    Escreve(*this, r.RegistroC495, RegistroC495Count, &TBloco_C::WriteRegistroC495);
    WriteProcessos("C499", r.RegistroC499, RegistroC499Count);
}

void TBloco_C::WriteRegistroC491(TRegistroC491& r) {
    NulosDoItem n;
    if (OnBeforeWriteRegistroC491) OnBeforeWriteRegistroC491(&r, n.bc, n.aliq, n.quant, n.aliqQuant, n.valor);
    TLinha l = Linha("C491");
    l.T(r.COD_ITEM).C(Codigo(r.CST_PIS)).I(r.CFOP, 4).N(r.VL_ITEM);
    ValoresDoItem(l, OnBeforeWriteRegistroC491 ? &n : nullptr, r.VL_BC_PIS, r.ALIQ_PIS, r.QUANT_BC_PIS,
                  r.ALIQ_PIS_QUANT, r.VL_PIS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC495(TRegistroC495& r) {
    NulosDoItem n;
    if (OnBeforeWriteRegistroC495) OnBeforeWriteRegistroC495(&r, n.bc, n.aliq, n.quant, n.aliqQuant, n.valor);
    TLinha l = Linha("C495");
    l.T(r.COD_ITEM).C(Codigo(r.CST_COFINS)).I(r.CFOP, 4).N(r.VL_ITEM);
    ValoresDoItem(l, OnBeforeWriteRegistroC495 ? &n : nullptr, r.VL_BC_COFINS, r.ALIQ_COFINS, r.QUANT_BC_COFINS,
                  r.ALIQ_COFINS_QUANT, r.VL_COFINS)
        .T(r.COD_CTA);
}

// C500, C600 -------------------------------------------------------------------

void TBloco_C::WriteRegistroC500(TRegistroC500& r) {
    {
        TLinha l = Linha("C500");
        l.T(r.COD_PART)
            .T(r.COD_MOD, 2)
            .C(Codigo(r.COD_SIT))
            .T(r.SER)
            .I(r.SUB, 3)
            .I(r.NUM_DOC, 9)
            .D(r.DT_DOC)
            .D(r.DT_ENT)
            .N(r.VL_DOC)
            .N(r.VL_ICMS)
            .T(r.COD_INF)
            .N(r.VL_PIS)
            .N(r.VL_COFINS);
        // The key of the electronic bill exists from layout 3.2.0 on.
        if (Bloco_0 && Bloco_0->Registro0000().COD_VER == TCodVer::vlVersao320) l.T(r.CHV_DOCe);
    }
    Escreve(*this, r.RegistroC501, RegistroC501Count, &TBloco_C::WriteRegistroC501);
    Escreve(*this, r.RegistroC505, RegistroC505Count, &TBloco_C::WriteRegistroC505);
    WriteProcessos("C509", r.RegistroC509, RegistroC509Count);
}

void TBloco_C::WriteRegistroC501(const TRegistroC501& r) {
    Linha("C501")
        .C(Codigo(r.CST_PIS))
        .N(r.VL_ITEM)
        .C(Codigo(r.NAT_BC_CRED))
        .N(r.VL_BC_PIS)
        .F(r.ALIQ_PIS, 4)
        .N(r.VL_PIS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC505(const TRegistroC505& r) {
    Linha("C505")
        .C(Codigo(r.CST_COFINS))
        .N(r.VL_ITEM)
        .C(Codigo(r.NAT_BC_CRED))
        .N(r.VL_BC_COFINS)
        .F(r.ALIQ_COFINS, 4)
        .N(r.VL_COFINS)
        .T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC600(TRegistroC600& r) {
    Linha("C600")
        .T(r.COD_MOD, 2)
        .I(r.COD_MUN, 7)
        .T(r.SER, 4)
        .I(r.SUB, 3)
        .I(r.COD_CONS, 2)
        .N(ComoValor(r.QTD_CONS))
        .N(ComoValor(r.QTD_CANC))
        .D(r.DT_DOC)
        .N(r.VL_DOC)
        .N(r.VL_DESC)
        .N(ComoValor(r.CONS))
        .N(r.VL_FORN)
        .N(r.VL_SERV_NT)
        .N(r.VL_TERC)
        .N(r.VL_DA)
        .N(r.VL_BC_ICMS)
        .N(r.VL_ICMS)
        .N(r.VL_BC_ICMS_ST)
        .N(r.VL_ICMS_ST)
        .N(r.VL_PIS)
        .N(r.VL_COFINS);
    Escreve(*this, r.RegistroC601, RegistroC601Count, &TBloco_C::WriteRegistroC601);
    Escreve(*this, r.RegistroC605, RegistroC605Count, &TBloco_C::WriteRegistroC605);
    WriteProcessos("C609", r.RegistroC609, RegistroC609Count);
}

void TBloco_C::WriteRegistroC601(const TRegistroC601& r) {
    Linha("C601").C(Codigo(r.CST_PIS)).N(r.VL_ITEM).N(r.VL_BC_PIS).F(r.ALIQ_PIS, 4).N(r.VL_PIS).T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC605(const TRegistroC605& r) {
    Linha("C605")
        .C(Codigo(r.CST_COFINS))
        .N(r.VL_ITEM)
        .N(r.VL_BC_COFINS)
        .F(r.ALIQ_COFINS, 4)
        .N(r.VL_COFINS)
        .T(r.COD_CTA);
}

// C860 -------------------------------------------------------------------------

void TBloco_C::WriteRegistroC860(TRegistroC860& r) {
    Linha("C860").T(r.COD_MOD, 2).I(r.NR_SAT, 9).D(r.DT_DOC).I(r.DOC_INI, 6).I(r.DOC_FIM, 6);
    Escreve(*this, r.RegistroC870, RegistroC870Count, &TBloco_C::WriteRegistroC870);
    Escreve(*this, r.RegistroC880, RegistroC880Count, &TBloco_C::WriteRegistroC880);
    WriteProcessos("C890", r.RegistroC890, RegistroC890Count);
}

void TBloco_C::WriteRegistroC870(const TRegistroC870& r) {
    // A rate of zero under substitution (CST 05) is no rate at all.
    TLinha l = Linha("C870");
    l.T(r.COD_ITEM).T(r.CFOP, 4).NV(r.VL_ITEM).NV(r.VL_DESC).C(Codigo(r.CST_PIS)).NV(r.VL_BC_PIS);
    F(l, r.ALIQ_PIS, 4, r.CST_PIS == TCstPis::stpisValorAliquotaPorST)
        .NV(r.VL_PIS)
        .C(Codigo(r.CST_COFINS))
        .NV(r.VL_BC_COFINS);
    F(l, r.ALIQ_COFINS, 4, r.CST_COFINS == TCstCofins::stcofinsValorAliquotaPorST).NV(r.VL_COFINS).T(r.COD_CTA);
}

void TBloco_C::WriteRegistroC880(const TRegistroC880& r) {
    Linha("C880")
        .T(r.COD_ITEM)
        .T(r.CFOP, 4)
        .NV(r.VL_ITEM)
        .C(Codigo(r.CST_PIS))
        .NV(r.QUANT_BC_PIS)
        .NV(r.ALIQ_PIS_QUANT)
        .NV(r.VL_PIS)
        .C(Codigo(r.CST_COFINS))
        .NV(r.QUANT_BC_COFINS)
        .NV(r.ALIQ_COFINS_QUANT)
        .NV(r.VL_COFINS)
        .T(r.COD_CTA);
}

void TBloco_C::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("C010", RegistroC010Count);
    e.Adiciona("C100", RegistroC100Count);
    e.Adiciona("C110", RegistroC110Count);
    e.Adiciona("C111", RegistroC111Count);
    e.Adiciona("C120", RegistroC120Count);
    e.Adiciona("C170", RegistroC170Count);
    e.Adiciona("C175", RegistroC175Count);
    e.Adiciona("C180", RegistroC180Count);
    e.Adiciona("C181", RegistroC181Count);
    e.Adiciona("C185", RegistroC185Count);
    e.Adiciona("C188", RegistroC188Count);
    e.Adiciona("C190", RegistroC190Count);
    e.Adiciona("C191", RegistroC191Count);
    e.Adiciona("C195", RegistroC195Count);
    e.Adiciona("C198", RegistroC198Count);
    e.Adiciona("C199", RegistroC199Count);
    e.Adiciona("C380", RegistroC380Count);
    e.Adiciona("C381", RegistroC381Count);
    e.Adiciona("C385", RegistroC385Count);
    e.Adiciona("C395", RegistroC395Count);
    e.Adiciona("C396", RegistroC396Count);
    e.Adiciona("C400", RegistroC400Count);
    e.Adiciona("C405", RegistroC405Count);
    e.Adiciona("C481", RegistroC481Count);
    e.Adiciona("C485", RegistroC485Count);
    e.Adiciona("C489", RegistroC489Count);
    e.Adiciona("C490", RegistroC490Count);
    e.Adiciona("C491", RegistroC491Count);
    e.Adiciona("C495", RegistroC495Count);
    e.Adiciona("C499", RegistroC499Count);
    e.Adiciona("C500", RegistroC500Count);
    e.Adiciona("C501", RegistroC501Count);
    e.Adiciona("C505", RegistroC505Count);
    e.Adiciona("C509", RegistroC509Count);
    e.Adiciona("C600", RegistroC600Count);
    e.Adiciona("C601", RegistroC601Count);
    e.Adiciona("C605", RegistroC605Count);
    e.Adiciona("C609", RegistroC609Count);
    e.Adiciona("C860", RegistroC860Count);
    e.Adiciona("C870", RegistroC870Count);
    e.Adiciona("C880", RegistroC880Count);
    e.Adiciona("C890", RegistroC890Count);
}

}  // namespace efd
