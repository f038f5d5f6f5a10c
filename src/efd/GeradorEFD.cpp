#include "efd/GeradorEFD.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "util/Sistema.h"

namespace efd {
namespace {

namespace fs = std::filesystem;

bool EhSeparador(char c) { return c == '\\' || c == '/'; }

std::string Apara(const std::string& s) {
    size_t ini = 0, fim = s.size();
    while (ini < fim && static_cast<unsigned char>(s[ini]) <= 32) ++ini;
    while (fim > ini && static_cast<unsigned char>(s[fim - 1]) <= 32) --fim;
    return s.substr(ini, fim - ini);
}

// A path typed by a user may use "\" or "/"; outside Windows both are separators.
std::string CaminhoNativo(std::string caminho) {
#ifndef _WIN32
    for (char& c : caminho)
        if (c == '\\') c = '/';
#endif
    return caminho;
}

const util::Data k1Jan2014 = util::Data::FromYMD(2014, 1, 1);

}  // namespace

TGeradorEFD::TGeradorEFD() {
    FArquivoTXT.LinhasBuffer(1000);
    FBloco_0 = std::make_unique<TBloco_0>();
    FBloco_A = std::make_unique<TBloco_A>();
    FBloco_C = std::make_unique<TBloco_C>();
    FBloco_D = std::make_unique<TBloco_D>();
    FBloco_F = std::make_unique<TBloco_F>();
    FBloco_I = std::make_unique<TBloco_I>();
    FBloco_M = std::make_unique<TBloco_M>();
    FBloco_P = std::make_unique<TBloco_P>();
    FBloco_1 = std::make_unique<TBloco_1>();
    FBloco_9 = std::make_unique<TBloco_9>();
    AplicaPadroesAbertura();
    FBloco_1->Bloco_0 = FBloco_A->Bloco_0 = FBloco_C->Bloco_0 = FBloco_D->Bloco_0 = FBloco_F->Bloco_0 =
        FBloco_I->Bloco_0 = FBloco_M->Bloco_0 = FBloco_P->Bloco_0 = FBloco_0.get();
    Path(util::PastaDoPrograma());
    Delimitador("|");
    // The delimiter inside a text value would split the field and shift every later
    // field of the line, so text values lose it.
    ReplaceDelimitador(true);
    CurMascara("#0.00");
    TrimString(true);
    FEventsBloco_C = std::make_unique<TEventsBloco_C>(*FBloco_C);
}

TGeradorEFD::~TGeradorEFD() { DescartaAntecipado(); }

template <class F>
void TGeradorEFD::ParaCadaBloco(F&& f) {
    f(static_cast<TBlocoSPED&>(*FBloco_0));
    f(static_cast<TBlocoSPED&>(*FBloco_A));
    f(static_cast<TBlocoSPED&>(*FBloco_C));
    f(static_cast<TBlocoSPED&>(*FBloco_D));
    f(static_cast<TBlocoSPED&>(*FBloco_F));
    f(static_cast<TBlocoSPED&>(*FBloco_I));
    f(static_cast<TBlocoSPED&>(*FBloco_M));
    f(static_cast<TBlocoSPED&>(*FBloco_P));
    f(static_cast<TBlocoSPED&>(*FBloco_1));
    f(static_cast<TBlocoSPED&>(*FBloco_9));
}

void TGeradorEFD::AplicaPadroesAbertura() {
    for (TBlocoSPED* b : std::initializer_list<TBlocoSPED*>{FBloco_A.get(), FBloco_C.get(), FBloco_D.get(),
                                                           FBloco_F.get(), FBloco_I.get(), FBloco_M.get(),
                                                           FBloco_P.get(), FBloco_1.get()})
        b->RegistroAbertura()->IND_MOV = TIndMov::imSemDados;
}

void TGeradorEFD::DT_INI(util::Data v) {
    FDT_INI = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.DT_INI(v); });
    FBloco_0->Registro0000().DT_INI = v;
}

void TGeradorEFD::DT_FIN(util::Data v) {
    FDT_FIN = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.DT_FIN(v); });
    FBloco_0->Registro0000().DT_FIN = v;
}

void TGeradorEFD::Delimitador(const std::string& v) {
    FDelimitador = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.Delimitador(v); });
}

void TGeradorEFD::ReplaceDelimitador(bool v) {
    FReplaceDelimitador = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.ReplaceDelimitador(v); });
}

void TGeradorEFD::TrimString(bool v) {
    FTrimString = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.TrimString(v); });
}

void TGeradorEFD::CurMascara(const std::string& v) {
    FCurMascara = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.CurMascara(v); });
}

void TGeradorEFD::AoGravarLote(std::function<void()> v) {
    FAoGravarLote = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.AoGravarLote(v); });
    FArquivoTXT.AoGravarLote(v);
}

void TGeradorEFD::OnError(TErrorEvent v) {
    FOnError = v;
    ParaCadaBloco([&](TBlocoSPED& b) { b.OnError(v); });
    FArquivoTXT.OnError(v);
}

void TGeradorEFD::Path(const std::string& v) {
    FPath = Apara(v);
    if (!FPath.empty() && !EhSeparador(FPath.back()))
        FPath += static_cast<char>(fs::path::preferred_separator);
}

void TGeradorEFD::Arquivo(const std::string& v) {
    if (v == FArquivo) return;
    const size_t corte = v.find_last_of("\\/:");
    if (corte == std::string::npos) {
        FArquivo = v;
        return;
    }
    FArquivo = v.substr(corte + 1);
    // A drive letter alone ("C:x.txt") names no folder to keep.
    if (EhSeparador(v[corte])) Path(v.substr(0, corte + 1));
}

std::string TGeradorEFD::ArquivoCompleto() const { return CaminhoNativo(FPath + FArquivo); }

std::string TGeradorEFD::ArquivoTemporario() const { return ArquivoCompleto() + ".parcial"; }

void TGeradorEFD::ConfereDestino() const {
    if (Apara(FArquivo).empty() || Apara(FPath).empty())
        throw EGeradorEFDErro("Caminho ou nome do arquivo não informado!");
    const fs::path final = ArquivoCompleto();
    std::error_code ec;
    const fs::path pasta = final.parent_path();
    if (!pasta.empty() && !fs::is_directory(pasta, ec)) {
        if (fs::exists(pasta, ec))
            throw EGeradorEFDErro("A pasta de destino \"" + pasta.string() + "\" é um arquivo, não uma pasta.");
        throw EGeradorEFDErro("A pasta de destino \"" + pasta.string() + "\" não existe.");
    }
    if (fs::is_directory(final, ec))
        throw EGeradorEFDErro("O caminho \"" + final.string() + "\" é uma pasta, não um arquivo.");
}

void TGeradorEFD::AntecipaBloco_C() {
    TBloco_C& c = *FBloco_C;
    if (c.Gravado() || c.RegistroC001().IND_MOV != TIndMov::imComDados) return;
    ConfereDestino();
    // The block's lines so far go to their own file beside the output; the records
    // written are freed. WriteBloco_C puts that file in its place in the output.
    // Its name is fixed by the first call: Path or Arquivo may change later.
    if (!FBlocoCAntecipado) {
        FArquivoAntecipadoC = ArquivoCompleto() + ".C.parcial";
        c.NomeArquivo(FArquivoAntecipadoC);
        c.Reset();
    }
    c.LinhasBuffer(FArquivoTXT.LinhasBuffer());
    if (!c.AntecipaDocumentos()) return;
    c.WriteBuffer();
    c.LimpaConteudo();
    FBlocoCAntecipado = true;
}

void TGeradorEFD::DescartaAntecipado() {
    if (!FBlocoCAntecipado) return;
    std::error_code ec;
    fs::remove(FArquivoAntecipadoC, ec);
    FBlocoCAntecipado = false;
}

void TGeradorEFD::InsereAntecipado() {
    // The rest of block C goes to the output, also when it was written ahead
    // after the generation had started.
    FBloco_C->NomeArquivo(FArquivoTXT.NomeArquivo());
    if (!FBlocoCAntecipado) return;
    std::ifstream in(FArquivoAntecipadoC, std::ios::binary);
    std::ofstream out(FArquivoTXT.NomeArquivo(), std::ios::binary | std::ios::app);
    if (!in || !out)
        throw EGeradorEFDErro("Não foi possível gravar o arquivo \"" + FArquivoTXT.NomeArquivo() +
                              "\": " + util::DescricaoErroSistema(errno));
    // In pieces: the lines written ahead can be a good part of a large file.
    std::vector<char> pedaco(1 << 20);
    while (in.read(pedaco.data(), static_cast<std::streamsize>(pedaco.size())) || in.gcount() > 0) {
        out.write(pedaco.data(), in.gcount());
        if (!out) break;
        if (FAoGravarLote) FAoGravarLote();
    }
    out.flush();
    if (!out)
        throw EGeradorEFDErro("Erro ao gravar o arquivo \"" + FArquivoTXT.NomeArquivo() +
                              "\": " + util::DescricaoErroSistema(errno ? errno : EIO));
    out.close();
    in.close();
    DescartaAntecipado();
}

void TGeradorEFD::IniciaGeracao() {
    if (FInicializado) return;
    if (FDT_INI.Vazia()) throw EGeradorEFDErro("Informe a data inicial das informações contidas no arquivo!");
    if (FDT_FIN.Vazia()) throw EGeradorEFDErro("Informe a data final das informações contidas no arquivo!");
    if (Apara(FArquivo).empty() || Apara(FPath).empty())
        throw EGeradorEFDErro("Caminho ou nome do arquivo não informado!");

    // Problems with the destination are reported now, before any block is built.
    ConfereDestino();

    // The lines go to a temporary file beside the final one; a leftover of an
    // interrupted generation is removed first. The previous file stays untouched.
    // Both names are fixed here: a later change of Path or Arquivo does not move
    // a generation under way.
    FArquivoFinal = ArquivoCompleto();
    FArquivoTXT.NomeArquivo(ArquivoTemporario());
    FArquivoTXT.Reset();
    ParaCadaBloco([&](TBlocoSPED& b) {
        b.NomeArquivo(FArquivoTXT.NomeArquivo());
        b.LinhasBuffer(FArquivoTXT.LinhasBuffer());
        b.Gravado(false);
        b.LimpaConteudo();
    });

    const util::Data hoje = util::Data::Hoje();
    FArquivoTXT.Check(FDT_INI.Dia() == 1,
                      "CHECAGEM INICIAL: A data inicial deve corresponder ao primeiro dia do mês informado!");
    FArquivoTXT.Check(!(FDT_FIN < FDT_INI), "CHECAGEM INICIAL: A data final deve se maior que a data inicial!");
    FArquivoTXT.Check(!(hoje < FDT_FIN),
                      "CHECAGEM INICIAL: A data final \"%s\" não pode ser superior a data atual \"%s\"!",
                      {FDT_FIN.Formata("dd/mm/yyyy"), hoje.Formata("dd/mm/yyyy")});
    FArquivoTXT.Check(FDT_FIN == FDT_FIN.UltimoDiaDoMes(),
                      "CHECAGEM INICIAL: A data final deve corresponder ao último dia do mês informado!");

    // Block C's count already holds the lines it wrote ahead.
    ParaCadaBloco([&](TBlocoSPED& b) {
        if (!(FBlocoCAntecipado && &b == FBloco_C.get())) b.ZeraQtdLinhasBloco();
    });
    FBloco_9->Registro9990().QTD_LIN_9 = 0;
    FBloco_9->Registro9999().QTD_LIN = 0;
    FBloco_9->Registro9900().Clear();
    FInicializado = true;
}

template <class F>
void TGeradorEFD::Protegido(F&& escrita) {
    try {
        escrita();
    } catch (...) {
        // Nothing of a failed generation may be taken for a file: the temporary file
        // goes, and writing resumes only after a new IniciaGeracao.
        DescartaTemporario();
        DescartaAntecipado();
        ParaCadaBloco([](TBlocoSPED& b) { b.Gravado(false); });
        FInicializado = false;
        throw;
    }
}

void TGeradorEFD::AdicionaEntradas(const TBlocoSPED& bloco) {
    TEntradas9900 entradas;
    bloco.EntradasBloco9(entradas);
    for (const auto& [reg, qtd] : entradas.Itens()) FBloco_9->Adiciona9900(reg, qtd);
}

void TGeradorEFD::EscreveBloco(TBlocoSPED& bloco, std::string_view letra, void (TGeradorEFD::*anterior)(),
                               const std::function<void()>& abertura, const std::function<void()>& fechamento,
                               bool fechaBloco) {
    (this->*anterior)();
    abertura();
    const bool comDados = bloco.RegistroAbertura()->IND_MOV == TIndMov::imComDados;
    if (!comDados) fechaBloco = true;
    if (fechaBloco) {
        const std::string codigo(letra);
        FBloco_9->Adiciona9900(codigo + "001", 1);
        if (comDados) AdicionaEntradas(bloco);
        FBloco_9->Adiciona9900(codigo + "990", 1);
        fechamento();
    }
    bloco.WriteBuffer();
    bloco.LimpaConteudo();
    bloco.Gravado(fechaBloco);
}

void TGeradorEFD::WriteBloco_0() {
    Protegido([&] {
        if (FBloco_0->Gravado()) return;
        if (!FInicializado) throw EGeradorEFDErro("Métodos \"IniciaGeracao\" não foi executado");
        FBloco_9->Adiciona9900("0000", 1);
        FBloco_0->WriteRegistro0000();
        FBloco_0->WriteRegistro0001();
        FBloco_9->Adiciona9900("0001", 1);
        if (FBloco_0->Registro0001().IND_MOV == TIndMov::imComDados) AdicionaEntradas(*FBloco_0);
        FBloco_9->Adiciona9900("0990", 1);
        FBloco_0->WriteRegistro0990();
        FBloco_0->WriteBuffer();
        FBloco_0->LimpaConteudo();
        FBloco_0->Gravado(true);
    });
}

void TGeradorEFD::WriteBloco_A(bool FechaBloco) {
    Protegido([&] {
        if (FBloco_A->Gravado()) return;
        EscreveBloco(*FBloco_A, "A", &TGeradorEFD::WriteBloco_0, [&] { FBloco_A->WriteRegistroA001(); },
                     [&] { FBloco_A->WriteRegistroA990(); }, FechaBloco);
    });
}

void TGeradorEFD::WriteBloco_C(bool FechaBloco) {
    Protegido([&] {
        if (FBloco_C->Gravado()) return;
        EscreveBloco(*FBloco_C, "C", &TGeradorEFD::WriteBloco_DoA,
                     [&] {
                         // Lines written ahead come first, right after block A.
                         InsereAntecipado();
                         FBloco_C->WriteRegistroC001();
                     },
                     [&] { FBloco_C->WriteRegistroC990(); }, FechaBloco);
    });
}

void TGeradorEFD::WriteBloco_D() {
    Protegido([&] {
        if (FBloco_D->Gravado()) return;
        EscreveBloco(*FBloco_D, "D", &TGeradorEFD::WriteBloco_DoC, [&] { FBloco_D->WriteRegistroD001(); },
                     [&] { FBloco_D->WriteRegistroD990(); });
    });
}

void TGeradorEFD::WriteBloco_F() {
    Protegido([&] {
        if (FBloco_F->Gravado()) return;
        EscreveBloco(*FBloco_F, "F", &TGeradorEFD::WriteBloco_D, [&] { FBloco_F->WriteRegistroF001(); },
                     [&] { FBloco_F->WriteRegistroF990(); });
    });
}

void TGeradorEFD::WriteBloco_I() {
    Protegido([&] {
        // Block I exists from January 2014 on.
        if (FDT_INI < k1Jan2014) return;
        if (FBloco_I->Gravado()) return;
        // Block I sits between F and M; it is not in the chain, so a later block
        // never writes it, but it makes sure F (and what precedes F) is written.
        EscreveBloco(*FBloco_I, "I", &TGeradorEFD::WriteBloco_F, [&] { FBloco_I->WriteRegistroI001(); },
                     [&] { FBloco_I->WriteRegistroI990(); });
    });
}

void TGeradorEFD::WriteBloco_M() {
    Protegido([&] {
        if (FBloco_M->Gravado()) return;
        EscreveBloco(*FBloco_M, "M", &TGeradorEFD::WriteBloco_F, [&] { FBloco_M->WriteRegistroM001(); },
                     [&] { FBloco_M->WriteRegistroM990(); });
    });
}

void TGeradorEFD::WriteBloco_P() {
    Protegido([&] {
        WriteBloco_M();
        if (FBloco_P->Gravado()) return;
        // A block P with data needs the 0145 of its establishment; without one no
        // block P is written at all.
        const bool semDados = FBloco_P->RegistroP001().IND_MOV == TIndMov::imSemDados;
        if (!(FBloco_0->Registro0145Count > 0 || semDados)) return;
        EscreveBloco(*FBloco_P, "P", &TGeradorEFD::WriteBloco_M, [&] { FBloco_P->WriteRegistroP001(); },
                     [&] { FBloco_P->WriteRegistroP990(); });
    });
}

void TGeradorEFD::WriteBloco_1() {
    Protegido([&] {
        if (FBloco_1->Gravado()) return;
        EscreveBloco(*FBloco_1, "1", &TGeradorEFD::WriteBloco_P, [&] { FBloco_1->WriteRegistro1001(); },
                     [&] { FBloco_1->WriteRegistro1990(); });
    });
}

void TGeradorEFD::WriteBloco_9() {
    Protegido([&] {
        if (FBloco_9->Gravado()) return;
        if (!FBloco_1->Gravado()) WriteBloco_1();
        TBloco_9& b9 = *FBloco_9;
        b9.Adiciona9900("9001", 1);
        b9.WriteRegistro9001();
        // The 9900 entry counts the 9900 lines: every entry, itself, 9990 and 9999.
        b9.Adiciona9900("9900", 0);
        b9.Registro9900().Ultimo()->QTD_REG_BLC = b9.Registro9900().Count() + 2;
        b9.Adiciona9900("9990", 1);
        b9.Adiciona9900("9999", 1);
        b9.WriteRegistro9900();
        b9.Registro9990().QTD_LIN_9 = 1 + b9.Registro9900().Count() + 2;
        b9.WriteRegistro9990();
        int32_t total = FBloco_0->QtdLinhasBloco() + FBloco_1->QtdLinhasBloco() + FBloco_A->QtdLinhasBloco() +
                        FBloco_C->QtdLinhasBloco() + FBloco_D->QtdLinhasBloco() + FBloco_F->QtdLinhasBloco() +
                        FBloco_M->QtdLinhasBloco() + FBloco_P->QtdLinhasBloco() + b9.Registro9990().QTD_LIN_9;
        if (!(FDT_INI < k1Jan2014)) total += FBloco_I->QtdLinhasBloco();
        b9.Registro9999().QTD_LIN = total;
        b9.WriteRegistro9999();
        b9.WriteBuffer();
        b9.LimpaConteudo();
        ConcluiArquivo();
        b9.Gravado(true);
    });
}

void TGeradorEFD::ConcluiArquivo() {
    const std::string temporario = FArquivoTXT.NomeArquivo();
    const std::string& final = FArquivoFinal;
#ifndef _WIN32
    // The bytes reach the disk before the name does, so a crash right after the
    // rename cannot leave a truncated file under the final name.
    // A large file takes a while to reach the disk; meanwhile the caller hears
    // AoGravarLote as for every batch. A failure here (an I/O error, a full disk on
    // a network share) means the file is not safely written.
    const int fd = ::open(temporario.c_str(), O_RDONLY);
    if (fd >= 0) {
        struct Fecha {
            int fd;
            ~Fecha() { ::close(fd); }
        } fecha{fd};
        auto sincroniza = std::async(std::launch::async, [fd] { return ::fsync(fd) == 0 ? 0 : errno; });
        if (FAoGravarLote)
            while (sincroniza.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) FAoGravarLote();
        const int erro = sincroniza.get();
        // A file system that cannot sync at all (some network and FUSE mounts) is
        // not a failure of this file.
        if (erro != 0 && erro != EINVAL && erro != ENOTSUP && erro != ENOSYS)
            throw EGeradorEFDErro("Erro ao gravar o arquivo \"" + temporario + "\": " + util::DescricaoErroSistema(erro));
    }
#endif
    std::error_code ec;
    fs::rename(temporario, final, ec);
    if (ec)
        throw EGeradorEFDErro("Não foi possível gravar o arquivo \"" + final +
                              "\": " + util::DescricaoErroSistema(ec.value()));
}

void TGeradorEFD::DescartaTemporario() {
    if (FArquivoTXT.NomeArquivo().empty()) return;
    std::error_code ec;
    fs::remove(FArquivoTXT.NomeArquivo(), ec);
}

void TGeradorEFD::SaveFileTXT() {
    auto limpa = [&] {
        LimpaRegistros();
        FArquivoTXT.Reset();
        FInicializado = false;
    };
    try {
        IniciaGeracao();
        WriteBloco_0();
        auto comDados = [](TBlocoSPED& b) { return b.RegistroAbertura()->IND_MOV == TIndMov::imComDados; };
        if (comDados(*FBloco_A)) WriteBloco_A(true);
        if (comDados(*FBloco_C)) WriteBloco_C(true);
        if (comDados(*FBloco_D)) WriteBloco_D();
        if (comDados(*FBloco_F)) WriteBloco_F();
        if (comDados(*FBloco_I)) WriteBloco_I();
        if (comDados(*FBloco_M)) WriteBloco_M();
        if (comDados(*FBloco_P)) WriteBloco_P();
        if (comDados(*FBloco_1)) WriteBloco_1();
        WriteBloco_9();
    } catch (...) {
        DescartaTemporario();
        limpa();
        throw;
    }
    limpa();
}

void TGeradorEFD::LimpaRegistros() {
    // Lines written ahead belong to the registers being freed.
    DescartaAntecipado();
    FBloco_0->LimpaRegistros();
    FBloco_1->LimpaRegistros();
    FBloco_9->LimpaRegistros();
    FBloco_A->LimpaRegistros();
    FBloco_C->LimpaRegistros();
    FBloco_D->LimpaRegistros();
    FBloco_F->LimpaRegistros();
    FBloco_I->LimpaRegistros();
    FBloco_M->LimpaRegistros();
    FBloco_P->LimpaRegistros();
    AplicaPadroesAbertura();
    // The new 0000 carries the component's period, as the setters would give it.
    FBloco_0->Registro0000().DT_INI = FDT_INI;
    FBloco_0->Registro0000().DT_FIN = FDT_FIN;
}

}  // namespace efd
