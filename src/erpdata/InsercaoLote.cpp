#include "erpdata/InsercaoLote.h"

#include <QDate>
#include <QSqlQuery>
#include <QVariant>

#include "erpdata/Erros.h"
#include "erpdata/TIDatabase_p.h"

namespace erpdata {

namespace {

QVariant ParaQt(const ValorSQL& v) {
    struct Visita {
        QVariant operator()(std::monostate) const { return QVariant(); }
        QVariant operator()(int64_t i) const { return QVariant(static_cast<qlonglong>(i)); }
        QVariant operator()(double d) const { return QVariant(d); }
        QVariant operator()(const std::string& s) const { return QVariant(QString::fromStdString(s)); }
        QVariant operator()(const util::Data& d) const {
            if (d.Vazia()) return QVariant(QMetaType(QMetaType::QDate));
            return QVariant(QDate(d.Ano(), static_cast<int>(d.Mes()), static_cast<int>(d.Dia())));
        }
    };
    return std::visit(Visita{}, v);
}

}  // namespace

struct TTIInsercaoLote::Impl {
    TTIDatabase& db;
    std::string tabela;
    std::vector<std::string> colunas;
    size_t linhasPorComando = 1;
    std::vector<std::vector<ValorSQL>> pendentes;
    std::unique_ptr<QSqlQuery> cheio;  // prepared for linhasPorComando rows
    uint64_t geracaoCheio = 0;          // transaction it was prepared in

    Impl(TTIDatabase& d, std::string t, std::vector<std::string> c) : db(d), tabela(std::move(t)), colunas(std::move(c)) {}

    std::string Comando(size_t linhas) const {
        std::string s = "INSERT INTO " + tabela + " (";
        for (size_t i = 0; i < colunas.size(); ++i) s += (i ? "," : "") + colunas[i];
        s += ") VALUES ";
        std::string uma = "(";
        for (size_t i = 0; i < colunas.size(); ++i) uma += i ? ",?" : "?";
        uma += ")";
        for (size_t l = 0; l < linhas; ++l) s += (l ? "," : "") + uma;
        return s;
    }

    std::unique_ptr<QSqlQuery> Prepara(size_t linhas) {
        auto q = std::make_unique<QSqlQuery>(db.impl().db);
        if (!q->prepare(QString::fromStdString(Comando(linhas))))
            throw EDatabaseError("Erro ao preparar inclusão em " + tabela + ": " + MensagemErroQt(q->lastError()));
        return q;
    }

    void Executa(QSqlQuery& q, size_t linhas) {
        int p = 0;
        for (size_t l = 0; l < linhas; ++l)
            for (const auto& v : pendentes[l]) q.bindValue(p++, ParaQt(v));
        if (!q.exec()) throw EDatabaseError("Erro ao incluir em " + tabela + ": " + MensagemErroQt(q.lastError()));
        pendentes.erase(pendentes.begin(), pendentes.begin() + static_cast<long>(linhas));
    }
};

TTIInsercaoLote::TTIInsercaoLote(TTIDatabase& db, std::string tabela, std::vector<std::string> colunas)
    : impl_(std::make_unique<Impl>(db, std::move(tabela), std::move(colunas))) {
    if (!db.Conectado()) throw EDatabaseError("Conexão com o banco de dados não está aberta");
    // PostgreSQL takes many rows per statement (up to 65535 bound values); Firebird
    // one, which costs little in the embedded engine.
    if (db.DialetoAtual() == Dialeto::PostgreSQL)
        impl_->linhasPorComando = std::max<size_t>(1, std::min<size_t>(500, 30000 / std::max<size_t>(1, impl_->colunas.size())));
    db.Transacao().StartTransaction();
}

TTIInsercaoLote::~TTIInsercaoLote() = default;

void TTIInsercaoLote::Adiciona(std::vector<ValorSQL> linha) {
    if (linha.size() != impl_->colunas.size())
        throw EDatabaseError("Inclusão em " + impl_->tabela + ": " + std::to_string(linha.size()) + " valores para " +
                             std::to_string(impl_->colunas.size()) + " colunas");
    impl_->pendentes.push_back(std::move(linha));
    ++total_;
    if (impl_->pendentes.size() >= impl_->linhasPorComando) {
        auto& banco = impl_->db;
        banco.Transacao().StartTransaction();
        if (!impl_->cheio || impl_->geracaoCheio != banco.impl().geracaoTransacao) {
            impl_->cheio = impl_->Prepara(impl_->linhasPorComando);
            impl_->geracaoCheio = banco.impl().geracaoTransacao;
        }
        impl_->Executa(*impl_->cheio, impl_->linhasPorComando);
    }
}

void TTIInsercaoLote::Descarrega() {
    if (impl_->pendentes.empty()) return;
    size_t n = impl_->pendentes.size();
    impl_->db.Transacao().StartTransaction();
    auto q = impl_->Prepara(n);
    impl_->Executa(*q, n);
}

}  // namespace erpdata
