#include "efd/EFDBloco_0_Class.h"

namespace efd {

TBloco_0::TBloco_0() { TBloco_0::CreateRegisters(); }

TBloco_0::~TBloco_0() { TBloco_0::ReleaseRegisters(); }

void TBloco_0::CreateRegisters() {
    FRegistro0000 = std::make_unique<TRegistro0000>();
    FRegistro0001 = std::make_unique<TRegistro0001>();
    FRegistro0990 = std::make_unique<TRegistro0990>();
    FContadorLinhas = &FRegistro0990->QTD_LIN_0;
    Registro0035Count = 0;
    Registro0100Count = 0;
    Registro0110Count = 0;
    Registro0111Count = 0;
    Registro0120Count = 0;
    Registro0140Count = 0;
    Registro0145Count = 0;
    Registro0150Count = 0;
    Registro0190Count = 0;
    Registro0200Count = 0;
    Registro0205Count = 0;
    Registro0206Count = 0;
    Registro0208Count = 0;
    Registro0400Count = 0;
    Registro0450Count = 0;
    Registro0500Count = 0;
    Registro0600Count = 0;
    Registro0900Count = 0;
}

void TBloco_0::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistro0000.reset();
    FRegistro0001.reset();
    FRegistro0990.reset();
}

void TBloco_0::WriteRegistro0000() {
    const TRegistro0000& r = *FRegistro0000;
    Linha("0000")
        .C(CodVerCode(r.COD_VER))
        .C(Codigo(r.TIPO_ESCRIT))
        .C(Codigo(r.IND_SIT_ESP))
        .T(r.TIPO_ESCRIT == TTipoEscrit::tpEscrRetificadora ? std::string_view(r.NUM_REC_ANTERIOR) : std::string_view())
        .D(r.DT_INI)
        .D(r.DT_FIN)
        .T(r.NOME)
        .T(r.CNPJ)
        .T(r.UF)
        .I(r.COD_MUN, 7)
        .TNulo(r.SUFRAMA, 9)
        .C(Codigo(r.IND_NAT_PJ))
        .C(Codigo(r.IND_ATIV));
}

void TBloco_0::WriteRegistro0001() {
    Linha("0001").I(static_cast<int64_t>(FRegistro0001->IND_MOV));
    if (FRegistro0001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_0::WriteRegistro0990() {
    // The count includes the closing line itself.
    Linha("0990").I(FRegistro0990->QTD_LIN_0 + 1);
}

void TBloco_0::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("0035", Registro0035Count);
    e.Adiciona("0100", Registro0100Count);
    e.Adiciona("0110", Registro0110Count);
    e.Adiciona("0111", Registro0111Count);
    e.Adiciona("0120", Registro0120Count);
    e.Adiciona("0140", Registro0140Count);
    e.Adiciona("0145", Registro0145Count);
    e.Adiciona("0150", Registro0150Count);
    e.Adiciona("0190", Registro0190Count);
    e.Adiciona("0200", Registro0200Count);
    e.Adiciona("0205", Registro0205Count);
    e.Adiciona("0206", Registro0206Count);
    e.Adiciona("0208", Registro0208Count);
    e.Adiciona("0400", Registro0400Count);
    e.Adiciona("0450", Registro0450Count);
    e.Adiciona("0500", Registro0500Count);
    e.Adiciona("0600", Registro0600Count);
    e.Adiciona("0900", Registro0900Count);
}

}  // namespace efd
