// Writer alone: 200,000 C100 with five C170 each (1,000,000 item lines) and their
// block 0 entries, through the generation component to a file. Prints the time to
// fill the registers, the time to write the file, lines per second, MB/s and the
// process's peak memory, of the fastest of a few repetitions.
//   Usage: bench_gerador [documentos] [pasta] [repeticoes]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "efd/GeradorEFD.h"

namespace {

long PicoMemoriaKb() {
    std::ifstream status("/proc/self/status");
    std::string linha;
    while (std::getline(status, linha))
        if (linha.rfind("VmHWM:", 0) == 0) return std::atol(linha.c_str() + 6);
    return 0;
}

std::string Codigo(const char* prefixo, long n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%05ld", prefixo, n);
    return buf;
}

struct Rodada {
    double preenche = 0, arquivo = 0, liberacao = 0;
    double Gravacao() const { return arquivo + liberacao; }
};

// Fills the registers and writes the file once.
Rodada Executa(long documentos, const std::filesystem::path& pasta) {
    using namespace efd;
    using util::Currency;
    const long participantes = 2000, itens = 5000, unidades = 20;

    util::Data::FixaHoje(util::Data::FromYMD(2012, 2, 15));
    const auto t0 = std::chrono::steady_clock::now();
    TGeradorEFD sped;
    sped.Path(pasta.string());
    sped.Arquivo("bench_gerador.txt");
    sped.DT_INI(util::Data::FromYMD(2012, 1, 1));
    sped.DT_FIN(util::Data::FromYMD(2012, 1, 31));
    TRegistro0000& r0 = sped.Bloco_0().Registro0000();
    r0.COD_VER = TCodVer::vlVersao320;
    r0.NOME = "EMPRESA DE TESTE DE DESEMPENHO LTDA";
    r0.CNPJ = "11222333000181";
    r0.UF = "SP";
    r0.COD_MUN = 3550308;
    TRegistro0140& est = *sped.Bloco_0().Registro0140New();
    est.COD_EST = "11222333";
    est.NOME = r0.NOME;
    est.CNPJ = r0.CNPJ;
    est.UF = "SP";
    est.COD_MUN = 3550308;
    for (long i = 0; i < participantes; ++i) {
        TRegistro0150& p = *sped.Bloco_0().Registro0150New();
        p.COD_PART = Codigo("P", i);
        p.NOME = "PARTICIPANTE " + p.COD_PART + " COMERCIO LTDA";
        p.COD_PAIS = "1058";
        p.COD_MUN = 3550308;
        p.ENDERECO = "AVENIDA BRASIL";
        p.NUM = "100";
        p.BAIRRO = "CENTRO";
    }
    for (long i = 0; i < unidades; ++i) {
        TRegistro0190& u = *sped.Bloco_0().Registro0190New();
        u.UNID = Codigo("U", i);
        u.DESCR = "Descricao " + u.UNID;
    }
    for (long i = 0; i < itens; ++i) {
        TRegistro0200& it = *sped.Bloco_0().Registro0200New();
        it.COD_ITEM = Codigo("ITEM", i);
        it.DESCR_ITEM = "PARAFUSO SEXTAVADO ACO INOX M8 X 40 " + it.COD_ITEM;
        it.UNID_INV = Codigo("U", i % unidades);
        it.TIPO_ITEM = TTipoItem::tiMercadoriaRevenda;
        it.COD_NCM = "73181500";
        it.COD_GEN = "73";
        it.ALIQ_ICMS = 18.0;
    }
    sped.Bloco_C().RegistroC001().IND_MOV = TIndMov::imComDados;
    TRegistroC010& c010 = *sped.Bloco_C().RegistroC010New();
    c010.CNPJ = r0.CNPJ;
    c010.IND_ESCRI = TIndEscrituracao::IndEscriIndividualizado;
    for (long d = 0; d < documentos; ++d) {
        TRegistroC100& c = *sped.Bloco_C().RegistroC100New();
        c.IND_OPER = TIndTipoOper::tpSaidaPrestacao;
        c.IND_EMIT = TEmitente::edEmissaoPropria;
        c.COD_PART = Codigo("P", d % participantes);
        c.COD_MOD = "55";
        c.SER = "001";
        c.NUM_DOC = std::to_string(100000 + d);
        c.CHV_NFE = "3512011122233300018155001000" + std::to_string(1000000000000000 + d);
        c.DT_DOC = c.DT_E_S = util::Data::FromYMD(2012, 1, 1 + static_cast<unsigned>(d % 28));
        c.VL_DOC = c.VL_MERC = Currency::FromRaw(5000000 + d);
        c.IND_PGTO = TIndPgto::tpPrazo;
        c.VL_BC_ICMS = Currency::FromRaw(5000000);
        c.VL_ICMS = Currency::FromRaw(900000);
        c.VL_PIS = Currency::FromRaw(82500);
        c.VL_COFINS = Currency::FromRaw(380000);
        for (int i = 1; i <= 5; ++i) {
            TRegistroC170& r = *sped.Bloco_C().RegistroC170New();
            const long item = (d * 5 + i) % itens;
            const double base = 1000.0 + static_cast<double>(item % 977) * 0.37;
            r.NUM_ITEM = std::to_string(i);
            r.COD_ITEM = Codigo("ITEM", item);
            r.DESCR_COMPL = "PARAFUSO SEXTAVADO ACO INOX M8 X 40";
            r.QTD = 3.0 + i;
            r.UNID = Codigo("U", item % unidades);
            r.VL_ITEM = Currency::FromDouble(base);
            r.VL_DESC = Currency::FromRaw(i == 3 ? 33300 : 0);
            r.CST_ICMS = TCstIcms::sticmsTributadaIntegralmente;
            r.CFOP = "5102";
            r.COD_NAT = "5102";
            r.VL_BC_ICMS = Currency::FromDouble(base);
            r.ALIQ_ICMS = Currency::FromRaw(180000);
            r.VL_ICMS = Currency::FromDouble(base * 0.18);
            r.CST_IPI = TCstIpi::stipiSaidaTributada;
            r.CST_PIS = TCstPis::stpisValorAliquotaNormal;
            r.VL_BC_PIS = base;
            r.ALIQ_PIS_PERC = 1.65;
            r.VL_PIS = base * 0.0165;
            r.CST_COFINS = TCstCofins::stcofinsValorAliquotaNormal;
            r.VL_BC_COFINS = base;
            r.ALIQ_COFINS_PERC = 7.6;
            r.VL_COFINS = base * 0.076;
            r.COD_CTA = "3.01.01.001";
        }
    }
    // The export's sequence: the file written and renamed by WriteBloco_9, then
    // SaveFileTXT frees the registers.
    const auto t1 = std::chrono::steady_clock::now();
    sped.IniciaGeracao();
    sped.WriteBloco_9();
    const auto tEscrito = std::chrono::steady_clock::now();
    sped.SaveFileTXT();
    const auto t2 = std::chrono::steady_clock::now();

    Rodada r;
    r.preenche = std::chrono::duration<double>(t1 - t0).count();
    r.arquivo = std::chrono::duration<double>(tEscrito - t1).count();
    r.liberacao = std::chrono::duration<double>(t2 - tEscrito).count();
    return r;
}

}  // namespace

// Usage: bench_gerador [documentos] [pasta] [repeticoes]; the figures are those of
// the fastest repetition (the first write after a build often waits for the disk).
int main(int argc, char** argv) {
    const long documentos = argc > 1 ? std::atol(argv[1]) : 200000;
    const std::filesystem::path pasta = argc > 2 ? argv[2] : std::filesystem::temp_directory_path();
    const int repeticoes = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    Rodada melhor;
    for (int i = 0; i < repeticoes; ++i) {
        const Rodada r = Executa(documentos, pasta);
        std::printf("rodada %d: arquivo_s=%.3f liberacao_s=%.3f\n", i + 1, r.arquivo, r.liberacao);
        if (i == 0 || r.Gravacao() < melhor.Gravacao()) melhor = r;
    }
    const double grava = melhor.Gravacao();
    const std::filesystem::path arquivo = pasta / "bench_gerador.txt";
    const auto bytes = std::filesystem::file_size(arquivo);
    long linhas = 0;
    {
        std::ifstream in(arquivo, std::ios::binary);
        std::string l;
        while (std::getline(in, l)) ++linhas;
    }
    const long c170 = documentos * 5;
    std::printf("repeticoes=%d\n", repeticoes);
    std::printf("registros_preenchidos_s=%.3f\n", melhor.preenche);
    std::printf("gravacao_s=%.3f\n", grava);
    std::printf("arquivo_s=%.3f liberacao_s=%.3f\n", melhor.arquivo, melhor.liberacao);
    std::printf("linhas_arquivo=%ld\n", linhas);
    std::printf("linhas_c170=%ld\n", c170);
    std::printf("linhas_por_s=%.0f\n", linhas / grava);
    std::printf("c170_por_s=%.0f\n", c170 / grava);
    std::printf("mb_por_s=%.1f\n", static_cast<double>(bytes) / grava / 1e6);
    std::printf("pico_rss_kb=%ld\n", PicoMemoriaKb());
    std::filesystem::remove(arquivo);
    return 0;
}
