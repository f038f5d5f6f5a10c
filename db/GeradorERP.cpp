#include "GeradorERP.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <variant>

#include "erpdata/Erros.h"
#include "erpdata/InsercaoLote.h"
#include "erpdata/TIDatabase.h"
#include "erpdata/TIQuery.h"
#include "util/Data.h"

namespace fixture {

using erpdata::TTIDatabase;
using erpdata::TTIInsercaoLote;
using erpdata::ValorSQL;

namespace {

// splitmix64: a small generator whose sequence is the same on every platform.
class Aleatorio {
public:
    explicit Aleatorio(uint64_t semente) : s_(semente * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    uint64_t Proximo() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int64_t Entre(int64_t a, int64_t b) { return a + static_cast<int64_t>(Proximo() % static_cast<uint64_t>(b - a + 1)); }
    bool Chance(int porCento) { return Entre(1, 100) <= porCento; }
    template <class T>
    const T& Um(const std::vector<T>& v) { return v[static_cast<size_t>(Entre(0, static_cast<int64_t>(v.size()) - 1))]; }
    std::string Digitos(int n) {
        std::string r;
        for (int i = 0; i < n; ++i) r += static_cast<char>('0' + Entre(0, 9));
        return r;
    }

private:
    uint64_t s_;
};

std::string Fmt(const char* f, long long v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}

// Amounts are generated in cents so every sum is exact; they reach the database as
// numbers with two decimals.
double Reais(int64_t centavos) { return static_cast<double>(centavos) / 100.0; }
// cents * rate (in hundredths of a percent) rounded half up
int64_t Percentual(int64_t centavos, int64_t aliqCentesimos) {
    return (centavos * aliqCentesimos + 5000) / 10000;
}

struct Municipio {
    int codigo;
    std::string nome;
    std::string uf;
};

std::vector<std::string> CamposCsv(const std::string& linha) {
    std::vector<std::string> r;
    std::string atual;
    bool aspas = false;
    for (char c : linha) {
        if (c == '"') aspas = !aspas;
        else if (c == ',' && !aspas) { r.push_back(atual); atual.clear(); }
        else if (c != '\r') atual += c;
    }
    r.push_back(atual);
    return r;
}

std::vector<Municipio> LeMunicipios() {
    std::map<std::string, std::string> ufs;
    std::ifstream est(ERP_FIXTURE_ESTADOS);
    std::string linha;
    std::getline(est, linha);
    while (std::getline(est, linha)) {
        auto c = CamposCsv(linha);
        if (c.size() >= 2) ufs[c[0]] = c[1];
    }
    std::vector<Municipio> r;
    std::ifstream mun(ERP_FIXTURE_MUNICIPIOS);
    std::getline(mun, linha);
    while (std::getline(mun, linha)) {
        auto c = CamposCsv(linha);
        if (c.size() >= 3 && ufs.count(c[2])) r.push_back({std::stoi(c[0]), c[1], ufs[c[2]]});
    }
    if (r.empty())
        throw erpdata::EDatabaseError(std::string("Lista de municípios do IBGE não encontrada: ") + ERP_FIXTURE_MUNICIPIOS);
    return r;
}

std::string FormataCnpj(const std::string& d) {
    return d.substr(0, 2) + "." + d.substr(2, 3) + "." + d.substr(5, 3) + "/" + d.substr(8, 4) + "-" + d.substr(12, 2);
}
std::string FormataCpf(const std::string& d) {
    return d.substr(0, 3) + "." + d.substr(3, 3) + "." + d.substr(6, 3) + "-" + d.substr(9, 2);
}

// The text columns of --hostil: what a careless ERP user or an import leaves behind.
class Textos {
public:
    Textos(Aleatorio& r, bool hostil) : r_(r), hostil_(hostil) {}
    ValorSQL operator()(const std::string& normal, size_t max) {
        if (!hostil_ || !r_.Chance(35)) return Corta(normal, max);
        switch (r_.Entre(0, 7)) {
            case 0: return Corta("D'Ávila " + normal, max);
            case 1: return Corta(normal + " | filial|2", max);
            case 2: return Corta(normal + "\r\nsegunda linha\nterceira", max);
            case 3: return Corta("\t" + normal + "\tcom tab", max);
            case 4: return Corta(normal + " 中文 ✓ 🚚 Ω", max);
            case 5: return Corta(std::string(500, 'L') + " " + normal, max);
            case 6: return std::monostate{};
            default: return Corta(" '' |''| " + normal + " ", max);
        }
    }

private:
    // Cut at max characters (not bytes).
    static std::string Corta(const std::string& s, size_t max) {
        size_t n = 0, i = 0;
        while (i < s.size() && n < max) {
            unsigned char c = static_cast<unsigned char>(s[i]);
            i += c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
            ++n;
        }
        return s.substr(0, std::min(i, s.size()));
    }
    Aleatorio& r_;
    bool hostil_;
};

void Executa(TTIDatabase& db, const std::string& sql) {
    erpdata::TTIQuery q(&db);
    q.TempoLimite = false;
    q.SetSQL(sql);
    q.ExecSQL();
}

struct TipoFiscal { const char* codigo; const char* abrevi; const char* descricao; };
const std::vector<TipoFiscal> kTiposFiscais = {
    {"001", "55", "NOTA FISCAL ELETRONICA"}, {"002", "65", "NOTA FISCAL DE CONSUMIDOR ELETRONICA"},
    {"003", "01", "NOTA FISCAL MODELO 1/1A"}, {"004", "1B", "NOTA FISCAL AVULSA"}, {"005", "04", "NOTA FISCAL DE PRODUTOR"},
    {"006", "06", "NOTA FISCAL/CONTA DE ENERGIA ELETRICA"}, {"007", "28", "NOTA FISCAL DE GAS CANALIZADO"},
    {"008", "29", "NOTA FISCAL DE AGUA CANALIZADA"}, {"009", "07", "NOTA FISCAL DE SERVICO DE TRANSPORTE"},
    {"010", "08", "CONHECIMENTO DE TRANSPORTE RODOVIARIO"}, {"011", "8B", "CONHECIMENTO DE TRANSPORTE AVULSO"},
    {"012", "09", "CONHECIMENTO DE TRANSPORTE AQUAVIARIO"}, {"013", "10", "CONHECIMENTO AEREO"},
    {"014", "11", "CONHECIMENTO DE TRANSPORTE FERROVIARIO"}, {"015", "26", "CONHECIMENTO MULTIMODAL"},
    {"016", "27", "NOTA FISCAL DE TRANSPORTE FERROVIARIO"}, {"017", "57", "CONHECIMENTO DE TRANSPORTE ELETRONICO"},
    {"018", "21", "NOTA FISCAL DE SERVICO DE COMUNICACAO"}, {"019", "22", "NOTA FISCAL DE SERVICO DE TELECOMUNICACAO"},
    {"020", "99", "NOTA FISCAL DE SERVICOS"}, {"021", "2D", "CUPOM FISCAL"},
};
// Incoming documents by model: goods most, then every other family.
const std::vector<const char*> kTiposEntrada = {"001", "001", "001", "001", "001", "001", "001", "001", "002", "003", "004",
                                                "005", "006", "007", "008", "009", "010", "011", "012", "013", "014", "015",
                                                "016", "017", "017", "018", "019", "020", "020", "021"};

struct Natureza {
    const char* codigo; const char* descricao; const char* cfop; const char* tipo; const char* tpBase;
    const char* pisCofins; const char* dupli; const char* natCont; int aliqPis; int aliqCofins;
    const char* compBase;  // nullptr = NULL
    bool saida;
};
const std::vector<Natureza> kNaturezas = {
    {"1102", "COMPRA PARA COMERCIALIZACAO", "1.102", "E", "0", "S", "S", "NC01", 165, 760, "NNN", false},
    {"1101", "COMPRA PARA INDUSTRIALIZACAO", "1.101", "E", "0", "S", "S", "NC02", 165, 760, "NNN", false},
    {"2102", "COMPRA INTERESTADUAL", "2.102", "E", "0", "S", "S", "NC01", 165, 760, "NNN", false},
    {"1202", "DEVOLUCAO DE VENDA", "1.202", "D", "1", "S", "N", "NC03", 165, 760, "", false},
    {"1933", "SERVICO TOMADO", "1.933", "E", "0", "S", "S", "NC04", 165, 760, nullptr, false},
    {"1353", "AQUISICAO DE SERVICO DE TRANSPORTE", "1.353", "E", "0", "S", "S", "NC05", 165, 760, nullptr, false},
    {"1253", "COMPRA DE ENERGIA ELETRICA", "1.253", "E", "0", "S", "N", "NC06", 165, 760, nullptr, false},
    {"1303", "AQUISICAO DE SERVICO DE COMUNICACAO", "1.303", "E", "0", "N", "S", "NC07", 0, 0, nullptr, false},
    {"3102", "COMPRA DO EXTERIOR", "3.102", "E", "0", "S", "S", "NC01", 210, 965, "NNN", false},
    {"5102", "VENDA DE MERCADORIA ADQUIRIDA", "5.102", "S", "1", "S", "S", "NC08", 165, 760, "NNS", true},
    {"5101", "VENDA DE PRODUCAO DO ESTABELECIMENTO", "5.101", "S", "1", "S", "S", "NC08", 165, 760, "NNN", true},
    {"6102", "VENDA INTERESTADUAL", "6.102", "S", "1", "S", "S", "NC09", 165, 760, "SNS", true},
    {"5405", "VENDA COM SUBSTITUICAO TRIBUTARIA", "5.405", "S", "1", "S", "S", "NC08", 165, 760, "", true},
    {"5933", "PRESTACAO DE SERVICO", "5.933", "S", "1", "S", "S", "NC10", 65, 300, "NN", true},
    {"5202", "DEVOLUCAO DE COMPRA", "5.202", "D", "2", "S", "N", "NC03", 165, 760, "NNN", true},
    {"5949", "OUTRA SAIDA NAO ESPECIFICADA", "5.949", "S", "0", "N", "N", "NC11", 0, 0, nullptr, true},
};

struct Conta { const char* codigo; const char* descricao; const char* conta2; const char* ctResult; };
const std::vector<Conta> kContas = {
    {"3.1.01.001", "RECEITA DE VENDA DE MERCADORIAS", "3.01.01.01.01.00", "S"},
    {"3.1.01.002", "RECEITA DE PRESTACAO DE SERVICOS", "3.01.01.03.01.00", "S"},
    {"3.1.02.001", "DEVOLUCOES DE VENDAS", "3.01.01.05.01.00", "S"},
    {"4.1.01.001", "CUSTO DAS MERCADORIAS VENDIDAS", "3.02.01.01.01.00", "S"},
    {"4.1.02.001", "ENERGIA ELETRICA", "3.11.05.01.01.00", "S"},
    {"4.1.02.002", "FRETES E CARRETOS", "3.11.05.01.21.00", "S"},
    {"4.1.02.003", "SERVICOS TOMADOS", "", "S"},          // no referential account: never qualifies
    {"1.1.02.001", "CLIENTES", "1.01.02.02.01.00", "N"},  // balance sheet account
    {"2.1.01.001", "FORNECEDORES", "2.01.01.03.01.00", "N"},
    {"1.1.04.001", "ESTOQUE DE MERCADORIAS", "1.01.03.01.01.00", "S"},
};
// Nature account code -> credit, debit.
const std::vector<std::array<const char*, 3>> kNatContas = {
    {"NC01", "2.1.01.001", "1.1.04.001"}, {"NC02", "2.1.01.001", "1.1.04.001"}, {"NC03", "3.1.02.001", "1.1.02.001"},
    {"NC04", "4.1.02.003", "4.1.02.003"}, {"NC05", "2.1.01.001", "4.1.02.002"}, {"NC06", "2.1.01.001", "4.1.02.001"},
    {"NC07", "2.1.01.001", "4.1.02.003"}, {"NC08", "3.1.01.001", "4.1.01.001"}, {"NC09", "3.1.01.001", "1.1.02.001"},
    {"NC10", "3.1.01.002", "1.1.02.001"},
    // NC11 has no link: its documents fall back to CONTABIL or to account "0".
};

int NivelConta(const char* codigo) {
    int n = 1;
    for (const char* p = codigo; *p; ++p) n += *p == '.';
    return n;
}

}  // namespace

std::string DigitosCnpj(const std::string& doze) {
    auto dv = [](const std::string& s, const std::vector<int>& pesos) {
        int soma = 0;
        for (size_t i = 0; i < pesos.size(); ++i) soma += (s[i] - '0') * pesos[i];
        int r = soma % 11;
        return static_cast<char>('0' + (r < 2 ? 0 : 11 - r));
    };
    std::string s = doze;
    s += dv(s, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2});
    s += dv(s, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2});
    return s.substr(12);
}

std::string DigitosCpf(const std::string& nove) {
    auto dv = [](const std::string& s) {
        int soma = 0, peso = static_cast<int>(s.size()) + 1;
        for (char c : s) soma += (c - '0') * peso--;
        int r = soma % 11;
        return static_cast<char>('0' + (r < 2 ? 0 : 11 - r));
    };
    std::string s = nove;
    s += dv(s);
    s += dv(s);
    return s.substr(9);
}

char DigitoChaveAcesso(const std::string& chave) {
    int soma = 0, peso = 2;
    for (auto it = chave.rbegin(); it != chave.rend(); ++it) {
        soma += (*it - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    int dv = 11 - soma % 11;
    return static_cast<char>('0' + (dv >= 10 ? 0 : dv));
}

const std::vector<std::string>& TabelasCompartilhadas() {
    static const std::vector<std::string> t = {"CIDADE", "CADCEP", "TIPO_FISCAL", "TABSPED", "TABFIS", "UNIDADE"};
    return t;
}

std::string CodigoEmpresa(int i) { return Fmt("%04lld", i); }

std::string NomeFisico(const std::string& logico, const std::string& empresa) {
    for (const auto& t : TabelasCompartilhadas())
        if (t == logico) return logico + "_001";
    return logico + empresa;
}

void CriaEsquema(TTIDatabase& db, int empresas) {
    std::string texto = TextoEsquemaERP();
    // Statements end with ";" at a line end; "-- @empresa" starts the per-company part.
    size_t corte = texto.find("-- @empresa");
    std::string global = texto.substr(0, corte), porEmpresa = corte == std::string::npos ? "" : texto.substr(corte);
    auto comandos = [](const std::string& bloco) {
        std::vector<std::string> r;
        std::string atual, linha;
        std::istringstream in(bloco);
        while (std::getline(in, linha)) {
            std::string t = linha.substr(0, linha.find("--"));
            if (t.find_first_not_of(" \t\r") == std::string::npos) continue;
            atual += t + "\n";
            size_t fim = t.find_last_not_of(" \t\r");
            if (t[fim] == ';') {
                atual.erase(atual.rfind(';'));
                r.push_back(atual);
                atual.clear();
            }
        }
        return r;
    };
    for (const auto& c : comandos(global)) Executa(db, c);
    db.Transacao().CommitRetaining();

    std::vector<std::string> criadas;
    for (int e = 1; e <= empresas; ++e) {
        std::string emp = CodigoEmpresa(e);
        for (std::string c : comandos(porEmpresa)) {
            // The first {TABELA} of a statement is the table it makes or indexes.
            size_t a = c.find('{');
            std::string alvo = NomeFisico(c.substr(a + 1, c.find('}', a) - a - 1), emp);
            bool ehCriacao = c.find("CREATE TABLE") != std::string::npos;
            size_t p;
            while ((p = c.find('{')) != std::string::npos) {
                size_t f = c.find('}', p);
                c.replace(p, f - p + 1, NomeFisico(c.substr(p + 1, f - p - 1), emp));
            }
            if (ehCriacao) {
                if (std::find(criadas.begin(), criadas.end(), alvo) != criadas.end()) continue;
                criadas.push_back(alvo);
            } else if (e > 1 && alvo.size() > 4 && alvo.compare(alvo.size() - 4, 4, "_001") == 0) {
                continue;  // index of a shared table, made with the first company
            }
            Executa(db, c);
        }
        db.Transacao().CommitRetaining();
    }
}

namespace {

class Gerador {
public:
    Gerador(TTIDatabase& db, const OpcoesGerador& o)
        : db_(db), o_(o), r_(o.semente), txt_(r_, o.hostil),
          inicio_(util::Data::FromYMD(o.ano, static_cast<unsigned>(o.mes), 1)), fim_(inicio_.UltimoDiaDoMes()) {}

    void Executa() {
        municipios_ = LeMunicipios();
        Catalogos();
        for (int e = 1; e <= o_.empresas; ++e) Empresa(e);
        db_.Transacao().CommitRetaining();
    }

private:
    ValorSQL T(const std::string& s, size_t max) { return txt_(s, max); }
    static ValorSQL D(util::Data d) { return d; }
    static ValorSQL R(int64_t centavos) { return Reais(centavos); }
    static ValorSQL I(int64_t v) { return v; }
    static ValorSQL S(const std::string& s) { return s; }
    static ValorSQL S(const char* s) { return s ? ValorSQL(std::string(s)) : ValorSQL(std::monostate{}); }

    // --hostil: now and then a NULL in every number and date column of the row, but
    // for the columns listed in `mantem` (keys, and the dates that select the row:
    // without them the row would never be read).
    std::vector<ValorSQL> H(std::vector<ValorSQL> linha, std::initializer_list<size_t> mantem = {}) {
        if (!o_.hostil) return linha;
        for (size_t c = 0; c < linha.size(); ++c) {
            if (std::find(mantem.begin(), mantem.end(), c) != mantem.end()) continue;
            const bool numeroOuData = std::holds_alternative<int64_t>(linha[c]) || std::holds_alternative<double>(linha[c]) ||
                                      std::holds_alternative<util::Data>(linha[c]);
            if (numeroOuData && r_.Chance(8)) linha[c] = std::monostate{};
        }
        return linha;
    }

    void Progresso(const std::string& msg) {
        if (o_.progresso) std::cerr << msg << std::endl;
    }

    void Commita(int64_t& contador, int64_t n) {
        contador += n;
        if (contador >= 50000) {
            db_.Transacao().CommitRetaining();
            contador = 0;
        }
    }

    std::string Cnpj() {
        std::string base = r_.Digitos(8) + "0001";
        return base + DigitosCnpj(base);
    }
    std::string Cpf() {
        std::string base = r_.Digitos(9);
        return base + DigitosCpf(base);
    }
    util::Data DiaDoPeriodo() { return inicio_.MaisDias(static_cast<int>(r_.Entre(0, fim_.Dia() - 1))); }

    // Shared catalogues, reached by every company through ARQLOCAL.
    void Catalogos() {
        {
            TTIInsercaoLote arq(db_, "ARQLOCAL", {"ARQUIVO"});
            for (const auto& t : TabelasCompartilhadas()) arq.Adiciona({S(t + "_001")});
            arq.Descarrega();
        }
        // Municipalities: a deterministic sample of the IBGE list, São Paulo first.
        std::vector<Municipio> escolhidos;
        for (const auto& m : municipios_)
            if (m.codigo == 3550308 || m.codigo == 3304557 || m.codigo == 4106902) escolhidos.push_back(m);
        while (escolhidos.size() < 40) escolhidos.push_back(r_.Um(municipios_));
        std::map<int, bool> vistos;
        {
            TTIInsercaoLote cid(db_, "CIDADE_001", {"COD_CID", "NOME_CID", "COD_EST"});
            for (const auto& m : escolhidos) {
                if (vistos[m.codigo]) continue;
                vistos[m.codigo] = true;
                cid.Adiciona({I(m.codigo), T(m.nome, 60), S(m.uf)});
                cidades_.push_back(m);
            }
            cid.Descarrega();
        }
        {
            TTIInsercaoLote cep(db_, "CADCEP_001", {"CEP", "LOGR_CEP", "BAIRRO", "COD_CID"});
            for (int i = 0; i < 80; ++i) {
                std::string c = Fmt("%05lld", 1000 + i * 731 % 98000) + "-" + Fmt("%03lld", i * 7 % 1000);
                const Municipio& m = cidades_[static_cast<size_t>(i) % cidades_.size()];
                cep.Adiciona(H({S(c), T("RUA " + std::to_string(i + 1) + " DE NOVEMBRO", 100), T("CENTRO", 60), I(m.codigo)}));
                ceps_.push_back(c);
            }
            cep.Descarrega();
        }
        {
            TTIInsercaoLote tf(db_, "TIPO_FISCAL_001", {"CODIGO", "DESCRICAO", "ABREVI"});
            for (const auto& t : kTiposFiscais) tf.Adiciona({S(t.codigo), T(t.descricao, 60), S(t.abrevi)});
            tf.Descarrega();
        }
        {
            TTIInsercaoLote ts(db_, "TABSPED_001", {"CODIGO", "DESCRICAO"});
            const char* desc[] = {"MERCADORIA PARA REVENDA", "MATERIA-PRIMA", "EMBALAGEM", "PRODUTO EM PROCESSO",
                                  "PRODUTO ACABADO", "SUBPRODUTO", "PRODUTO INTERMEDIARIO", "MATERIAL DE USO E CONSUMO",
                                  "ATIVO IMOBILIZADO", "SERVICOS", "OUTROS INSUMOS"};
            for (int i = 0; i <= 10; ++i) ts.Adiciona({S(Fmt("%02lld", i)), T(desc[i], 60)});
            ts.Adiciona({S("99"), T("OUTRAS", 60)});
            ts.Descarrega();
        }
        {
            TTIInsercaoLote tf(db_, "TABFIS_001", {"CODIGO", "DESCRICAO"});
            const char* ncm[] = {"8471.30.12", "6109.10.00", "2202.10.00", "3304.99.90", "9403.60.00", "8517.12.31",
                                 "0", "", "1905.90.90", "4819.10.00", "39233000", "8708.29.99"};
            for (int i = 0; i < 12; ++i) {
                tf.Adiciona({S(Fmt("%03lld", i + 1)), S(ncm[i])});
                ncms_.push_back(Fmt("%03lld", i + 1));
            }
            tf.Descarrega();
        }
        {
            TTIInsercaoLote un(db_, "UNIDADE_001", {"UNIDADE", "DESCRICAO"});
            const char* u[][2] = {{"UN", "UNIDADE"}, {"KG", "QUILOGRAMA"}, {"CX", "CAIXA"}, {"PC", "PECA"},
                                  {"LT", "LITRO"},   {"MT", "METRO"},      {"M2", "METRO QUADRADO"}, {"HR", "HORA"}};
            for (auto& x : u) {
                un.Adiciona({S(x[0]), T(x[1], 30)});
                unidades_.push_back(x[0]);
            }
            un.Descarrega();
        }
        db_.Transacao().CommitRetaining();
    }

    void Empresa(int e) {
        const std::string emp = CodigoEmpresa(e);
        auto nome = [&](const char* t) { return NomeFisico(t, emp); };
        const std::string emp3 = emp.substr(1, 3);
        Progresso("empresa " + emp + ": cadastros");

        // Participants, the accountant among them.
        int nPart = std::max(12, std::min(o_.documentos / 4, 90000));
        std::vector<std::string> participantes;
        {
            TTIInsercaoLote ent(db_, nome("ENTIDADE"), {"CODCLI", "NOME", "TIPO", "CNPJ", "INSCRICAO", "SUFRAMA", "COD_PAIS",
                                                        "ENDERECO", "NUM_END", "COMPLEMENTO", "BAIRRO", "CEP", "TELEFONE", "FAX", "EMAIL"});
            for (int p = 1; p <= nPart; ++p) {
                std::string cod = Fmt("%05lld", p);
                bool pj = r_.Chance(70);
                bool estrangeiro = r_.Chance(3);
                std::string doc = pj ? FormataCnpj(Cnpj()) : FormataCpf(Cpf());
                std::string ie;
                int k = static_cast<int>(r_.Entre(0, 9));
                if (!pj || k == 0) ie = "ISENTO";
                else if (k == 1) ie = " isento ";
                else ie = r_.Digitos(3) + "." + r_.Digitos(3) + "." + r_.Digitos(3) + "." + r_.Digitos(3);
                std::string nomePart = (pj ? "FORNECEDOR E CLIENTE " : "JOSE DA SILVA ") + cod + (pj ? " LTDA" : "");
                ent.Adiciona({S(cod), T(nomePart, 100), S(pj ? "2" : "1"), S(estrangeiro ? "" : doc), T(ie, 20),
                              S(r_.Chance(5) ? r_.Digitos(9) : ""), S(estrangeiro ? "0639" : "1058"),
                              T("AVENIDA BRASIL", 100), T(std::to_string(r_.Entre(1, 9999)), 10), T(r_.Chance(30) ? "SALA 2" : "", 60),
                              T("JARDIM AMERICA", 60), S(r_.Um(ceps_)), T("(11) 3" + r_.Digitos(3) + "-" + r_.Digitos(4), 20),
                              T("", 20), T("contato" + cod + "@exemplo.com.br", 100)});
                participantes.push_back(cod);
            }
            if (o_.hostil) {
                ent.Adiciona({S("A'B|C"), T("PARTICIPANTE COM CODIGO 'ESTRANHO' | E BARRA", 100), S("2"), S(FormataCnpj(Cnpj())),
                              S("ISENTO"), std::monostate{}, S("1058"), std::monostate{}, std::monostate{}, std::monostate{},
                              std::monostate{}, S(r_.Um(ceps_)), std::monostate{}, std::monostate{}, std::monostate{}});
                participantes.push_back("A'B|C");
            }
            // The accountant: a CPF written with dots and a dash (14 characters).
            contador_ = "90001";
            ent.Adiciona({S(contador_), T("MARIA CONTADORA DOS SANTOS", 100), S("1"), S(FormataCpf(Cpf())),
                          T("SP-123456/O-8", 20), S(""), S("1058"), T("RUA DOS CONTADORES", 100), T("100", 10), T("", 60),
                          T("CENTRO", 60), S(ceps_[0]), T("(11) 3222-1100", 20), T("(11) 3222-1101", 20),
                          T("contadora@exemplo.com.br", 100)});
            ent.Descarrega();
        }

        // Company row, parameters and settings.
        std::string cepEmp = ceps_[static_cast<size_t>(e) % ceps_.size()];
        const Municipio& munEmp = cidades_[static_cast<size_t>(e) % cidades_.size()];
        cnpjEmpresa_ = Cnpj();
        {
            TTIInsercaoLote em(db_, "EMPRESA", {"EMP_PAT", "EMP_NOME", "EMP_TIPONF", "EMP_CNPJ", "EMP_SERIENF", "EMP_CONTRIBUINTE",
                                                "EMP_ENDERECO", "EMP_NUMERO", "EMP_BAIRRO", "EMP_TELEFONE", "EMP_FAX", "EMP_EMAIL",
                                                "EMP_CEP", "EMP_INSCRICAO", "EMP_ESTADO"});
            em.Adiciona({S(emp), T("COMERCIAL VELMORA " + std::to_string(e) + " LTDA", 60), S("1"), S(FormataCnpj(cnpjEmpresa_)),
                         S("1"), S("S"), T("RUA DA INDUSTRIA", 60), T(std::to_string(100 * e), 10), T("DISTRITO INDUSTRIAL", 40),
                         T("(11) 4000-000" + std::to_string(e % 10), 20), T("", 20), T("fiscal@velmora.com.br", 100), S(cepEmp),
                         S(r_.Digitos(3) + "." + r_.Digitos(3) + "." + r_.Digitos(3) + "." + r_.Digitos(3)), S(munEmp.uf)});
            em.Descarrega();
            TTIInsercaoLote par(db_, "EMP_PARAM", {"TIPO", "CODIGO", "EMPRESA", "VALOR", "DESCRICAO"});
            par.Adiciona({S("FIN"), I(40), S(emp3), S(e % 2 == 1 ? "S" : "N"), S("CONTABILIZA POR DOCUMENTO")});
            par.Adiciona({S("FAT"), I(270), S(emp3), S(contador_), S("CONTADOR RESPONSAVEL")});
            par.Adiciona({S("FAT"), I(40), S(emp3), S("N"), S("PARAMETRO DE OUTRO MODULO")});
            par.Descarrega();
            if (e == 1) {
                TTIInsercaoLote cfg(db_, "SPED_CONFIG", {"EMPRESA", "CONTADOR", "IND_PROCESSO", "PROCESSO", "SECAO", "VARA", "IND_ACAO",
                                                         "DECISAO", "DT_SENTENCA", "INFO_COMPLEMENTO"});
                cfg.Adiciona(H({S(emp), S(""), S("1"), S("00123456720114036100"), T("SAO PAULO", 60), T("21A VARA FEDERAL", 60),
                                S("02"), T("EXCLUSAO DO ICMS DA BASE DE CALCULO DO PIS E DA COFINS", 100),
                                D(util::Data::FromYMD(2011, 10, 17)), I(1)}));
                cfg.Descarrega();
            }
        }

        // Accounts, natures and their links.
        {
            TTIInsercaoLote cc(db_, nome("CONTA_CONT"), {"CODIGO", "CONTA", "GRUPO", "DESCRICAO", "CONTA2", "CT_RESULT"});
            for (const auto& c : kContas)
                cc.Adiciona(H({S(c.codigo), S(c.codigo), I(NivelConta(c.codigo)), T(c.descricao, 60), S(c.conta2), S(c.ctResult)}));
            cc.Descarrega();
            TTIInsercaoLote nc(db_, nome("NAT_CONTA"), {"CODIGO", "TIPO", "CONTA_C", "CONTA_D"});
            for (const auto& n : kNatContas) nc.Adiciona({S(n[0]), S("VF"), S(n[1]), S(n[2])});
            nc.Adiciona({S("NC08"), S("VX"), S("1.1.02.001"), S("1.1.02.001")});  // another link type, never joined
            nc.Descarrega();
            TTIInsercaoLote na(db_, nome("NATUREZA"), {"NATUREZA", "DESCRICAO", "CFOP", "TIPO", "TP_BASE", "PIS_COFINS", "DUPLI",
                                                       "ICMS", "IPI", "NAT_CONT", "ALIQ_PIS", "ALIQ_COFINS", "COMP_BASE_PICO"});
            for (const auto& n : kNaturezas)
                na.Adiciona(H({S(n.codigo), T(n.descricao, 60), S(n.cfop), S(n.tipo), S(n.tpBase), S(n.pisCofins), S(n.dupli), S("S"),
                               S("N"), S(n.natCont), ValorSQL(n.aliqPis / 100.0), ValorSQL(n.aliqCofins / 100.0), S(n.compBase)}));
            na.Descarrega();
        }

        // Item masters.
        int nItens = std::max(10, std::min(o_.documentos / 8, 20000));
        std::vector<std::string> produtos, materiais, servicos;
        {
            TTIInsercaoLote pr(db_, nome("PRODUTO"), {"CODIGO", "DESCRICAO", "UNIDADE", "CODSPED", "CODFIS", "ICMS"});
            TTIInsercaoLote ma(db_, nome("MATERIAL"), {"CODIGO", "DESCRICAO", "UNIDADE", "CODSPED", "CODFIS", "SUB_GRUPO", "PRE_MEDIO"});
            TTIInsercaoLote se(db_, nome("SERVICO"), {"CODIGO", "DESCRICAO", "UNIDADE", "CODSPED"});
            const std::vector<std::string> codSped = {"00", "00", "00", "04", "01", "07", "10", "", "4"};
            for (int i = 1; i <= nItens; ++i) {
                std::string p = Fmt("%lld", 100 + i);
                pr.Adiciona(H({S(p), T("PRODUTO " + p, 120), S(r_.Chance(5) ? "" : r_.Um(unidades_)), S(r_.Um(codSped)),
                               S(r_.Um(ncms_)), ValorSQL(static_cast<double>(r_.Um(std::vector<int>{0, 7, 12, 18, 25})))}));
                produtos.push_back(p);
                std::string m = "M" + Fmt("%05lld", i);
                ma.Adiciona(H({S(m), T("MATERIAL " + m, 120), S(r_.Um(unidades_)), S(r_.Um(codSped)), S(r_.Um(ncms_)),
                               S(Fmt("%03lld", r_.Entre(1, 20))), ValorSQL(static_cast<double>(r_.Entre(100, 99999)) / 100.0)}));
                materiais.push_back(m);
                std::string s = "S" + Fmt("%04lld", i);
                se.Adiciona({S(s), T("SERVICO " + s, 120), S(r_.Chance(20) ? "" : "HR"), S("09")});
                servicos.push_back(s);
            }
            if (o_.hostil) {
                pr.Adiciona({S("P|1'2"), T("PRODUTO COM CODIGO ESTRANHO", 120), S("UN"), S("00"), S("001"), ValorSQL(18.0)});
                produtos.push_back("P|1'2");
            }
            pr.Descarrega();
            ma.Descarrega();
            se.Descarrega();
            TTIInsercaoLote cor(db_, nome("CADCORTIN"), {"CODIGO", "DESCRICAO", "COD_CLAFIS"});
            const char* cores[] = {"BRANCO", "PRETO", "AZUL", "VERMELHO", "VERDE"};
            for (int c = 0; c < 5; ++c) cor.Adiciona({S(Fmt("%02lld", c + 1)), T(cores[c], 60), S(r_.Um(ncms_))});
            cor.Descarrega();
            TTIInsercaoLote tr(db_, nome("TABTRAN"), {"CODIGO", "NOME", "CNPJ", "CEP"});
            for (int t = 1; t <= 5; ++t)
                tr.Adiciona({S(Fmt("T%04lld", t)), T("TRANSPORTADORA " + std::to_string(t), 60), S(FormataCnpj(Cnpj())), S(r_.Um(ceps_))});
            tr.Descarrega();
        }
        db_.Transacao().CommitRetaining();

        Documentos(emp, participantes, produtos, materiais, servicos);
        Receber(emp, participantes);
        db_.Transacao().CommitRetaining();
    }

    std::string ChaveAcesso(const Municipio& m, util::Data d, const std::string& cnpj, const char* modelo, int serie, int64_t numero) {
        std::string uf = std::to_string(m.codigo).substr(0, 2);
        std::string c = uf + Fmt("%02lld", d.Ano() % 100) + Fmt("%02lld", d.Mes()) + cnpj + modelo + Fmt("%03lld", serie) +
                        Fmt("%09lld", numero) + "1" + r_.Digitos(8);
        return c + DigitoChaveAcesso(c);
    }

    static const char* Abrevi(const std::string& codigoTipo) {
        for (const auto& t : kTiposFiscais)
            if (codigoTipo == t.codigo) return t.abrevi;
        return "55";
    }

    void Documentos(const std::string& emp, const std::vector<std::string>& participantes, const std::vector<std::string>& produtos,
                    const std::vector<std::string>& materiais, const std::vector<std::string>& servicos) {
        auto nome = [&](const char* t) { return NomeFisico(t, emp); };
        TTIInsercaoLote ne(db_, nome("NOTA_ENTRA"),
                           {"NOTAFISCAL", "CREDOR", "SERIE", "TIPO", "DT_EMISSAO", "DT_ENTRADA", "ALIQUOTA", "BASE_ICM", "BASE_IPI",
                            "VALOR", "VAL_PRODUTOS", "FRETENF", "ISENTA_ICM", "ISENTA_IPI", "OUTRAS_IPI", "OUTRAS_ICM", "SEGURO",
                            "VALOR_ICM", "VALOR_IPI", "DESCONTO", "DESPESA", "PIS", "COFINS", "PIS_RET", "COFINS_RET", "VALOR_ISS",
                            "VALOR_ST", "BASE_ST", "NSU", "TP_FRETE", "DOCTO"});
        TTIInsercaoLote ni(db_, nome("NF_ENTRA_ITEN"),
                           {"NUMERO", "CODCRE", "SERIE", "ITEM", "CODIGO", "COR", "TAM", "DESCRICAO", "LOTE", "TIPO", "UNIDADE",
                            "NATUREZA", "CLAFIS", "CODSPED", "CLATRIB", "TRIB_PIS", "TRIB_COFINS", "TRIB_IPI", "ESTOQUE", "QTDE",
                            "VALOR", "VALOR_TOT", "VAL_DESC", "VAL_FRETE", "BASE_ICMS", "ICMS", "VAL_ICMS", "BASE_IPI", "VLR_IPI",
                            "VALOR_ST", "BASE_ST"});
        TTIInsercaoLote ns(db_, nome("NOTA"),
                           {"FATURA", "SERIE", "CODCLI", "TIPO_FISCAL", "DT_EMISSAO", "DT_SAIDA", "IMPRESSO", "TIPFAT", "BAI_EST",
                            "CIF", "CHAVE_NFE", "DOCTO", "TRANSPORT", "PLACA", "ALIQUOTA", "BASE_CALC", "BASE_IPI", "VALOR",
                            "VAL_PRODUTOS", "VAL_FRETE", "VAL_SEGURO", "VAL_ICMS", "VAL_IPI", "DESCONTO", "DESPESAS", "VAL_PIS",
                            "VAL_COFINS", "VAL_SUBST", "BASE_SUBST", "VAL_IMPORT", "VOLUMES", "PESOB", "PESOL"});
        TTIInsercaoLote si(db_, nome("NOTAITEN"),
                           {"FATURA", "ITEM", "CODIGO", "COR", "TAMANHO", "DESCRICAO", "LOTE", "TIPO_IT", "UNIDADE", "NATUREZA",
                            "CLA_FIS", "CODSPED", "CLA_TRIB", "TRIB_PIS", "TRIB_COFINS", "TRIB_IPI", "EMPENHO", "QTDE", "PRECO",
                            "VALOR", "CUSTO", "BASE_ICMS", "PERC_ICMS", "BASE_IPI", "PERC_IPI", "BASE_PIS", "PERC_PIS",
                            "BASE_COFINS", "PERC_COFINS", "VALOR_ST", "PERC_ST", "BASE_ST"});
        TTIInsercaoLote ct(db_, nome("CONTABIL"), {"ID", "NUMERO", "CODCLI", "CONTA_C", "CONTA_D", "VALOR"});

        std::vector<const Natureza*> natEntrada, natSaida, natServicoEnt, natServicoSai;
        for (const auto& n : kNaturezas) {
            (n.saida ? natSaida : natEntrada).push_back(&n);
            if (std::string(n.codigo) == "1933") natServicoEnt.push_back(&n);
            if (std::string(n.codigo) == "5933") natServicoSai.push_back(&n);
        }
        const std::vector<std::string> tribPis = {"01", "01", "01", "50", "50", "06", "70", "73", "99"};
        const Municipio& munEmp = cidades_[0];
        int64_t desdeCommit = 0, itensTotal = 0, contabilId = 0;
        const int entradas = (o_.documentos + 1) / 2, saidas = o_.documentos / 2;

        for (int d = 1; d <= entradas; ++d) {
            std::string numero = Fmt("%06lld", d);
            std::string credor = r_.Um(participantes);
            std::string serie = r_.Um(std::vector<std::string>{"1", "1", "2", "U", "001"});
            // Incoming documents go through every model in turn, so that a small period
            // already holds every document family.
            r_.Um(kTiposEntrada);  // the draw stays, so the rest of the data is unchanged by this rule
            std::string tipo = kTiposEntrada[static_cast<size_t>(d - 1) % kTiposEntrada.size()];
            std::string abrevi = Abrevi(tipo);
            util::Data entrada = r_.Chance(94) ? DiaDoPeriodo() : (r_.Chance(50) ? inicio_.MaisDias(-3) : fim_.MaisDias(2));
            util::Data emissao = entrada.MaisDias(-static_cast<int>(r_.Entre(0, 5)));
            bool servico = abrevi == "99";
            bool zerado = r_.Chance(5);
            int nIt = r_.Chance(3) ? 0 : static_cast<int>(r_.Entre(1, o_.itens));
            int64_t totProd = 0, totDesc = 0, totPis = 0, totCofins = 0, totIcms = 0, totBaseIcms = 0, totIpi = 0, totFrete = 0;
            // --hostil: items without goods value that still carry a discount.
            const bool semMercadoria = o_.hostil && r_.Chance(15);
            std::string serieItem = serie;
            for (int it = 1; it <= nIt; ++it) {
                const Natureza* nat = servico ? natServicoEnt[0] : r_.Um(natEntrada);
                char tipoIt = servico ? 'S' : (r_.Chance(30) ? 'M' : 'P');
                std::string codigo = tipoIt == 'S' ? r_.Um(servicos) : tipoIt == 'M' ? r_.Um(materiais) : r_.Um(produtos);
                int64_t qtde = r_.Entre(1, 40);
                int64_t preco = r_.Entre(150, 250000);  // cents
                int64_t tot = qtde * preco;
                int64_t desc = r_.Chance(20) ? tot / 20 : 0;
                if (semMercadoria) {
                    tot = 0;
                    desc = r_.Entre(100, 5000);
                }
                int64_t frete = r_.Chance(15) ? tot / 50 : 0;
                int aliqIcms = servico ? 0 : static_cast<int>(r_.Um(std::vector<int64_t>{0, 7, 12, 18}));
                int64_t baseIcms = aliqIcms ? tot - desc : 0;
                int64_t icms = Percentual(baseIcms, aliqIcms * 100);
                int aliqIpi = r_.Chance(20) ? 10 : 0;
                int64_t baseIpi = aliqIpi ? tot : 0;
                totProd += tot; totDesc += desc; totFrete += frete; totIcms += icms; totBaseIcms += baseIcms;
                totIpi += Percentual(baseIpi, aliqIpi * 100);
                totPis += Percentual(tot - desc, nat->aliqPis);
                totCofins += Percentual(tot - desc, nat->aliqCofins);
                ni.Adiciona(H({S(numero), S(credor), S(serieItem), I(it), S(codigo), S(r_.Chance(10) ? "01" : ""), S(""),
                               T("ITEM COMPRADO " + codigo, 500), T(r_.Chance(10) ? "L" + r_.Digitos(5) : "", 20), S(std::string(1, tipoIt)),
                               S(r_.Chance(3) ? "" : r_.Um(unidades_)), S(nat->codigo), S(r_.Um(ncms_)),
                               S(tipoIt == 'S' ? "09" : "00"), S("000"), S(r_.Um(tribPis)), S(r_.Um(tribPis)), S("49"),
                               S(tipoIt == 'S' ? "N" : "S"), ValorSQL(static_cast<double>(qtde)), R(preco), R(tot), R(desc), R(frete),
                               R(baseIcms), ValorSQL(static_cast<double>(aliqIcms)), R(icms), R(baseIpi),
                               ValorSQL(static_cast<double>(aliqIpi)), R(0), R(0)},
                              {3}));
            }
            itensTotal += nIt;
            if (zerado) totPis = totCofins = 0;
            bool eletronico = abrevi == "55" || abrevi == "65" || abrevi == "57";
            std::string chave = eletronico ? ChaveAcesso(munEmp, emissao, cnpjEmpresa_, abrevi.c_str(), 1, d) : "";
            int64_t valor = totProd - totDesc + totFrete + totIpi;
            ne.Adiciona(H({S(numero), S(credor), S(serie), S(tipo), D(emissao), D(entrada), R(totBaseIcms ? 1800 : 0), R(totBaseIcms),
                           R(0), R(valor), R(totProd), R(totFrete), R(0), R(0), R(0), R(0), R(0), R(totIcms), R(totIpi), R(totDesc),
                           R(0), R(totPis), R(totCofins), R(r_.Chance(5) ? totPis / 10 : 0), R(0),
                           R(servico ? Percentual(totProd, 500) : 0), R(0), R(0), S(chave), S(r_.Um(std::vector<std::string>{"0", "1", "9"})),
                           T("", 20)},
                          {5}));
            if (r_.Chance(10)) ct.Adiciona({I(++contabilId), S(numero), S(credor), S("3.1.01.001"), S("4.1.01.001"), R(valor)});
            Commita(desdeCommit, nIt + 1);
            if (d % 5000 == 0) Progresso("empresa " + emp + ": " + std::to_string(d) + "/" + std::to_string(entradas) + " entradas, " +
                                         std::to_string(itensTotal) + " itens");
        }

        const std::vector<std::string> tiposSaida = {"001", "001", "001", "001", "001", "001", "002", "003", "020", "021", "", ""};
        for (int d = 1; d <= saidas; ++d) {
            std::string fatura = Fmt("%06lld", d) + (r_.Chance(20) ? "/A" : "");
            std::string cli = r_.Um(participantes);
            std::string tipo = r_.Um(tiposSaida);
            std::string abrevi = tipo.empty() ? "55" : Abrevi(tipo);
            bool servico = abrevi == "99";
            util::Data emissao = r_.Chance(95) ? DiaDoPeriodo() : fim_.MaisDias(1);
            int impr = static_cast<int>(r_.Entre(1, 100));
            const char* impresso = impr <= 90 ? "S" : impr <= 94 ? "C" : impr <= 97 ? "D" : "N";
            bool tecido = !servico && r_.Chance(10);
            bool zerado = r_.Chance(5);
            int nIt = static_cast<int>(r_.Entre(1, o_.itens));
            int64_t totProd = 0, totPis = 0, totCofins = 0, totIcms = 0, totBaseIcms = 0, totIpi = 0;
            // --hostil: a document without goods value that still carries a discount.
            const bool semMercadoria = o_.hostil && r_.Chance(15);
            const int64_t desconto = semMercadoria ? r_.Entre(100, 5000) : 0;
            for (int it = 1; it <= nIt; ++it) {
                const Natureza* nat = servico ? natServicoSai[0] : r_.Um(natSaida);
                char tipoIt = servico ? 'S' : (r_.Chance(10) ? 'M' : 'P');
                std::string codigo = tipoIt == 'S' ? r_.Um(servicos) : tipoIt == 'M' ? r_.Um(materiais) : r_.Um(produtos);
                int64_t qtde = r_.Entre(1, 25);
                int64_t preco = r_.Entre(300, 400000);
                int64_t tot = semMercadoria ? 0 : qtde * preco;
                int aliqIcms = servico ? 0 : static_cast<int>(r_.Um(std::vector<int64_t>{0, 7, 12, 18}));
                int64_t baseIcms = aliqIcms ? tot : 0;
                int64_t icms = Percentual(baseIcms, aliqIcms * 100);
                int aliqIpi = r_.Chance(15) ? 5 : 0;
                int pEmp = static_cast<int>(r_.Entre(1, 200));
                ValorSQL empenho = pEmp <= 180 ? S("N") : pEmp <= 186 ? S("S") : pEmp <= 190 ? S("O") : pEmp <= 194 ? S("X")
                                 : pEmp <= 197 ? S("") : ValorSQL(std::monostate{});
                bool conta = pEmp <= 180;
                if (conta) {
                    totProd += tot; totIcms += icms; totBaseIcms += baseIcms;
                    totIpi += Percentual(aliqIpi ? tot : 0, aliqIpi * 100);
                    totPis += Percentual(tot, nat->aliqPis);
                    totCofins += Percentual(tot, nat->aliqCofins);
                }
                si.Adiciona(H({S(fatura), I(it), S(codigo), S(tecido ? Fmt("%02lld", r_.Entre(1, 5)) : ""), S(""),
                               T("ITEM VENDIDO " + codigo, 500), T("", 20), S(std::string(1, tipoIt)), S(r_.Chance(3) ? "" : r_.Um(unidades_)),
                               S(nat->codigo), S(r_.Um(ncms_)), S(tipoIt == 'S' ? "09" : "00"), S("000"), S(r_.Um(tribPis)),
                               S(r_.Um(tribPis)), S("50"), empenho, ValorSQL(static_cast<double>(qtde)), R(preco), R(tot),
                               R(preco * 6 / 10), R(baseIcms), ValorSQL(static_cast<double>(aliqIcms)), R(aliqIpi ? tot : 0),
                               ValorSQL(static_cast<double>(aliqIpi)), R(tot), ValorSQL(nat->aliqPis / 100.0), R(tot),
                               ValorSQL(nat->aliqCofins / 100.0), R(0), R(0), R(0)},
                              {1}));
            }
            itensTotal += nIt;
            if (zerado) totPis = totCofins = 0;
            bool eletronico = abrevi == "55" || abrevi == "65";
            ValorSQL chave = eletronico ? S(ChaveAcesso(munEmp, emissao, cnpjEmpresa_, abrevi.c_str(), 1, d))
                                        : (r_.Chance(50) ? S("") : ValorSQL(std::monostate{}));
            bool transp = r_.Chance(30);
            ns.Adiciona(H({S(fatura), S("1"), S(cli), tipo.empty() ? ValorSQL(std::monostate{}) : S(tipo), D(emissao),
                           D(emissao.MaisDias(static_cast<int>(r_.Entre(0, 2)))), S(impresso), S(tecido ? "T" : "N"), S("S"),
                           S(r_.Um(std::vector<std::string>{"0", "1", "9"})), chave, T("", 20),
                           transp ? S(Fmt("T%04lld", r_.Entre(1, 5))) : ValorSQL(std::monostate{}),
                           transp ? S("ABC1D23") : ValorSQL(std::monostate{}), R(totBaseIcms ? 1800 : 0), R(totBaseIcms), R(0),
                           R(totProd + totIpi - desconto), R(totProd), R(0), R(0), R(totIcms), R(totIpi), R(desconto), R(0), R(totPis),
                           R(totCofins), R(0), R(0), R(0), I(r_.Entre(1, 20)), ValorSQL(static_cast<double>(r_.Entre(1000, 900000)) / 1000.0),
                           ValorSQL(static_cast<double>(r_.Entre(1000, 800000)) / 1000.0)},
                          {4}));
            if (r_.Chance(10)) ct.Adiciona({I(++contabilId), S(fatura), S(cli), S("3.1.01.001"), S("1.1.02.001"), R(totProd)});
            Commita(desdeCommit, nIt + 1);
            if (d % 5000 == 0) Progresso("empresa " + emp + ": " + std::to_string(d) + "/" + std::to_string(saidas) + " saídas, " +
                                         std::to_string(itensTotal) + " itens");
        }
        ne.Descarrega(); ni.Descarrega(); ns.Descarrega(); si.Descarrega(); ct.Descarrega();
        Progresso("empresa " + emp + ": " + std::to_string(entradas + saidas) + " documentos, " + std::to_string(itensTotal) + " itens");
    }

    // Receipts: interest in the period (one on its last day), some the day after,
    // some without interest or with a negative adjustment.
    void Receber(const std::string& emp, const std::vector<std::string>& participantes) {
        TTIInsercaoLote rb(db_, NomeFisico("RECEBERB", emp), {"ID", "DOCUMENTO", "CODCLI", "DT_VENCTO", "DT_PAGTO", "VALOR", "JUROS"});
        int n = std::max(8, o_.documentos / 4);
        for (int i = 1; i <= n; ++i) {
            util::Data pagto = i == 1 ? fim_ : i == 2 ? fim_.MaisDias(1) : i == 3 ? inicio_.MaisDias(-1) : DiaDoPeriodo();
            int64_t valor = r_.Entre(1000, 500000);
            int k = static_cast<int>(r_.Entre(0, 9));
            int64_t juros = k < 6 ? r_.Entre(1, 5000) : k < 8 ? 0 : k < 9 ? -r_.Entre(1, 500) : r_.Entre(1, 900);
            rb.Adiciona(H({I(i), S(Fmt("%06lld", i) + "-1"), S(r_.Um(participantes)), D(pagto.MaisDias(-5)),
                           k == 9 && i > 3 ? ValorSQL(std::monostate{}) : D(pagto), R(valor), R(juros)},
                          {0}));
        }
        rb.Descarrega();
    }

    TTIDatabase& db_;
    const OpcoesGerador& o_;
    Aleatorio r_;
    Textos txt_;
    util::Data inicio_, fim_;
    std::vector<Municipio> municipios_, cidades_;
    std::vector<std::string> ceps_, ncms_, unidades_;
    std::string contador_, cnpjEmpresa_;
};

}  // namespace

void GeraDados(TTIDatabase& db, const OpcoesGerador& opcoes) { Gerador(db, opcoes).Executa(); }

}  // namespace fixture
