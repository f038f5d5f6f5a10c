// sped-contribuicoes-cli: the export run without the window, for scripts.
//
//   sped-contribuicoes-cli [--config ARQUIVO.ini] [--empresa EMP_PAT] [--inicio DD/MM/AAAA]
//       [--fim DD/MM/AAAA] [--local PASTA] [--arquivo NOME] [--nota NUMERO] [--f100]
//       [--zerado] [--itens-nfce] [--c175] [--contador CODIGO]
//
// Defaults are the window's: the configuration beside the program, the first company,
// the previous calendar month, the folder "SPED" beside the program and the default
// file name, the company's settings from SPED_CONFIG. On success it prints
// "Arquivo Gerado." and the file's full path on stdout and exits 0; messages and data
// checks go to stderr prefixed "aviso: "; an error exits 1, a usage error 2.
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "erpdata/ConfigBanco.h"
#include "erpdata/ContextoERP.h"
#include "erpdata/TIDatabase.h"
#include "export/Exportacao.h"
#include "export/Inicializacao.h"
#include "util/Sistema.h"

namespace {

constexpr const char* kUso =
    "uso: sped-contribuicoes-cli [--config ARQUIVO.ini] [--empresa EMP_PAT] [--inicio DD/MM/AAAA]\n"
    "         [--fim DD/MM/AAAA] [--local PASTA] [--arquivo NOME] [--nota NUMERO] [--f100]\n"
    "         [--zerado] [--itens-nfce] [--c175] [--contador CODIGO]\n";

struct ErroDeUso {
    std::string mensagem;
};

// Messages and progress on stderr; progress only when stderr is a terminal.
class InterfaceTerminal : public exportacao::TInterfaceExportacao {
public:
    InterfaceTerminal() : terminal_(::isatty(STDERR_FILENO) != 0) {}
    void Mensagem(const std::string& texto) override { std::cerr << "aviso: " << texto << "\n"; }
    void AvisoDados(const std::string& texto) override {
        LimpaProgresso();
        std::cerr << "aviso: " << texto << "\n";
    }
    void IniciaProgresso(int64_t maximo) override {
        maximo_ = maximo;
        feitos_ = 0;
    }
    void AvancaProgresso() override {
        ++feitos_;
        if (!terminal_) return;
        const auto agora = std::chrono::steady_clock::now();
        if (feitos_ != maximo_ && agora - ultimo_ < std::chrono::milliseconds(200)) return;
        ultimo_ = agora;
        std::fprintf(stderr, "\rlendo documentos: %lld de %lld linhas", static_cast<long long>(feitos_),
                     static_cast<long long>(maximo_));
        std::fflush(stderr);
        mostrando_ = true;
    }
    void LimpaProgresso() {
        if (!mostrando_) return;
        std::fprintf(stderr, "\n");
        mostrando_ = false;
    }

private:
    bool terminal_;
    bool mostrando_ = false;
    int64_t maximo_ = 0;
    int64_t feitos_ = 0;
    std::chrono::steady_clock::time_point ultimo_{};
};

// Why a file that exists cannot be read: a folder under its name, or the system's
// error on opening it.
std::string MotivoArquivoIlegivel(const std::filesystem::path& arquivo) {
    std::error_code ec;
    if (std::filesystem::is_directory(arquivo, ec)) return "o caminho é uma pasta";
    errno = 0;
    if (std::FILE* f = std::fopen(arquivo.string().c_str(), "rb")) {
        std::fclose(f);
        return "não é um arquivo comum";
    }
    return util::DescricaoErroSistema(errno ? errno : EIO);
}

util::Data LeData(const std::string& opcao, const std::string& texto) {
    const auto d = util::Data::Parse(texto);
    if (!d) throw ErroDeUso{"data inválida em " + opcao + ": \"" + texto + "\" (use DD/MM/AAAA)"};
    return *d;
}

}  // namespace

int main(int argc, char** argv) {
    exportacao::FixaHojePeloAmbiente();
    std::optional<std::string> config, empresa, inicio, fim, local, arquivo, nota, contador;
    exportacao::TEntradasExportacao e;
    InterfaceTerminal ui;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string a = argv[i];
            auto valor = [&]() -> std::string {
                if (i + 1 >= argc) throw ErroDeUso{"falta o valor de " + a};
                return argv[++i];
            };
            if (a == "--config") config = valor();
            else if (a == "--empresa") empresa = valor();
            else if (a == "--inicio") inicio = valor();
            else if (a == "--fim") fim = valor();
            else if (a == "--local") local = valor();
            else if (a == "--arquivo") arquivo = valor();
            else if (a == "--nota") nota = valor();
            else if (a == "--contador") contador = valor();
            else if (a == "--f100") e.CbF100 = true;
            else if (a == "--zerado") e.cbZerado = true;
            else if (a == "--itens-nfce") e.CbItensNFCe = true;
            else if (a == "--c175") e.cbC175 = true;
            else if (a == "--help" || a == "-h") {
                std::cout << kUso;
                return 0;
            } else throw ErroDeUso{"opção desconhecida: " + a};
        }
        // The period: the previous month unless given; a start alone runs to the end of its month.
        const auto padrao = exportacao::PeriodoPadrao(util::Data::Hoje());
        e.dtEntIni = inicio ? LeData("--inicio", *inicio) : padrao.first;
        e.dtEntFim = fim ? LeData("--fim", *fim) : (inicio ? e.dtEntIni.UltimoDiaDoMes() : padrao.second);
        if (e.dtEntFim < e.dtEntIni)
            throw ErroDeUso{"a data final (" + e.dtEntFim.Formata("dd/mm/yyyy") + ") é anterior à inicial (" +
                            e.dtEntIni.Formata("dd/mm/yyyy") + ")"};
        e.EdtArq = arquivo ? *arquivo : exportacao::NomeArquivoPadrao(e.dtEntFim);
        e.EdtLocal = local ? *local : exportacao::DefinePastaSPED(util::PastaDoPrograma());
        if (nota) e.EdtNota = *nota;
    } catch (const ErroDeUso& erro) {
        std::cerr << "sped-contribuicoes-cli: " << erro.mensagem << "\n" << kUso;
        return 2;
    }

    try {
        const std::filesystem::path arquivoConfig =
            config ? std::filesystem::path(*config) : erpdata::LocalizaArquivoConfig(util::PastaDoPrograma());
        if (!std::filesystem::exists(arquivoConfig)) {
            std::cerr << "erro: arquivo de configuração não encontrado: " << arquivoConfig.string() << "\n";
            return 1;
        }
        erpdata::TTIDatabase db;
        std::string erroConexao;
        if (!erpdata::ConectaBanco(db, arquivoConfig, [&](const std::string& m) { erroConexao = m; })) {
            // ConectaBanco is silent about a file it cannot read, as about a missing one.
            if (erroConexao.empty())
                erroConexao = "não foi possível ler o arquivo de configuração " + arquivoConfig.string() + ": " +
                              MotivoArquivoIlegivel(arquivoConfig);
            std::cerr << "erro: " << erroConexao << "\n";
            return 1;
        }
        erpdata::TContextoERP ctx(db);
        ctx.CarregaArqLocal();
        const auto empresas = exportacao::ListaEmpresas(ctx);
        if (empresas.empty()) {
            std::cerr << "erro: nenhuma empresa cadastrada na tabela EMPRESA.\n";
            return 1;
        }
        e.empresa = empresas.front();
        if (empresa) {
            e.empresa.clear();
            for (const auto& entrada : empresas)
                if (entrada.compare(0, entrada.find(" - "), *empresa) == 0) e.empresa = entrada;
            if (e.empresa.empty()) {
                std::cerr << "sped-contribuicoes-cli: empresa não encontrada: " << *empresa << "\n" << kUso;
                return 2;
            }
        }
        ctx.EntradaEmpresa = e.empresa;
        e.config = exportacao::CarregaConfiguracoes(ctx, ctx.CodigoEmpresa());
        if (contador) e.config.EdtContador = *contador;

        exportacao::TExportacao exportacao(ctx, ui);
        const exportacao::TRelatorioExportacao r = exportacao.Executa(e);
        ui.LimpaProgresso();
        if (r.resultado != exportacao::TResultadoExportacao::Gerado) return 2;
        std::cout << "Arquivo Gerado.\n" << r.arquivo << "\n";
        return 0;
    } catch (const std::exception& erro) {
        ui.LimpaProgresso();
        std::cerr << "erro: " << erro.what() << "\n";
        return 1;
    }
}
