#include "erpdata/Traduz.h"

#include <array>
#include <cctype>
#include <optional>

namespace erpdata {

namespace {

char Maiuscula(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Maiusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = Maiuscula(c);
    return r;
}

bool IgualCI(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Maiuscula(a[i]) != Maiuscula(b[i])) return false;
    return true;
}

size_t AchaCI(std::string_view s, std::string_view padrao, size_t inicio = 0) {
    if (padrao.empty() || s.size() < padrao.size()) return std::string::npos;
    for (size_t i = inicio; i + padrao.size() <= s.size(); ++i)
        if (IgualCI(s.substr(i, padrao.size()), padrao)) return i;
    return std::string::npos;
}

bool ContemCI(std::string_view s, std::string_view padrao) { return AchaCI(s, padrao) != std::string::npos; }

void TrocaTodosCI(std::string& s, std::string_view de, std::string_view para) {
    size_t pos = 0;
    while ((pos = AchaCI(s, de, pos)) != std::string::npos) {
        s.replace(pos, de.size(), para);
        pos += para.size();
    }
}

bool EhIdentificador(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }
bool EhBranco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Apara(std::string_view s) {
    size_t i = 0, f = s.size();
    while (i < f && EhBranco(s[i])) ++i;
    while (f > i && EhBranco(s[f - 1])) --f;
    return std::string(s.substr(i, f - i));
}

// Position just past the quoted literal that opens at `abre` (a doubled quote
// inside is part of the literal); npos when it never closes.
size_t FimDoLiteral(std::string_view s, size_t abre) {
    for (size_t i = abre + 1; i < s.size(); ++i) {
        if (s[i] != '\'') continue;
        if (i + 1 < s.size() && s[i + 1] == '\'') { ++i; continue; }
        return i + 1;
    }
    return std::string::npos;
}

// Index of the parenthesis closing the one at `abre`, skipping quoted literals.
size_t FechaParentese(std::string_view s, size_t abre) {
    int nivel = 0;
    for (size_t i = abre; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\'') {
            size_t f = FimDoLiteral(s, i);
            if (f == std::string::npos) return std::string::npos;
            i = f - 1;
        } else if (c == '(') {
            ++nivel;
        } else if (c == ')') {
            if (--nivel == 0) return i;
        }
    }
    return std::string::npos;
}

// Splits at the commas that are outside parentheses and quoted literals.
std::vector<std::string> SeparaArgumentos(std::string_view s) {
    std::vector<std::string> args;
    int nivel = 0;
    size_t ini = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\'') {
            size_t f = FimDoLiteral(s, i);
            if (f == std::string::npos) break;
            i = f - 1;
        } else if (c == '(') {
            ++nivel;
        } else if (c == ')') {
            --nivel;
        } else if (c == ',' && nivel == 0) {
            args.push_back(Apara(s.substr(ini, i - ini)));
            ini = i + 1;
        }
    }
    args.push_back(Apara(s.substr(ini)));
    return args;
}

// The first top-level occurrence of a keyword surrounded by white space inside `s`.
// Returns the start of the keyword and the extent of the surrounding blanks.
struct Palavra { size_t antes, depois; };
std::optional<Palavra> AchaPalavraNoNivel(std::string_view s, std::string_view palavra, size_t inicio = 0) {
    int nivel = 0;
    for (size_t i = inicio; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\'') {
            size_t f = FimDoLiteral(s, i);
            if (f == std::string::npos) return std::nullopt;
            i = f - 1;
            continue;
        }
        if (c == '(') { ++nivel; continue; }
        if (c == ')') { --nivel; continue; }
        if (nivel != 0 || !EhBranco(c)) continue;
        size_t p = i;
        while (p < s.size() && EhBranco(s[p])) ++p;
        if (p + palavra.size() < s.size() && IgualCI(s.substr(p, palavra.size()), palavra) &&
            EhBranco(s[p + palavra.size()]))
            return Palavra{i, p + palavra.size()};
        i = p - 1;
    }
    return std::nullopt;
}

// Finds the calls `nome(...)` (the name a whole word, blanks allowed before the
// parenthesis) and replaces up to `maximo` of them (0 = all) by what `troca` builds
// from the argument list. A call whose parentheses do not close is left alone.
template <class Troca>
void TrocaChamadas(std::string& s, std::string_view nome, int maximo, Troca troca) {
    size_t pos = 0;
    int feitas = 0;
    while ((maximo == 0 || feitas < maximo) && (pos = AchaCI(s, nome, pos)) != std::string::npos) {
        if (pos > 0 && EhIdentificador(s[pos - 1])) { pos += nome.size(); continue; }
        size_t p = pos + nome.size();
        while (p < s.size() && EhBranco(s[p])) ++p;
        if (p >= s.size() || s[p] != '(') { pos += nome.size(); continue; }
        size_t fecha = FechaParentese(s, p);
        if (fecha == std::string::npos) { pos += nome.size(); continue; }
        std::string_view dentro = std::string_view(s).substr(p + 1, fecha - p - 1);
        std::optional<std::string> novo = troca(dentro);
        if (!novo) { pos = fecha; continue; }
        s.replace(pos, fecha + 1 - pos, *novo);
        pos += novo->size();
        ++feitas;
    }
}

std::vector<std::string> Argumentos(std::string_view dentro) { return SeparaArgumentos(dentro); }

// SUBSTRING(x FROM a FOR b) -> SUBSTR(x,a,b)
void TrocaSubstring(std::string& s) {
    TrocaChamadas(s, "SUBSTRING", 0, [](std::string_view d) -> std::optional<std::string> {
        auto from = AchaPalavraNoNivel(d, "FROM");
        if (!from) return std::nullopt;
        auto para = AchaPalavraNoNivel(d, "FOR", from->depois);
        if (!para) return std::nullopt;
        return "SUBSTR(" + Apara(d.substr(0, from->antes)) + "," +
               Apara(d.substr(from->depois, para->antes - from->depois)) + "," + Apara(d.substr(para->depois)) + ")";
    });
}

std::optional<std::string> ComUmArgumento(std::string_view d) {
    auto a = Argumentos(d);
    if (a.size() != 1 || a[0].empty()) return std::nullopt;
    return a[0];
}

// The UDF_ macros shared by Oracle and PostgreSQL; `nvl` and `copia` differ.
void TrocaMacrosUdf(std::string& s, std::string_view nvl, std::string_view copia) {
    if (!ContemCI(s, "UDF_")) return;
    TrocaTodosCI(s, "UDF_STRIP", "REPLACE");
    TrocaTodosCI(s, "UDF_ROUNDDEC", "ROUND");
    TrocaChamadas(s, "UDF_MINUTESBETWEEN", 1, [](std::string_view d) -> std::optional<std::string> {
        auto a = Argumentos(d);
        if (a.size() != 2) return std::nullopt;
        return "(extract(MINUTE FROM " + a[0] + " - " + a[1] + " ))";
    });
    TrocaChamadas(s, "UDF_NVL", 1, [&](std::string_view d) -> std::optional<std::string> {
        auto x = ComUmArgumento(d);
        if (!x) return std::nullopt;
        return std::string(nvl) + "(" + *x + ",0)";
    });
    auto formato = [](const char* mascara) {
        return [mascara](std::string_view d) -> std::optional<std::string> {
            auto x = ComUmArgumento(d);
            if (!x) return std::nullopt;
            return "(TO_CHAR(" + *x + ",'" + mascara + "'))";
        };
    };
    TrocaChamadas(s, "UDF_HOUR", 1, formato("HH24"));
    TrocaChamadas(s, "UDF_MINUTE", 1, formato("MI"));
    TrocaChamadas(s, "UDF_DAYNAME", 2, formato("DAY"));
    TrocaTodosCI(s, "udf_copy", copia);
}

// Oracle reads '' as NULL, so comparisons with the empty text become NULL tests.
void TrocaComparacoesVazias(std::string& s) {
    TrocaTodosCI(s, "<> ''", " IS NOT NULL ");
    TrocaTodosCI(s, "<>''", " IS NOT NULL ");
    std::string plano = s;
    for (char& c : plano)
        if (c == '\r' || c == '\n') c = ' ';
    if (plano.find("''") == std::string::npos) return;

    std::string inicioMaiusc = Maiusculas(Apara(plano));
    bool soCondicao = (inicioMaiusc.rfind("UPDATE", 0) == 0 && ContemCI(plano, "SET")) ||
                      (inicioMaiusc.rfind("DELETE", 0) == 0 && ContemCI(plano, "FROM"));
    size_t inicio = 0;
    if (soCondicao) {
        inicio = AchaCI(s, "WHERE");
        if (inicio == std::string::npos) return;
    }
    for (size_t i = inicio; i < s.size(); ++i) {
        if (s[i] != '=') continue;
        size_t q = i + 1;
        if (q < s.size() && s[q] == ' ') ++q;
        if (s.compare(q, 2, "''") != 0) continue;
        if (q + 2 < s.size() && s[q + 2] == '\'') continue;  // a literal that starts with a quote
        size_t de = i;
        std::string_view por = " IS NULL ";
        if (i > 0 && (s[i - 1] == '>' || s[i - 1] == '<')) { de = i - 1; por = " IS NOT NULL "; }
        s.replace(de, q + 2 - de, por);
        i = de + por.size() - 1;
    }
}

bool IniciaTipo(std::string_view palavra) {
    static constexpr std::array<std::string_view, 7> tipos{"DECIMAL", "INTEGER", "VARCHAR", "NUMERIC",
                                                           "DATE", "TIME", "TIMESTAMP"};
    for (auto t : tipos)
        if (palavra.size() >= t.size() && IgualCI(palavra.substr(0, t.size()), t)) return true;
    return false;
}

// Drops the column-alias keyword AS (Oracle takes the alias without it) and keeps
// the AS of a CAST, recognised by the type name that follows.
void RemoveAs(std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\'') {
            size_t f = FimDoLiteral(s, i);
            if (f == std::string::npos) f = s.size();
            r.append(s, i, f - i);
            i = f - 1;
            continue;
        }
        bool antesOk = i > 0 && (EhBranco(s[i - 1]) || s[i - 1] == ')');
        bool depoisOk = i + 2 < s.size() && (EhBranco(s[i + 2]) || s[i + 2] == '(');
        if (antesOk && depoisOk && IgualCI(std::string_view(s).substr(i, 2), "AS")) {
            size_t p = i + 2;
            while (p < s.size() && (EhBranco(s[p]) || s[p] == '(')) ++p;
            size_t f = p;
            while (f < s.size() && EhIdentificador(s[f])) ++f;
            if (!IniciaTipo(std::string_view(s).substr(p, f - p))) {
                ++i;  // skip both letters
                continue;
            }
        }
        r.push_back(c);
    }
    s = std::move(r);
}

bool EhPalavraReservada(std::string_view w) {
    static constexpr std::array<std::string_view, 14> reservadas{
        "WHERE", "LEFT", "RIGHT", "INNER", "OUTER", "FULL", "JOIN", "ON", "GROUP", "ORDER", "UNION", "HAVING", "CROSS", "AS"};
    for (auto r : reservadas)
        if (IgualCI(w, r)) return true;
    return false;
}

// alias.* -> alias.COL1, alias.COL2 ... with the columns read from Oracle's dictionary.
void ExpandeAliasAsterisco(std::string& s, const ExecutorDicionario& dicionario) {
    if (!dicionario) return;
    if (!ContemCI(s, "DISTINCT") && !ContemCI(s, "GROUP BY")) return;
    if (s.find(".*") == std::string::npos) return;

    struct Tabela { std::string alias, nome; };
    std::vector<Tabela> tabelas;
    for (std::string_view chave : {std::string_view("FROM"), std::string_view("JOIN")}) {
        size_t pos = 0;
        while ((pos = AchaCI(s, chave, pos)) != std::string::npos) {
            size_t fim = pos + chave.size();
            bool palavra = (pos == 0 || EhBranco(s[pos - 1])) && fim < s.size() && EhBranco(s[fim]);
            pos = fim;
            if (!palavra) continue;
            size_t p = fim;
            while (p < s.size() && EhBranco(s[p])) ++p;
            size_t f = p;
            while (f < s.size() && (EhIdentificador(s[f]) || s[f] == '.')) ++f;
            if (f == p) continue;
            std::string nome = s.substr(p, f - p);
            size_t a = f;
            while (a < s.size() && EhBranco(s[a])) ++a;
            size_t fa = a;
            while (fa < s.size() && EhIdentificador(s[fa])) ++fa;
            std::string alias = s.substr(a, fa - a);
            if (alias.empty() || EhPalavraReservada(alias)) alias = nome;
            tabelas.push_back({Maiusculas(alias), Maiusculas(nome)});
        }
    }

    size_t pos = 0;
    while ((pos = s.find(".*", pos)) != std::string::npos) {
        size_t ini = pos;
        while (ini > 0 && EhIdentificador(s[ini - 1])) --ini;
        if (ini == pos) { pos += 2; continue; }
        std::string alias = s.substr(ini, pos - ini);
        const Tabela* t = nullptr;
        for (const auto& tb : tabelas)
            if (tb.alias == Maiusculas(alias)) { t = &tb; break; }
        if (!t) { pos += 2; continue; }  // an alias we do not know stays as written
        std::vector<std::string> colunas = dicionario(SqlColunasOracle(t->nome));
        if (colunas.empty()) { pos += 2; continue; }
        std::string lista;
        for (size_t i = 0; i < colunas.size(); ++i) {
            if (i) lista += ", ";
            lista += alias + "." + colunas[i];
        }
        s.replace(ini, pos + 2 - ini, lista);
        pos = ini + lista.size();
    }
}

// POSITION(a IN b) -> INSTR(b,a)
void TrocaPosition(std::string& s) {
    TrocaTodosCI(s, "POSITION (", "POSITION(");
    TrocaChamadas(s, "POSITION", 0, [](std::string_view d) -> std::optional<std::string> {
        auto in = AchaPalavraNoNivel(d, "IN");
        if (!in) return std::nullopt;
        return "INSTR(" + Apara(d.substr(in->depois)) + "," + Apara(d.substr(0, in->antes)) + ")";
    });
}

// Replaces each MACRO[...] (from its name to the next "]").
template <class Troca>
void TrocaColchetes(std::string& s, std::string_view macro, Troca troca) {
    size_t pos = 0;
    while ((pos = AchaCI(s, macro, pos)) != std::string::npos) {
        size_t fecha = s.find(']', pos + macro.size());
        if (fecha == std::string::npos) return;
        auto args = SeparaArgumentos(std::string_view(s).substr(pos + macro.size(), fecha - pos - macro.size()));
        std::optional<std::string> novo = troca(args);
        if (!novo) { pos = fecha + 1; continue; }
        s.replace(pos, fecha + 1 - pos, *novo);
        pos += novo->size();
    }
}

std::string SemParenteses(const std::string& x) {
    std::string t = Apara(x);
    if (t.size() >= 2 && t.front() == '(' && FechaParentese(t, 0) == t.size() - 1) return Apara(t.substr(1, t.size() - 2));
    return t;
}

void TrocaMacrosColchetes(std::string& s, Dialeto d) {
    TrocaColchetes(s, "LIST[", [d](const std::vector<std::string>& a) -> std::optional<std::string> {
        if (a.size() < 2) return std::nullopt;
        if (d == Dialeto::Firebird) return "LIST(" + a[0] + ", " + a[1] + ")";
        if (d == Dialeto::PostgreSQL) return "STRING_AGG(" + a[0] + ", " + a[1] + ")";
        std::string expr = a[0];
        TrocaTodosCI(expr, "DISTINCT", "");
        expr = Apara(expr);
        std::string ordem = a.size() > 2 && !a[2].empty() ? a[2] : expr;
        std::string agregado = "XMLAGG(XMLELEMENT(E," + expr + "||" + a[1] + ") ORDER BY " + ordem + ").GETCLOBVAL()";
        // The first expression folds repeated neighbours, the second doubled separators.
        return "RTRIM(REGEXP_REPLACE(REGEXP_REPLACE(" + agregado + ",'([^'||" + a[1] + "||']+)('||" + a[1] +
               "||'\\1)+','\\1'),'('||" + a[1] + "||')+'," + a[1] + ")," + a[1] + ")";
    });
    TrocaColchetes(s, "HORA[", [d](const std::vector<std::string>& a) -> std::optional<std::string> {
        if (a.size() < 2) return std::nullopt;
        bool falso = IgualCI(a[1], "FALSE") || IgualCI(a[1], "F") || a[1] == "0";
        if (d == Dialeto::Firebird && falso) return Apara(a[0].size() > 10 ? a[0].substr(10) : std::string());
        return a[0];
    });
    TrocaColchetes(s, "WEEK_NUMBER[", [d](const std::vector<std::string>& a) -> std::optional<std::string> {
        if (a.empty() || a[0].empty()) return std::nullopt;
        if (d == Dialeto::Firebird) return "EXTRACT(WEEK FROM " + a[0] + ")";
        return "TO_CHAR(" + a[0] + ",'IW')";
    });
    TrocaColchetes(s, "FIRST[", [d](const std::vector<std::string>& a) -> std::optional<std::string> {
        if (a.size() < 4) return std::nullopt;
        std::string interno = SemParenteses(a[0]);
        if (!IgualCI(std::string_view(interno).substr(0, 6), "SELECT")) return std::nullopt;
        const std::string& alias = a[1];
        bool externo = IgualCI(a[2], "'E'");
        const std::string& n = a[3];
        if (d == Dialeto::Firebird) return "(SELECT FIRST " + n + interno.substr(6) + ")";
        if (d == Dialeto::PostgreSQL) {
            if (externo) return "(" + interno + " LIMIT " + n + ")";
            return "SELECT * FROM (" + interno + " LIMIT " + n + ") " + alias;
        }
        if (!externo) return "SELECT * FROM (" + interno + ") WHERE ROWNUM <= " + n;
        auto where = AchaPalavraNoNivel(interno, "WHERE");
        if (where) return "(" + interno.substr(0, where->depois) + " ROWNUM <= " + n + " AND" + interno.substr(where->depois) + ")";
        auto grupo = AchaPalavraNoNivel(interno, "GROUP");
        auto ordem = AchaPalavraNoNivel(interno, "ORDER");
        size_t corte = grupo ? grupo->antes : ordem ? ordem->antes : interno.size();
        return "(" + interno.substr(0, corte) + " WHERE ROWNUM <= " + n + interno.substr(corte) + ")";
    });
}

// Trimmed digits only -> number; anything else -> nullopt.
std::optional<int> Numero(std::string_view parte) {
    std::string t = Apara(parte);
    if (t.empty() || t.size() > 4) return std::nullopt;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool DataValida(int a, int m, int d) {
    if (a < 1 || m < 1 || m > 12 || d < 1) return false;
    static constexpr int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int max = dias[m - 1];
    if (m == 2 && ((a % 4 == 0 && a % 100 != 0) || a % 400 == 0)) max = 29;
    return d <= max;
}

std::string Dois(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// A literal written month/day/year (optionally with h:m:s) in the dialect's form,
// or nullopt when it is not one.
std::optional<std::string> ConverteLiteralData(std::string_view c, Dialeto d) {
    size_t barras = 0, doisPontos = 0;
    for (char ch : c) { barras += ch == '/'; doisPontos += ch == ':'; }
    bool soData = c.size() == 10 && barras == 2;
    bool comHora = c.size() == 19 && barras == 2 && doisPontos > 0;
    if (!soData && !comHora) return std::nullopt;
    auto m = Numero(c.substr(0, 2)), dia = Numero(c.substr(3, 2)), a = Numero(c.substr(6, 4));
    if (!m || !dia || !a || !DataValida(*a, *m, *dia)) return std::nullopt;
    std::optional<int> h, mi, se;
    if (comHora) {
        h = Numero(c.substr(11, 2)); mi = Numero(c.substr(14, 2)); se = Numero(c.substr(17, 2));
        if (!h || !mi || !se || *h > 23 || *mi > 59 || *se > 59) return std::nullopt;
    }
    std::string r = d == Dialeto::Oracle
                        ? Dois(*dia) + "/" + Dois(*m) + "/" + std::to_string(*a)
                        : std::to_string(*a) + "-" + std::to_string(*m) + "-" + std::to_string(*dia);
    if (comHora) r += " " + std::to_string(*h) + ":" + std::to_string(*mi) + ":" + std::to_string(*se);
    return r;
}

// Each date literal is rewritten where it stands, in one pass from left to right.
// Rewriting every occurrence of a converted text instead would turn the Oracle form
// of '01/02/2012' ('02/01/2012') back when the statement also holds '02/01/2012'.
void TrocaLiteraisData(std::string& s, Dialeto d) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\'') continue;
        size_t f = FimDoLiteral(s, i);
        if (f == std::string::npos) return;
        std::string_view conteudo = std::string_view(s).substr(i + 1, f - i - 2);
        if (auto novo = ConverteLiteralData(conteudo, d)) {
            s.replace(i + 1, conteudo.size(), *novo);
            f = i + 2 + novo->size();
        }
        i = f - 1;
    }
}

std::string ComoData(const std::string& arg) {
    std::string t = Apara(arg);
    if (t.size() >= 2 && t.front() == '\'' && FimDoLiteral(t, 0) == t.size()) return "CAST(" + t + " AS DATE)";
    return arg;
}

void TrocaDiferencaDatas(std::string& s) {
    if (!ContemCI(s, "UDF_")) return;
    TrocaTodosCI(s, "UDF_DAYSPAN", "DIFERENCAENTREDATAS");
    TrocaTodosCI(s, "UDF_DAYSBETWEEN", "DIFERENCAENTREDATAS");
    TrocaChamadas(s, "DIFERENCAENTREDATAS", 0, [](std::string_view d) -> std::optional<std::string> {
        auto a = Argumentos(d);
        if (a.size() != 2) return std::nullopt;
        return "CAST(" + ComoData(a[0]) + "-" + ComoData(a[1]) + " AS INTEGER)";
    });
    TrocaChamadas(s, "UDF_WEEKDAY", 0, [](std::string_view d) -> std::optional<std::string> {
        auto x = ComUmArgumento(d);
        if (!x) return std::nullopt;
        return "CAST(TO_CHAR(" + ComoData(*x) + ", 'D') AS INTEGER)-1";
    });
}

void TrocaTextoLongo(std::string& s, Dialeto d) {
    TrocaTodosCI(s, "dbms_lob.substr", "TI_BLOB");
    TrocaChamadas(s, "TI_BLOB", 0, [d](std::string_view dentro) -> std::optional<std::string> {
        if (d == Dialeto::Oracle) return "dbms_lob.substr(" + std::string(dentro) + ") ";
        return Argumentos(dentro).front();
    });
}

// current_time -> current_timestamp, leaving current_timestamp as it is.
void TrocaCurrentTime(std::string& s) {
    size_t pos = 0;
    while ((pos = AchaCI(s, "current_time", pos)) != std::string::npos) {
        size_t fim = pos + 12;
        if (AchaCI(std::string_view(s).substr(fim, 5), "STAMP") == 0) { pos = fim; continue; }
        s.replace(pos, 12, "current_timestamp");
        pos += 17;
    }
}

}  // namespace

Dialeto DialetoDoDriver(std::string_view driverId) {
    if (driverId.find("Ora") != std::string_view::npos) return Dialeto::Oracle;
    if (driverId.find("PG") != std::string_view::npos) return Dialeto::PostgreSQL;
    return Dialeto::Firebird;
}

std::string SqlColunasOracle(std::string_view tabela) {
    std::string t(tabela);
    std::string q;
    for (char c : t) { q += c; if (c == '\'') q += '\''; }
    return "SELECT T.COLUMN_NAME AS NmCampo FROM USER_TAB_COLUMNS t\r\n"
           "WHERE t.TABLE_NAME = '" + q + "'\r\n"
           "AND Ltrim(Rtrim(T.DATA_TYPE)) NOT IN ('BLOB', 'CLOB')\r\n"
           "ORDER BY T.COLUMN_ID";
}

std::string Traduz(std::string_view sql, Dialeto dialeto, const ExecutorDicionario& dicionario) {
    std::string s(sql);
    TrocaTodosCI(s, "DESCENDING", "DESC");

    if (ContemCI(s, "UDF_")) {
        static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> funcoes{{
            {"udf_len", "char_length"},
            {"udf_trim", "trim"},
            {"udf_replace", "replace"},
            {"UDF_DAY(", "EXTRACT(DAY FROM "},
            {"UDF_MONTH(", "EXTRACT(MONTH FROM "},
            {"UDF_YEAR(", "EXTRACT(YEAR FROM "},
            {"UDF_TRUNC", "TRUNC"},
            {"UDF_UPPER", "UPPER"},
        }};
        for (auto [de, para] : funcoes) TrocaTodosCI(s, de, para);
    }

    if (dialeto == Dialeto::Oracle) {
        TrocaComparacoesVazias(s);
        TrocaTodosCI(s, "current_date", "sysdate");
        TrocaCurrentTime(s);
        TrocaTodosCI(s, "char_length", "length");
        TrocaTodosCI(s, "coalesce", "nvl");
        TrocaTodosCI(s, "ASCII_CHAR", "CHR");
        TrocaSubstring(s);
        TrocaMacrosUdf(s, "NVL", "substr");
        if (ContemCI(s, "SELECT")) {
            RemoveAs(s);
            ExpandeAliasAsterisco(s, dicionario);
        }
        TrocaPosition(s);
    } else if (dialeto == Dialeto::PostgreSQL) {
        TrocaTodosCI(s, "ASCII_CHAR", "CHR");
        TrocaSubstring(s);
        TrocaMacrosUdf(s, "COALESCE", "SUBSTRING");
    }

    TrocaMacrosColchetes(s, dialeto);

    if (dialeto != Dialeto::Firebird) {
        TrocaLiteraisData(s, dialeto);
        TrocaDiferencaDatas(s);
    }
    TrocaTextoLongo(s, dialeto);
    return s;
}

const std::string& CacheTraducao::Traduz(const std::string& sql, Dialeto dialeto, const ExecutorDicionario& dicionario) {
    if (valido_ && dialeto == dialeto_ && sql == original_) return traduzido_;
    original_ = sql;
    dialeto_ = dialeto;
    traduzido_ = erpdata::Traduz(sql, dialeto, dicionario);
    valido_ = true;
    ++traducoes_;
    return traduzido_;
}

}  // namespace erpdata
