#pragma once
// Base of every block writer: the block's period, its "written" flag, the register
// life cycle, and the line builder through which every register line is written.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "efd/ArquivoTXT.h"
#include "efd/RegistroList.h"

namespace efd {

class TBlocoSPED;

// Block 9 count lines collected from one block: register code and lines written,
// in the block's fixed order; codes with no line are left out.
class TEntradas9900 {
public:
    void Adiciona(std::string_view reg, int qtd) {
        if (qtd > 0) itens_.emplace_back(std::string(reg), qtd);
    }
    const std::vector<std::pair<std::string, int>>& Itens() const { return itens_; }

private:
    std::vector<std::pair<std::string, int>> itens_;
};

// Builds one register line field by field, in layout order, then hands it to the
// block when the statement ends:
//   Linha("C170").T(r.NUM_ITEM).T(r.COD_ITEM).V(r.QTD, 5).N(r.VL_ITEM)...;
// The methods are named after the field forms of the layout tables (T, Tn, I, In,
// N, N*, NV, D, Fd, Vd, VN, C). The closing delimiter and the block's line count are
// added once, here. A fill that throws leaves nothing of the line behind.
class TLinha {
public:
    TLinha(TBlocoSPED& bloco, std::string_view reg);
    TLinha(const TLinha&) = delete;
    TLinha& operator=(const TLinha&) = delete;
    ~TLinha() noexcept(false);

    TLinha& T(std::string_view v);                      // T: text, trimmed
    TLinha& T(std::string_view v, int n);               // Tn: cut or left-filled with "0" to n
    TLinha& TNulo(std::string_view v, int n);           // text with the null flag: empty stays empty
    TLinha& C(std::string_view code);                   // enumeration code (from the code tables)
    TLinha& I(int64_t v);                               // I
    TLinha& I(int64_t v, int n);                        // In
    TLinha& INulo(int64_t v, int n = 0);                // integer with the null flag: 0 is empty
    TLinha& N(util::Currency v);                        // N: "#0.00"
    TLinha& N(double v) { return N(util::Currency::FromDouble(v)); }
    TLinha& NNulo(util::Currency v);                    // N*: empty when zero
    TLinha& NNulo(double v) { return NNulo(util::Currency::FromDouble(v)); }
    TLinha& NM(util::Currency v, std::string_view mascara);  // N through another mask ("0.0000")
    TLinha& NV(const Variante& v);                      // NV: unassigned counts as zero
    // N or NV, with the null flag when `nulo` (a cancelled document's amounts).
    TLinha& N(util::Currency v, bool nulo);
    TLinha& NV(const Variante& v, bool nulo);
    TLinha& D(util::Data v);                            // D: ddmmyyyy, empty when no date
    TLinha& F(double v, int decimais);                  // Fd
    TLinha& FNulo(double v, int decimais);              // Fd with the null flag
    TLinha& V(const Variante& v, int decimais);         // Vd
    TLinha& VN(const Variante& v, int size = 0, int decimais = 2);  // VN

private:
    TBlocoSPED& bloco_;
    std::string& linha_;
    int excecoes_;
};

class TBlocoSPED : public TArquivoTXT {
public:
    TBlocoSPED() = default;

    util::Data DT_INI() const { return FDT_INI; }
    virtual void DT_INI(util::Data v) { FDT_INI = v; }
    util::Data DT_FIN() const { return FDT_FIN; }
    virtual void DT_FIN(util::Data v) { FDT_FIN = v; }
    bool Gravado() const { return FGravado; }
    void Gravado(bool v) { FGravado = v; }

    // Build the block's fixed registers and zero its counters.
    virtual void CreateRegisters() {}
    // Free them.
    virtual void ReleaseRegisters() {}
    // Back to the freshly created state: registers rebuilt, counters zero, lines cleared.
    virtual void LimpaRegistros();

    // Clears the lines not yet flushed.
    void LimpaConteudo() { ClearConteudo(); }

    // What the generation component reads of every block: the opening register,
    // the closing register's line count, and the block 9 entries of the codes
    // between them.
    virtual TOpenBlocos* RegistroAbertura() { return nullptr; }
    int32_t QtdLinhasBloco() const { return FContadorLinhas ? *FContadorLinhas : 0; }
    void ZeraQtdLinhasBloco() {
        if (FContadorLinhas) *FContadorLinhas = 0;
    }
    virtual void EntradasBloco9(TEntradas9900&) const {}

protected:
    friend class TLinha;
    TLinha Linha(std::string_view reg) { return TLinha(*this, reg); }

    // The closing register's line counter (QTD_LIN_x), moved by every line written;
    // each block points it at its own closing register in CreateRegisters.
    int32_t* FContadorLinhas = nullptr;

private:
    util::Data FDT_INI;
    util::Data FDT_FIN;
    bool FGravado = false;
    std::string FLinhaEmMontagem;
};

}  // namespace efd
