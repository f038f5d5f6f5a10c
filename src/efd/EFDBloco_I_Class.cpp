#include "efd/EFDBloco_I_Class.h"

#include "util/Validador.h"

namespace efd {

TBloco_I::TBloco_I() { TBloco_I::CreateRegisters(); }

TBloco_I::~TBloco_I() { TBloco_I::ReleaseRegisters(); }

void TBloco_I::CreateRegisters() {
    FRegistroI001 = std::make_unique<TRegistroI001>();
    FRegistroI990 = std::make_unique<TRegistroI990>();
    FContadorLinhas = &FRegistroI990->QTD_LIN_I;
    RegistroI010Count = 0;
    RegistroI100Count = 0;
    RegistroI199Count = 0;
    RegistroI200Count = 0;
    RegistroI299Count = 0;
    RegistroI300Count = 0;
    RegistroI399Count = 0;
}

void TBloco_I::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroI001.reset();
    FRegistroI990.reset();
}

TRegistroI100* TBloco_I::RegistroI100New() { return FRegistroI001->RegistroI010.Ultimo()->RegistroI100.New(); }
TRegistroI199* TBloco_I::RegistroI199New() { return UltimoI100()->RegistroI199.New(); }
TRegistroI200* TBloco_I::RegistroI200New() { return UltimoI100()->RegistroI200.New(); }
TRegistroI299* TBloco_I::RegistroI299New() { return UltimoI200()->RegistroI299.New(); }
TRegistroI300* TBloco_I::RegistroI300New() { return UltimoI200()->RegistroI300.New(); }
TRegistroI399* TBloco_I::RegistroI399New() { return UltimoI200()->RegistroI300.Ultimo()->RegistroI399.New(); }

void TBloco_I::WriteRegistroI001() {
    // I001 is written once, on the first call; later calls resume below it.
    if (FRegistroI990->QTD_LIN_I == 0) Linha("I001").I(static_cast<int64_t>(FRegistroI001->IND_MOV));
    if (FRegistroI001->IND_MOV != TIndMov::imComDados) return;

    // RegistroI010Count is both the I010 lines written and where writing resumes.
    // Records added since the last call under the last I010 already written come
    // first (its I100 list holds only unwritten ones); they would otherwise be lost
    // once a new I010 follows them.
    TRegistroI010List& lista = FRegistroI001->RegistroI010;
    if (RegistroI010Count > 0) WriteRegistroI100(*lista.Items(RegistroI010Count - 1));
    for (int i = RegistroI010Count; i < lista.Count(); ++i) WriteRegistroI010(*lista.Items(i));
    RegistroI010Count = lista.Count();
}

void TBloco_I::WriteRegistroI010(TRegistroI010& r) {
    Check(util::CNPJValido(r.CNPJ), "(I-010) ESTABELECIMENTO: O CNPJ \"%s\" digitado é inválido!", {r.CNPJ});
    Linha("I010").T(r.CNPJ, 14).I(r.IND_ATIV, 2).T(r.INFO_COMPL);
    WriteRegistroI100(r);
}

void TBloco_I::WriteRegistroI100(TRegistroI010& pai) {
    for (TRegistroI100& r : pai.RegistroI100) {
        Linha("I100")
            .N(r.VL_REC)
            .C(Codigo(r.CST_PIS_COFINS))
            .N(r.VL_TOT_DED_GER)
            .N(r.VL_TOT_DED_ESP)
            .N(r.VL_BC_PIS)
            .N(r.ALIQ_PIS)
            .N(r.VL_PIS)
            .N(r.VL_BC_COFINS)
            .N(r.ALIQ_COFINS)
            .N(r.VL_COFINS)
            .T(r.INFO_COMPL);
        WriteRegistroI199(r);
        WriteRegistroI200(r);
    }
    RegistroI100Count += pai.RegistroI100.Count();
    // Written records are freed, with their children: a later call writes only
    // what is added after this one.
    pai.RegistroI100.Clear();
}

void TBloco_I::WriteRegistroI199(const TRegistroI100& pai) {
    // IND_PROC has width 1: an empty origin is written as 0.
    for (const TRegistroI199& r : pai.RegistroI199) Linha("I199").T(r.NUM_PROC).T(Codigo(r.IND_PROC), 1);
    RegistroI199Count += pai.RegistroI199.Count();
}

void TBloco_I::WriteRegistroI200(TRegistroI100& pai) {
    for (TRegistroI200& r : pai.RegistroI200) {
        Linha("I200").T(r.NUM_CAMPO, 2).T(r.COD_DET, 5).N(r.DET_VALOR).T(r.COD_CTA).T(r.INFO_COMPL);
        WriteRegistroI299(r);
        WriteRegistroI300(r);
    }
    RegistroI200Count += pai.RegistroI200.Count();
}

void TBloco_I::WriteRegistroI299(const TRegistroI200& pai) {
    for (const TRegistroI299& r : pai.RegistroI299) Linha("I299").T(r.NUM_PROC).T(Codigo(r.IND_PROC), 1);
    RegistroI299Count += pai.RegistroI299.Count();
}

void TBloco_I::WriteRegistroI300(TRegistroI200& pai) {
    for (const TRegistroI300& r : pai.RegistroI300) {
        Linha("I300").T(r.COD_COMP).N(r.DET_VALOR).T(r.COD_CTA).T(r.INFO_COMPL);
        WriteRegistroI399(r);
    }
    RegistroI300Count += pai.RegistroI300.Count();
    pai.RegistroI300.Clear();
}

void TBloco_I::WriteRegistroI399(const TRegistroI300& pai) {
    for (const TRegistroI399& r : pai.RegistroI399) Linha("I399").T(r.NUM_PROC).T(Codigo(r.IND_PROC), 1);
    RegistroI399Count += pai.RegistroI399.Count();
}

void TBloco_I::WriteRegistroI990() {
    // The count includes the closing line itself.
    Linha("I990").I(FRegistroI990->QTD_LIN_I + 1);
}

void TBloco_I::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("I010", RegistroI010Count);
    e.Adiciona("I100", RegistroI100Count);
    e.Adiciona("I199", RegistroI199Count);
    e.Adiciona("I200", RegistroI200Count);
    e.Adiciona("I299", RegistroI299Count);
    e.Adiciona("I300", RegistroI300Count);
    e.Adiciona("I399", RegistroI399Count);
}

}  // namespace efd
