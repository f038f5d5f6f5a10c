#include "efd/EFDBloco_0_Class.h"

#include <algorithm>
#include <string>

#include "util/Validador.h"
#include "util/Windows1252.h"

namespace efd {
namespace {

// Empty once trimmed: such a value is written as an empty field.
bool Vazio(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

// Characters, not bytes: a COD_PART with accents must not pass for a CNPJ or CPF.
size_t Caracteres(std::string_view s) {
    return static_cast<size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Width of a phone field: ten characters, filled with zeros, but a longer number
// (a mobile with its area code has eleven digits) is written whole, never cut.
// A phone is written as its digits, up to the eleven a mobile number with area
// code has: no zeros in front, and an empty phone stays empty.
std::string_view Telefone(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return s.substr(0, util::BytesDosPrimeirosCaracteres(s, 11));
}

template <class Lista, class Campo>
bool Localiza(const Lista& lista, std::string_view valor, Campo campo) {
    for (const auto& r : lista)
        if (r.*campo == valor) return true;
    return false;
}

const util::Data k1Mar2014 = util::Data::FromYMD(2014, 3, 1);

}  // namespace

bool TRegistro0150List::LocalizaRegistro(std::string_view Value) const {
    switch (Caracteres(Value)) {
        case 14: return Localiza(*this, Value, &TRegistro0150::CNPJ);
        case 11: return Localiza(*this, Value, &TRegistro0150::CPF);
        default: return Localiza(*this, Value, &TRegistro0150::COD_PART);
    }
}

bool TRegistro0190List::LocalizaRegistro(std::string_view pUNID) const {
    return Localiza(*this, pUNID, &TRegistro0190::UNID);
}

bool TRegistro0200List::LocalizaRegistro(std::string_view pCOD_ITEM) const {
    return Localiza(*this, pCOD_ITEM, &TRegistro0200::COD_ITEM);
}

bool TRegistro0400List::LocalizaRegistro(std::string_view pCOD_NAT) const {
    return Localiza(*this, pCOD_NAT, &TRegistro0400::COD_NAT);
}

bool TRegistro0500List::LocalizaRegistro(std::string_view ACOD_CTA) const {
    return Localiza(*this, ACOD_CTA, &TRegistro0500::COD_CTA);
}

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

// ---- creation -------------------------------------------------------------

TRegistro0140& TBloco_0::Ultimo0140Com(const char* filho) {
    TRegistro0140List& lista = FRegistro0001->Registro0140;
    if (lista.Vazia())
        throw ERegistroOrfao(std::string("O registro ") + filho +
                             " deve ser filho do registro 0140, e não existe nenhum 0140 pai!");
    return *lista.Ultimo();
}

TRegistro0150* TBloco_0::Registro0150New() { return Ultimo0140Com("0150").Registro0150.New(); }
TRegistro0190* TBloco_0::Registro0190New() { return Ultimo0140Com("0190").Registro0190.New(); }
TRegistro0200* TBloco_0::Registro0200New() { return Ultimo0140Com("0200").Registro0200.New(); }
TRegistro0400* TBloco_0::Registro0400New() { return Ultimo0140Com("0400").Registro0400.New(); }
TRegistro0450* TBloco_0::Registro0450New() { return Ultimo0140Com("0450").Registro0450.New(); }

TRegistro0205* TBloco_0::Registro0205New() {
    TRegistro0200List& itens = FRegistro0001->Registro0140.Ultimo()->Registro0200;
    if (itens.Vazia())
        throw ERegistroOrfao("O registro 0205 deve ser filho do registro 0200, e não existe nenhum 0200 pai!");
    return itens.Ultimo()->Registro0205.New();
}

TRegistro0145* TBloco_0::Registro0145New() { return &FRegistro0001->Registro0140.Ultimo()->Registro0145; }

TRegistro0206* TBloco_0::Registro0206New() {
    return &FRegistro0001->Registro0140.Ultimo()->Registro0200.Ultimo()->Registro0206;
}

TRegistro0208* TBloco_0::Registro0208New() {
    return &FRegistro0001->Registro0140.Ultimo()->Registro0200.Ultimo()->Registro0208;
}

TRegistro0900* TBloco_0::Registro0900New() {
    if (!FRegistro0001->Registro0900) FRegistro0001->Registro0900 = std::make_unique<TRegistro0900>();
    return FRegistro0001->Registro0900.get();
}

// ---- writing --------------------------------------------------------------

void TBloco_0::WriteRegistro0000() {
    const TRegistro0000& r = *FRegistro0000;
    Check(Vazio(r.CNPJ) || util::CNPJValido(r.CNPJ), "(0-0000) ENTIDADE: O CNPJ \"%s\" digitado é inválido!", {r.CNPJ});
    Check(util::UFValida(r.UF), "(0-0000) ENTIDADE: A UF \"%s\" digitada é inválido!", {r.UF});
    Check(util::MunicipioValido(r.COD_MUN), "(0-0000) ENTIDADE: O código do município \"%s\" digitado é inválido!",
          {std::to_string(r.COD_MUN)});
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
    WriteRegistro0035();
    WriteRegistro0100();
    WriteRegistro0110();
    WriteRegistro0120();
    WriteRegistro0140();
    WriteRegistro0500();
    WriteRegistro0600();
    WriteRegistro0900();
}

void TBloco_0::WriteRegistro0035() {
    // SCPs are identified in the file from March 2014 on.
    if (DT_INI() < k1Mar2014) return;
    const TRegistro0035List& lista = FRegistro0001->Registro0035;
    for (const TRegistro0035& r : lista)
        Linha("0035").T(r.COD_SCP, 14).T(r.DESC_SCP).T(r.INF_COMP);
    Registro0035Count += lista.Count();
}

void TBloco_0::WriteRegistro0100() {
    const TRegistro0100List& lista = FRegistro0001->Registro0100;
    for (const TRegistro0100& r : lista) {
        Check(!(Vazio(r.CPF) && Vazio(r.CNPJ)), "(0-0100) CONTADOR %s: O CNPJ/CPF é obrigatório!", {r.NOME});
        Check(!Vazio(r.CRC), "(0-0100) CONTADOR %s: O CRC é obrigatório!", {r.NOME});
        Check(Vazio(r.CPF) || util::CPFValido(r.CPF), "(0-0100) CONTADOR %s: O CPF \"%s\" digitado é inválido!", {r.NOME, r.CPF});
        Check(Vazio(r.CNPJ) || util::CNPJValido(r.CNPJ), "(0-0100) CONTADOR %s: O CNPJ \"%s\" digitado é inválido!",
              {r.NOME, r.CNPJ});
        Check(util::MunicipioValido(r.COD_MUN),
              "(0-0100) CONTADOR %s: O código do município \"%s\" digitado é inválido!",
              {r.NOME, std::to_string(r.COD_MUN)});
        Check(!Vazio(r.NOME), "(0-0100) CONTADOR: O nome do contabilista/escritório é obrigatório!");
        Linha("0100")
            .T(r.NOME)
            .T(r.CPF)
            .T(r.CRC)
            .T(r.CNPJ)
            .T(r.CEP, 8)
            .T(r.ENDERECO)
            .T(r.NUM)
            .T(r.COMPL)
            .T(r.BAIRRO)
            .T(Telefone(r.FONE))
            .T(Telefone(r.FAX))
            .T(r.EMAIL)
            .I(r.COD_MUN, 7);
    }
    Registro0100Count += lista.Count();
}

void TBloco_0::WriteRegistro0110() {
    const TRegistro0110& r = FRegistro0001->Registro0110;
    const TRegistro0000& r0000 = *FRegistro0000;
    const bool cumulativo = r.COD_INC_TRIB == TCodIncTrib::codEscrOpIncCumulativo;
    const auto versao = static_cast<int>(r0000.COD_VER);
    if (versao >= static_cast<int>(TCodVer::vlVersao201)) {
        // The appropriation method belongs to non-cumulative credits, and the
        // cumulative regime's basis only to a cumulative, non-financial company.
        const bool semRegCum = !cumulativo || r0000.IND_ATIV == TIndAtiv::indAtivoFincanceira;
        Linha("0110")
            .C(Codigo(r.COD_INC_TRIB))
            .C(cumulativo ? std::string_view() : Codigo(r.IND_APRO_CRED))
            .C(Codigo(r.COD_TIPO_CONT))
            .C(semRegCum ? std::string_view() : Codigo(r.IND_REG_CUM));
    } else {
        // Up to 2.0.0 the register has no IND_REG_CUM; 1.0.0 writes the method as held.
        const bool semAproCred = cumulativo && versao >= static_cast<int>(TCodVer::vlVersao101);
        Linha("0110")
            .C(Codigo(r.COD_INC_TRIB))
            .C(semAproCred ? std::string_view() : Codigo(r.IND_APRO_CRED))
            .C(Codigo(r.COD_TIPO_CONT));
    }
    Registro0110Count += 1;
    if ((r.COD_INC_TRIB == TCodIncTrib::codEscrOpIncNaoCumulativo || r.COD_INC_TRIB == TCodIncTrib::codEscrOpIncAmbos) &&
        r.IND_APRO_CRED == TIndAproCred::indMetodoDeRateioProporcional)
        WriteRegistro0111();
}

void TBloco_0::WriteRegistro0111() {
    const TRegistro0111& r = FRegistro0001->Registro0110.Registro0111;
    Linha("0111")
        .N(r.REC_BRU_NCUM_TRIB_MI)
        .N(r.REC_BRU_NCUM_NT_MI)
        .N(r.REC_BRU_NCUM_EXP)
        .N(r.REC_BRU_CUM)
        .N(r.REC_BRU_TOTAL);
    Registro0111Count += 1;
}

void TBloco_0::WriteRegistro0120() {
    const TRegistro0120List& lista = FRegistro0001->Registro0120;
    for (const TRegistro0120& r : lista)
        Linha("0120").T(r.MES_DISPENSA, 6).T(r.INF_COMP);
    Registro0120Count += lista.Count();
}

void TBloco_0::WriteRegistro0140() {
    const TRegistro0140List& lista = FRegistro0001->Registro0140;
    for (const TRegistro0140& r : lista) {
        Linha("0140")
            .T(r.COD_EST)
            .T(r.NOME)
            .T(r.CNPJ)
            .T(r.UF)
            .T(r.IE)
            .I(r.COD_MUN, 7)
            .T(r.IM)
            .T(r.SUFRAMA);
        WriteRegistro0145(r.Registro0145);
        WriteRegistro0150(r.Registro0150);
        WriteRegistro0190(r.Registro0190);
        WriteRegistro0200(r.Registro0200);
        WriteRegistro0400(r.Registro0400);
        WriteRegistro0450(r.Registro0450);
    }
    Registro0140Count += lista.Count();
}

void TBloco_0::WriteRegistro0145(const TRegistro0145& r) {
    if (Vazio(r.COD_INC_TRIB)) return;
    Linha("0145")
        .T(r.COD_INC_TRIB)
        .N(r.VL_REC_TOT)
        .N(r.VL_REC_ATIV)
        .N(r.VL_REC_DEMAIS_ATIV)
        .T(r.INFO_COMPL);
    Registro0145Count += 1;
}

void TBloco_0::WriteRegistro0150(const TRegistro0150List& lista) {
    for (const TRegistro0150& r : lista) {
        if (!Vazio(r.CNPJ))
            Check(util::CNPJValido(r.CNPJ), "(0-0150) %s-%s, o CNPJ \"%s\" digitado é inválido!",
                  {r.COD_PART, r.NOME, r.CNPJ});
        if (!Vazio(r.CPF))
            Check(util::CPFValido(r.CPF), "(0-0150) %s-%s, o CPF \"%s\" digitado é inválido!",
                  {r.COD_PART, r.NOME, r.CPF});
        Check(!Vazio(r.NOME), "(0-0150) O nome do participante é obrigatório!");
        // The municipality only exists for a participant in Brazil.
        const bool brasil = r.COD_PAIS == "01058" || r.COD_PAIS == "1058";
        auto linha = Linha("0150");
        linha.T(r.COD_PART).T(r.NOME).T(r.COD_PAIS).T(r.CNPJ).T(r.CPF).T(r.IE);
        if (brasil)
            linha.I(r.COD_MUN, 7);
        else
            linha.T("");
        linha.T(r.SUFRAMA).T(r.ENDERECO).T(r.NUM).T(r.COMPL).T(r.BAIRRO);
    }
    Registro0150Count += lista.Count();
}

void TBloco_0::WriteRegistro0190(const TRegistro0190List& lista) {
    for (const TRegistro0190& r : lista)
        Linha("0190").T(r.UNID).T(r.DESCR);
    Registro0190Count += lista.Count();
}

void TBloco_0::WriteRegistro0200(const TRegistro0200List& lista) {
    for (const TRegistro0200& r : lista) {
        if (!Vazio(r.COD_GEN))
            Check(util::GeneroValido(r.COD_GEN), "(0-0200) O código do gênero \"%s\" digitado é inválido!",
                  {r.COD_GEN});
        Linha("0200")
            .T(r.COD_ITEM)
            .T(r.DESCR_ITEM)
            .T(r.COD_BARRA)
            .T(r.COD_ANT_ITEM)
            .T(r.UNID_INV)
            .C(Codigo(r.TIPO_ITEM))
            .T(r.COD_NCM)
            .T(r.EX_IPI)
            .T(r.COD_GEN)
            .T(r.COD_LST)
            .VN(r.ALIQ_ICMS, 6, 2);
        WriteRegistro0205(r.Registro0205);
        WriteRegistro0206(r.Registro0206);
        WriteRegistro0208(r.Registro0208);
    }
    Registro0200Count += lista.Count();
}

void TBloco_0::WriteRegistro0205(const TRegistro0205List& lista) {
    for (const TRegistro0205& r : lista)
        Linha("0205").T(r.DESCR_ANT_ITEM).D(r.DT_INI).D(r.DT_FIM).T(r.COD_ANT_ITEM);
    Registro0205Count += lista.Count();
}

void TBloco_0::WriteRegistro0206(const TRegistro0206& r) {
    if (Vazio(r.COD_COMB)) return;
    Linha("0206").T(r.COD_COMB);
    Registro0206Count += 1;
}

void TBloco_0::WriteRegistro0208(const TRegistro0208& r) {
    if (r.COD_TAB == TIndCodIncidencia::codIndiTabNaoTem) return;
    Linha("0208").C(Codigo(r.COD_TAB)).T(r.COD_GRU).T(r.MARCA_COM);
    Registro0208Count += 1;
}

void TBloco_0::WriteRegistro0400(const TRegistro0400List& lista) {
    for (const TRegistro0400& r : lista)
        Linha("0400").T(r.COD_NAT).T(r.DESCR_NAT);
    Registro0400Count += lista.Count();
}

void TBloco_0::WriteRegistro0450(const TRegistro0450List& lista) {
    for (const TRegistro0450& r : lista)
        Linha("0450").T(r.COD_INF).T(r.TXT);
    Registro0450Count += lista.Count();
}

void TBloco_0::WriteRegistro0500() {
    // Natures the layout knows for an account or group of accounts.
    static constexpr std::string_view kNaturezas[] = {"01", "02", "03", "04", "05", "09", "10", "99"};
    const TRegistro0500List& lista = FRegistro0001->Registro0500;
    for (const TRegistro0500& r : lista) {
        const std::string_view natureza = Codigo(r.COD_NAT_CC);
        const std::string_view indicador = Codigo(r.IND_CTA);
        Check(std::find(std::begin(kNaturezas), std::end(kNaturezas), natureza) != std::end(kNaturezas),
              "(0-0500) O código da natureza da conta/grupo de contas \"%s\" digitado é inválido!",
              {std::string(natureza)});
        Check(indicador == "S" || indicador == "A",
              "(0-0500) O indicador \"%s\" do tipo de conta, deve ser informado  S ou A!", {std::string(indicador)});
        Linha("0500")
            .D(r.DT_ALT)
            .C(natureza)
            .T(indicador, 1)
            .T(r.NIVEL)
            .T(r.COD_CTA)
            .T(r.NOME_CTA)
            .T(r.COD_CTA_REF)
            .T(r.CNPJ_EST);
    }
    Registro0500Count += lista.Count();
}

void TBloco_0::WriteRegistro0600() {
    const TRegistro0600List& lista = FRegistro0001->Registro0600;
    for (const TRegistro0600& r : lista)
        Linha("0600").D(r.DT_ALT).T(r.COD_CCUS).T(r.CCUS);
    Registro0600Count += lista.Count();
}

void TBloco_0::WriteRegistro0900() {
    const TRegistro0900* r = FRegistro0001->Registro0900.get();
    if (!r) return;
    Linha("0900")
        .F(r->REC_TOTAL_BLOCO_A, 2)
        .V(r->REC_NRB_BLOCO_A, 2)
        .F(r->REC_TOTAL_BLOCO_C, 2)
        .V(r->REC_NRB_BLOCO_C, 2)
        .F(r->REC_TOTAL_BLOCO_D, 2)
        .V(r->REC_NRB_BLOCO_D, 2)
        .F(r->REC_TOTAL_BLOCO_F, 2)
        .V(r->REC_NRB_BLOCO_F, 2)
        .F(r->REC_TOTAL_BLOCO_I, 2)
        .V(r->REC_NRB_BLOCO_I, 2)
        .F(r->REC_TOTAL_BLOCO_1, 2)
        .V(r->REC_NRB_BLOCO_1, 2)
        .F(r->REC_TOTAL_PERIODO, 2)
        .V(r->REC_TOTAL_NRB_PERIODO, 2);
    Registro0900Count += 1;
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
