#include "efd/EFDBloco_A_Class.h"

#include "util/Validador.h"

namespace efd {
namespace {

// A100 knows only the regular and the cancelled document; any other situation
// has no code in this register and leaves the field empty.
std::string_view CodSitA100(TCodSit v) {
    switch (v) {
        case TCodSit::sdfRegular: return "00";
        case TCodSit::sdfCancelado: return "02";
        default: return {};
    }
}

}  // namespace

TBloco_A::TBloco_A() { TBloco_A::CreateRegisters(); }

TBloco_A::~TBloco_A() { TBloco_A::ReleaseRegisters(); }

void TBloco_A::CreateRegisters() {
    FRegistroA001 = std::make_unique<TRegistroA001>();
    FRegistroA990 = std::make_unique<TRegistroA990>();
    FContadorLinhas = &FRegistroA990->QTD_LIN_A;
    RegistroA010Count = 0;
    RegistroA100Count = 0;
    RegistroA110Count = 0;
    RegistroA111Count = 0;
    RegistroA120Count = 0;
    RegistroA170Count = 0;
}

void TBloco_A::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroA001.reset();
    FRegistroA990.reset();
}

TRegistroA010* TBloco_A::RegistroA010New() { return FRegistroA001->RegistroA010.New(); }

TRegistroA100* TBloco_A::RegistroA100New() { return FRegistroA001->RegistroA010.Ultimo()->RegistroA100.New(); }

TRegistroA100& TBloco_A::UltimoA100() const { return *FRegistroA001->RegistroA010.Ultimo()->RegistroA100.Ultimo(); }

TRegistroA110* TBloco_A::RegistroA110New() { return UltimoA100().RegistroA110.New(); }
TRegistroA111* TBloco_A::RegistroA111New() { return UltimoA100().RegistroA111.New(); }
TRegistroA120* TBloco_A::RegistroA120New() { return UltimoA100().RegistroA120.New(); }
TRegistroA170* TBloco_A::RegistroA170New() { return UltimoA100().RegistroA170.New(); }

void TBloco_A::WriteRegistroA001() {
    // A001 is written once, on the first call; later calls resume below it.
    if (FRegistroA990->QTD_LIN_A == 0) Linha("A001").I(static_cast<int64_t>(FRegistroA001->IND_MOV));
    if (FRegistroA001->IND_MOV != TIndMov::imComDados) return;

    // RegistroA010Count is both the number of A010 lines written and where writing
    // resumes. Documents added under the last A010 written since the previous call
    // go first, while its line is still the last establishment in the file; they
    // would otherwise never be written once a new A010 follows. A block with data
    // but no A010 writes nothing below A001.
    const TRegistroA010List& lista = FRegistroA001->RegistroA010;
    if (RegistroA010Count > 0) WriteRegistroA100(*lista.Items(static_cast<size_t>(RegistroA010Count - 1)));
    for (int i = RegistroA010Count; i < lista.Count(); ++i) WriteRegistroA010(*lista.Items(static_cast<size_t>(i)));
    RegistroA010Count = lista.Count();
}

void TBloco_A::WriteRegistroA010(TRegistroA010& reg) {
    Check(util::CNPJValido(reg.CNPJ), "(A-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", {reg.CNPJ});
    Linha("A010").T(reg.CNPJ, 14);
    WriteRegistroA100(reg);
}

void TBloco_A::WriteRegistroA100(TRegistroA010& reg) {
    for (TRegistroA100& r : reg.RegistroA100) {
        const bool cancelado = CodSitA100(r.COD_SIT).find("02") != std::string_view::npos;
        if (cancelado) {
            // A cancelled document keeps its participant and amounts (written with
            // the null flag, so only a zero one goes); what describes a service
            // that took place goes.
            r.CHV_NFSE.clear();
            r.DT_DOC = util::Data();
            r.DT_EXE_SERV = util::Data();
            r.IND_PGTO = TIndPgto::tpNenhum;
        }
        Linha("A100")
            .C(Codigo(r.IND_OPER))
            .C(Codigo(r.IND_EMIT))
            .T(r.COD_PART)
            .C(CodSitA100(r.COD_SIT))
            .T(r.SER)
            .T(r.SUB)
            .T(r.NUM_DOC)
            .T(r.CHV_NFSE)
            .D(r.DT_DOC)
            .D(r.DT_EXE_SERV)
            .NV(r.VL_DOC, cancelado)
            .C(Codigo(r.IND_PGTO))
            .NV(r.VL_DESC, cancelado)
            .NV(r.VL_BC_PIS, cancelado)
            .NV(r.VL_PIS, cancelado)
            .NV(r.VL_BC_COFINS, cancelado)
            .NV(r.VL_COFINS, cancelado)
            .NV(r.VL_PIS_RET, cancelado)
            .NV(r.VL_COFINS_RET, cancelado)
            .NV(r.VL_ISS, cancelado);
        WriteRegistroA110(r);
        WriteRegistroA111(r);
        WriteRegistroA120(r);
        WriteRegistroA170(r);
    }
    // Written documents are freed, with their items: a later call writes only what
    // was added since.
    RegistroA100Count += reg.RegistroA100.Count();
    reg.RegistroA100.Clear();
}

void TBloco_A::WriteRegistroA110(const TRegistroA100& reg) {
    for (const TRegistroA110& r : reg.RegistroA110) Linha("A110").T(r.COD_INF).T(r.TXT_COMPL);
    RegistroA110Count += reg.RegistroA110.Count();
}

void TBloco_A::WriteRegistroA111(const TRegistroA100& reg) {
    for (const TRegistroA111& r : reg.RegistroA111) Linha("A111").T(r.NUM_PROC).C(Codigo(r.IND_PROC));
    RegistroA111Count += reg.RegistroA111.Count();
}

void TBloco_A::WriteRegistroA120(const TRegistroA100& reg) {
    for (const TRegistroA120& r : reg.RegistroA120)
        Linha("A120")
            .NV(r.VL_TOT_SERV)
            .NV(r.VL_BC_PIS)
            .NV(r.VL_PIS_IMP)
            .D(r.DT_PAG_PIS)
            .NV(r.VL_BC_COFINS)
            .NV(r.VL_COFINS_IMP)
            .D(r.DT_PAG_COFINS)
            .C(Codigo(r.LOC_EXE_SERV));
    RegistroA120Count += reg.RegistroA120.Count();
}

void TBloco_A::WriteRegistroA170(const TRegistroA100& reg) {
    for (const TRegistroA170& r : reg.RegistroA170)
        Linha("A170")
            .I(r.NUM_ITEM)
            .T(r.COD_ITEM)
            .T(r.DESCR_COMPL)
            .NV(r.VL_ITEM)
            .NV(r.VL_DESC)
            .C(Codigo(r.NAT_BC_CRED))
            .C(Codigo(r.IND_ORIG_CRED))
            .C(CstPisCode(r.CST_PIS))
            .NV(r.VL_BC_PIS)
            .NV(r.ALIQ_PIS)
            .NV(r.VL_PIS)
            .C(CstCofinsCode(r.CST_COFINS))
            .NV(r.VL_BC_COFINS)
            .NV(r.ALIQ_COFINS)
            .NV(r.VL_COFINS)
            .T(r.COD_CTA)
            .T(r.COD_CCUS);
    RegistroA170Count += reg.RegistroA170.Count();
}

void TBloco_A::WriteRegistroA990() {
    // The count includes the closing line itself.
    Linha("A990").I(FRegistroA990->QTD_LIN_A + 1);
}

void TBloco_A::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("A010", RegistroA010Count);
    e.Adiciona("A100", RegistroA100Count);
    e.Adiciona("A110", RegistroA110Count);
    e.Adiciona("A111", RegistroA111Count);
    e.Adiciona("A120", RegistroA120Count);
    e.Adiciona("A170", RegistroA170Count);
}

}  // namespace efd
