#include "erpdata/ContextoERP.h"

#include <QString>

#include "erpdata/TIQuery.h"
#include "util/Windows1252.h"

namespace erpdata {

namespace {

std::string Maiusculas(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toUpper().toStdString(); }

std::string Apara(std::string_view s) {
    size_t i = 0, f = s.size();
    while (i < f && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
    while (f > i && (s[f - 1] == ' ' || s[f - 1] == '\t' || s[f - 1] == '\r' || s[f - 1] == '\n')) --f;
    return std::string(s.substr(i, f - i));
}

// The first n characters (not bytes) of a UTF-8 text.
std::string PrimeirosCaracteres(std::string_view s, size_t n) {
    return std::string(s.substr(0, util::BytesDosPrimeirosCaracteres(s, n)));
}

}  // namespace

std::string TContextoERP::RemoveSufixo(std::string_view nome) {
    if (nome.size() < 4 || nome[nome.size() - 4] != '_') return std::string(nome);
    std::string_view sufixo = nome.substr(nome.size() - 3);
    int v = 0;
    for (char c : sufixo) {
        if (c < '0' || c > '9') return std::string(nome);
        v = v * 10 + (c - '0');
    }
    // 999 doubles as the conversion's failure value, so "_999" is never stripped.
    if (v == 999) return std::string(nome);
    return std::string(nome.substr(0, nome.size() - 4));
}

void TContextoERP::LimpaArqLocal() {
    lstArqLocal_.clear();
    porChave_.clear();
}

void TContextoERP::CarregaArqLocal() {
    LimpaArqLocal();
    TTIQuery q(&db_);
    q.SetSQL("SELECT ARQUIVO FROM ARQLOCAL ORDER BY ARQUIVO");
    q.Open();
    TTIField arquivo = q.FieldByName("ARQUIVO");
    for (q.First(); !q.Eof(); q.Next()) {
        std::string valor = arquivo.AsString();
        std::string chave = Maiusculas(RemoveSufixo(valor));
        porChave_.try_emplace(chave, valor);
        lstArqLocal_.emplace_back(std::move(chave), std::move(valor));
    }
}

std::string TContextoERP::NomeTabela(std::string_view nome) const {
    auto it = porChave_.find(Maiusculas(nome));
    if (it != porChave_.end()) return it->second;
    return std::string(nome) + Apara(CodigoEmpresa());
}

std::string TContextoERP::CodigoEmpresa() const { return PrimeirosCaracteres(EntradaEmpresa, 4); }

std::string TContextoERP::Aspas(std::string_view texto) {
    std::string r = "'";
    for (char c : texto) {
        r += c;
        if (c == '\'') r += '\'';
    }
    r += '\'';
    return r;
}

std::string TContextoERP::BuscaParametro(std::string_view tipo, int codigo) const {
    // Characters two to four of the company code: EMP_PARAM keeps three.
    std::string empresa;
    size_t ini = util::BytesDosPrimeirosCaracteres(sEmp, 1);
    if (ini < sEmp.size()) empresa = PrimeirosCaracteres(std::string_view(sEmp).substr(ini), 3);
    TTIQuery q(&db_);
    q.AddSQL("SELECT * FROM EMP_PARAM ");
    q.AddSQL("WHERE CODIGO = " + std::to_string(codigo));
    q.AddSQL("AND TIPO = " + Aspas(tipo));
    q.AddSQL("AND EMPRESA = " + Aspas(empresa));
    q.Open();
    if (q.IsEmpty()) return {};
    q.First();
    return q.FieldByName("VALOR").AsString();
}

bool TContextoERP::JaIncluido(std::string_view prefixo, std::string_view chave, bool incluir) {
    std::string k = Maiusculas(std::string(prefixo) + std::string(chave));
    if (slLocate2_.count(k)) return true;
    if (incluir) slLocate2_.insert(std::move(k));
    return false;
}

}  // namespace erpdata
