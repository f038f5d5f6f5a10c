#include "export/Exportacao.h"

#include <filesystem>

#include "erpdata/ContextoERP.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"
#include "export/ConsultaDocumentos.h"
#include "export/ExportacaoInterno.h"
#include "export/Regras.h"
#include "util/Util.h"

namespace exportacao {

using efd::TIndMov;

namespace {

// The database-wait pointer for the length of a scope, restored on every way out.
class CursorDeEspera {
public:
    explicit CursorDeEspera(TInterfaceExportacao& ui) : ui_(ui) { ui_.CursorEspera(true); }
    ~CursorDeEspera() { ui_.CursorEspera(false); }

private:
    TInterfaceExportacao& ui_;
};

bool EhUm(const std::string& v, std::initializer_list<const char*> codigos) {
    for (const char* c : codigos)
        if (v == c) return true;
    return false;
}

}  // namespace

TExportacao::TExportacao(erpdata::TContextoERP& ctx, TInterfaceExportacao& ui) : ctx_(ctx), ui_(ui) {}

TExportacao::~TExportacao() = default;

TRelatorioExportacao TExportacao::Executa(const TEntradasExportacao& entradas) {
    TRelatorioExportacao relatorio;
    e_ = &entradas;
    // Every run starts from nothing: tables, key list, queries and writer.
    st_ = std::make_unique<Estado>();
    col_.reset();
    sped_ = std::make_unique<efd::TGeradorEFD>();
    sped_->AoGravarLote([this] { ui_.GravandoArquivo(); });
    sped_->OnError([this](const std::string& m) {
        st_->avisos.push_back(m);
        ui_.AvisoDados(m);
    });
    auto* db = &ctx_.Banco();
    QryNota = std::make_unique<erpdata::TTIQuery>(db);
    QryAux = std::make_unique<erpdata::TTIQuery>(db);
    QryReceber = std::make_unique<erpdata::TTIQuery>(db);
    QryCtaNatureza = std::make_unique<erpdata::TTIQuery>(db);
    QryCtaContabil = std::make_unique<erpdata::TTIQuery>(db);
    ctx_.IniciaExecucao();

    if (Apara(entradas.EdtArq).empty()) {
        ui_.Mensagem("Arquivo Inválido.");
        ui_.Foca(TControle::EdtArq);
        return relatorio;
    }
    if (Apara(entradas.EdtLocal).empty()) {
        ui_.Mensagem("Local Inválido.");
        ui_.Foca(TControle::EdtLocal);
        return relatorio;
    }
    // A missing date would only be refused by the writer after the whole query
    // ran (and an empty start would read every document up to the end date).
    if (entradas.dtEntIni.Vazia())
        throw efd::EGeradorEFDErro("Informe a data inicial das informações contidas no arquivo!");
    if (entradas.dtEntFim.Vazia())
        throw efd::EGeradorEFDErro("Informe a data final das informações contidas no arquivo!");

    // Folder, separator and name joined as typed; a folder that already ends in a
    // separator gives a doubled one, which names the same file. A destination that
    // cannot take the file is refused now, not after the whole query ran.
    sped_->Arquivo(entradas.EdtLocal + static_cast<char>(std::filesystem::path::preferred_separator) +
                   entradas.EdtArq);
    sped_->ConfereDestino();

    {
        CursorDeEspera espera(ui_);
        ctx_.EntradaEmpresa = entradas.empresa;
        ctx_.sEmp = ctx_.NomeTabela("");
        CarregaContas();
        MontaSQL();
        col_ = std::make_unique<Colunas>(*QryNota);
        const int64_t total = QryNota->RecordCount();
        relatorio.linhasConsulta = total;
        ui_.IniciaProgresso(total);
        QryNota->First();

        sped_->DT_INI(entradas.dtEntIni);
        sped_->DT_FIN(entradas.dtEntFim);
        CriaRegistrosAbertura();

        while (!QryNota->Eof()) {
            ProcessaLinha();
            if (QryNota->RecNo() == total) GeraRegistrosBlocoM();
            ui_.AvancaProgresso();
            QryNota->Next();
        }
        FechaDocumentos();

        if (entradas.CbF100)
            GeraF100();
        else
            sped_->Bloco_F().RegistroF001().IND_MOV = TIndMov::imSemDados;
        sped_->Bloco_D().RegistroD001().IND_MOV = TIndMov::imComDados;
    }

    sped_->IniciaGeracao();
    sped_->WriteBloco_9();
    sped_->LinhasBuffer(1000);
    sped_->DT_INI(entradas.dtEntIni);
    sped_->DT_FIN(entradas.dtEntFim);
    sped_->SaveFileTXT();

    relatorio.resultado = TResultadoExportacao::Gerado;
    relatorio.arquivo = sped_->ArquivoCompleto();
    relatorio.avisos = st_->avisos;
    return relatorio;
}

void TExportacao::MontaSQL() {
    TParametrosDocumentos p;
    p.inicio = e_->dtEntIni;
    p.fim = e_->dtEntFim;
    p.codigoEmpresa = ctx_.sEmp;
    p.nota = e_->EdtNota;
    p.zerado = e_->cbZerado;
    QryNota->Close();
    QryNota->AoBuscarLinhas = [this](int64_t linhas) { ui_.BuscandoLinhas(linhas); };
    QryNota->BuscaEmSegundoPlano = ui_.BuscaEmSegundoPlano();
    QryNota->SetSQL(JuntaLinhas(MontaSQLDocumentos(p, [this](const std::string& t) { return ctx_.NomeTabela(t); })));
    QryNota->Open();
}

void TExportacao::LeEmpresa() {
    Estado& st = *st_;
    if (!QryNota->IsEmpty()) {
        // The company's values come from the documents query's first row.
        st.empresaNome = col_->EMP_NOME.AsString();
        st.empresaCnpj = util::LimpaPontuacao(col_->CNPJ_EMP.AsString());
        st.empresaUf = col_->ESTADO.AsString();
        st.empresaMunicipio = InteiroOuZero(col_->EMP_CIDADE.AsString());
        return;
    }
    // A period without documents still belongs to the company: its name, CNPJ, state
    // and municipality come from EMPRESA, so that the file identifies it.
    QryAux->Close();
    QryAux->SetSQL("SELECT EMPRESA.EMP_NOME, EMPRESA.EMP_CNPJ, EMPRESA.EMP_ESTADO, CID_EMP.COD_CID\r\n"
                   "FROM EMPRESA EMPRESA\r\n"
                   "LEFT JOIN " + ctx_.NomeTabela("CADCEP") + " CID_EMP ON (EMPRESA.EMP_CEP = CID_EMP.CEP)\r\n"
                   "WHERE EMPRESA.EMP_PAT = " + erpdata::TContextoERP::Aspas(ctx_.sEmp));
    QryAux->Open();
    if (QryAux->IsEmpty()) return;
    st.empresaNome = QryAux->FieldByName("EMP_NOME").AsString();
    st.empresaCnpj = util::LimpaPontuacao(QryAux->FieldByName("EMP_CNPJ").AsString());
    st.empresaUf = QryAux->FieldByName("EMP_ESTADO").AsString();
    st.empresaMunicipio = InteiroOuZero(QryAux->FieldByName("COD_CID").AsString());
}

void TExportacao::CriaRegistrosAbertura() {
    LeEmpresa();
    const std::string& nome = st_->empresaNome;
    const std::string& cnpj = st_->empresaCnpj;
    const std::string& uf = st_->empresaUf;
    const int32_t codMun = st_->empresaMunicipio;

    efd::TGeradorEFD& s = *sped_;
    s.Bloco_1().Registro1001New()->IND_MOV = TIndMov::imSemDados;

    efd::TRegistro0000& r0000 = *s.Bloco_0().Registro0000New();
    r0000.COD_VER = efd::TCodVer::vlVersao320;
    r0000.TIPO_ESCRIT = efd::TTipoEscrit::tpEscrOriginal;
    r0000.IND_SIT_ESP = efd::TIndSitEsp::indSitAbertura;
    r0000.NUM_REC_ANTERIOR.clear();
    r0000.DT_INI = e_->dtEntIni;
    r0000.DT_FIN = e_->dtEntFim;
    r0000.NOME = nome;
    r0000.CNPJ = cnpj;
    r0000.UF = uf;
    r0000.COD_MUN = codMun;
    r0000.SUFRAMA.clear();
    r0000.IND_NAT_PJ = efd::TIndNatPJ::indNatPJSocEmpresariaGeral;
    r0000.IND_ATIV = efd::TIndAtiv::indAtivIndustrial;

    s.Bloco_0().Registro0001New()->IND_MOV = TIndMov::imComDados;
    GeraRegistro0100();

    efd::TRegistro0140& r0140 = *s.Bloco_0().Registro0140New();
    r0140.COD_EST = cnpj.substr(0, 8);
    r0140.NOME = nome;
    r0140.CNPJ = cnpj;
    r0140.UF = uf;
    r0140.IE.clear();
    r0140.COD_MUN = codMun;
    r0140.IM.clear();
    r0140.SUFRAMA.clear();

    efd::TRegistro0110& r0110 = *s.Bloco_0().Registro0110New();
    r0110.COD_INC_TRIB = efd::TCodIncTrib::codEscrOpIncNaoCumulativo;
    r0110.IND_APRO_CRED = efd::TIndAproCred::indMetodoApropriacaoDireta;
    r0110.COD_TIPO_CONT = efd::TCodTipoCont::codIndTipoConExclAliqBasica;
    r0110.IND_REG_CUM = efd::TIndRegCum::codRegimeCompetEscritDetalhada;

    s.Bloco_A().RegistroA010New()->CNPJ = cnpj;
    s.Bloco_A().RegistroA001New()->IND_MOV = TIndMov::imSemDados;
    efd::TRegistroC010& c010 = *s.Bloco_C().RegistroC010New();
    c010.CNPJ = cnpj;
    c010.IND_ESCRI = efd::TIndEscrituracao::IndEscriIndividualizado;
    s.Bloco_D().RegistroD010New()->CNPJ = cnpj;
}

void TExportacao::ProcessaLinha() {
    const Colunas& c = *col_;
    st_->numeroDocumento = NumeroDocumento(c.TP_EMI.AsString(), c.NOTA.AsString());
    const std::string abrevi = c.ABREVI.AsString();
    efd::TGeradorEFD& s = *sped_;
    // Model codes are compared exactly: "1b" or " 55" match nothing.
    if (EhUm(abrevi, {"55", "65", "01", "1B", "04"})) {
        s.Bloco_C().RegistroC001().IND_MOV = TIndMov::imComDados;
        GeraC100();
    } else if (EhUm(abrevi, {"06", "28", "29"})) {
        s.Bloco_C().RegistroC001().IND_MOV = TIndMov::imComDados;
        GeraC500();
    } else if (EhUm(abrevi, {"07", "08", "8B", "09", "10", "11", "26", "27", "57"})) {
        s.Bloco_D().RegistroD001().IND_MOV = TIndMov::imComDados;
        GeraD100();
    } else if (EhUm(abrevi, {"22", "21"})) {
        s.Bloco_D().RegistroD001().IND_MOV = TIndMov::imComDados;
        GeraD500();
    } else if (abrevi == "99") {
        GeraBlocoA();
    }
    // Every row counts for block M, whatever its model.
    s.Bloco_M().RegistroM001().IND_MOV = TIndMov::imComDados;
    AcumulaBlocoM();
}

}  // namespace exportacao
