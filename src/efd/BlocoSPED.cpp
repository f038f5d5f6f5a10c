#include "efd/BlocoSPED.h"

namespace efd {

TLinha::TLinha(TBlocoSPED& bloco, std::string_view reg)
    : bloco_(bloco), linha_(bloco.FLinhaEmMontagem), excecoes_(std::uncaught_exceptions()) {
    linha_.clear();
    bloco_.AppendLFillTexto(linha_, reg, 0, false, '0');
}

TLinha::~TLinha() noexcept(false) {
    // While an exception unwinds (a fill failed) the half-built line is dropped.
    if (std::uncaught_exceptions() > excecoes_) return;
    bloco_.Add(linha_, true);
    if (bloco_.FContadorLinhas) ++*bloco_.FContadorLinhas;
}

TLinha& TLinha::T(std::string_view v) {
    bloco_.AppendLFillTexto(linha_, v, 0, false, '0');
    return *this;
}
TLinha& TLinha::T(std::string_view v, int n) {
    bloco_.AppendLFillTexto(linha_, v, n, false, '0');
    return *this;
}
TLinha& TLinha::TNulo(std::string_view v, int n) {
    bloco_.AppendLFillTexto(linha_, v, n, true, '0');
    return *this;
}
TLinha& TLinha::C(std::string_view code) {
    // Layout codes come from constant tables: no blanks, control characters or
    // delimiters to strip, so they are written as they stand.
    bloco_.AppendDelimitador(linha_);
    linha_.append(code);
    return *this;
}
TLinha& TLinha::I(int64_t v) {
    bloco_.AppendLFillInteiro(linha_, v, 0, false, '0');
    return *this;
}
TLinha& TLinha::I(int64_t v, int n) {
    bloco_.AppendLFillInteiro(linha_, v, n, false, '0');
    return *this;
}
TLinha& TLinha::INulo(int64_t v, int n) {
    bloco_.AppendLFillInteiro(linha_, v, n, true, '0');
    return *this;
}
TLinha& TLinha::N(util::Currency v) {
    bloco_.AppendLFillMoeda(linha_, v, 0, 2, false, '0', {});
    return *this;
}
TLinha& TLinha::NNulo(util::Currency v) {
    bloco_.AppendLFillMoeda(linha_, v, 0, 2, true, '0', {});
    return *this;
}
TLinha& TLinha::NM(util::Currency v, std::string_view mascara) {
    bloco_.AppendLFillMoeda(linha_, v, 0, 2, false, '0', mascara);
    return *this;
}
TLinha& TLinha::NV(const Variante& v) {
    bloco_.AppendLFillNumero(linha_, v.value_or(0.0), 0, 2, false, '0', {});
    return *this;
}
TLinha& TLinha::N(util::Currency v, bool nulo) {
    bloco_.AppendLFillMoeda(linha_, v, 0, 2, nulo, '0', {});
    return *this;
}
TLinha& TLinha::NV(const Variante& v, bool nulo) {
    bloco_.AppendLFillNumero(linha_, v.value_or(0.0), 0, 2, nulo, '0', {});
    return *this;
}
TLinha& TLinha::D(util::Data v) {
    bloco_.AppendLFillData(linha_, v, "ddmmyyyy", true);
    return *this;
}
TLinha& TLinha::F(double v, int decimais) {
    bloco_.AppendDFill(linha_, v, decimais, false);
    return *this;
}
TLinha& TLinha::FNulo(double v, int decimais) {
    bloco_.AppendDFill(linha_, v, decimais, true);
    return *this;
}
TLinha& TLinha::V(const Variante& v, int decimais) {
    bloco_.AppendVDFill(linha_, v, decimais);
    return *this;
}
TLinha& TLinha::VN(const Variante& v, int size, int decimais) {
    bloco_.AppendVLFill(linha_, v, size, decimais, '0', {});
    return *this;
}

void TBlocoSPED::LimpaRegistros() {
    ReleaseRegisters();
    ClearConteudo();
    CreateRegisters();
}

}  // namespace efd
