#pragma once
// The rows of an opened query, kept compactly in memory. A result of a million rows
// by 152 columns must cost little more than its own bytes, so:
//  - each row is one contiguous run of bytes inside large shared blocks;
//  - a row is [flags][null bits][fixed part][text end offsets][text bytes]: numbers
//    stored as numbers (8 bytes, dates 4), texts as UTF-8 with one end offset each
//    (2 bytes while the row's texts fit in 64 KiB, 4 otherwise);
//  - column kinds and fixed-part positions are decided once, when the result opens.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "util/Currency.h"
#include "util/Data.h"

namespace erpdata {

enum class TipoColuna : uint8_t {
    Texto,     // UTF-8
    Inteiro,   // int64
    Real,      // double
    Data,      // days since 1970-01-01 (int32)
    DataHora,  // seconds since 1970-01-01 00:00 local wall time (int64)
    Hora,      // seconds since midnight (int64)
};

struct ColunaResultado {
    std::string nome;        // as the server named it
    TipoColuna tipo = TipoColuna::Texto;
    uint32_t posicaoFixa = 0;  // offset in the fixed part (numbers)
    uint32_t indiceTexto = 0;  // index among the text columns (texts)
};

// A value handed to the row builder while a row is being appended.
class ResultadoMemoria {
public:
    explicit ResultadoMemoria(std::vector<ColunaResultado> colunas);
    ResultadoMemoria(const ResultadoMemoria&) = delete;
    ResultadoMemoria& operator=(const ResultadoMemoria&) = delete;

    // Building, one row at a time: Nulo/valor for every column in order, then FechaLinha.
    void Nulo();
    void Texto(std::string_view utf8);
    // Appends UTF-16 text converted to UTF-8 without a temporary string.
    void TextoUtf16(const char16_t* s, size_t n);
    void Inteiro(int64_t v);
    void Real(double v);
    void Data(int32_t diasDesde1970);
    void DataHora(int64_t segundos);
    void Hora(int64_t segundos);
    void FechaLinha();

    size_t Linhas() const { return linhas_.size(); }
    size_t Colunas() const { return colunas_.size(); }
    const ColunaResultado& Coluna(size_t i) const { return colunas_[i]; }
    // -1 when no column has that name (compared without regard to case).
    int IndiceColuna(std::string_view nome) const;

    bool IsNull(size_t linha, size_t col) const;
    std::string AsString(size_t linha, size_t col) const;
    std::string_view TextoBruto(size_t linha, size_t col) const;  // texts only
    double AsFloat(size_t linha, size_t col) const;
    util::Currency AsCurrency(size_t linha, size_t col) const;
    util::Data AsDate(size_t linha, size_t col) const;
    int64_t AsInteger(size_t linha, size_t col) const;

    // Bytes held: blocks plus the row index.
    size_t BytesUsados() const;

private:
    struct Leitor;
    const std::byte* Linha(size_t i) const { return linhas_[i]; }
    std::byte* Reserva(size_t n);
    [[noreturn]] void ErroConversao(size_t col, std::string_view valor, const char* oQue) const;

    std::vector<ColunaResultado> colunas_;
    std::unordered_map<std::string, int> porNome_;
    uint32_t tamanhoFixo_ = 0;
    uint32_t bytesNulos_ = 0;
    uint32_t nTextos_ = 0;

    std::vector<std::unique_ptr<std::byte[]>> blocos_;
    size_t livreNoBloco_ = 0;
    std::byte* cursor_ = nullptr;
    size_t bytesBlocos_ = 0;
    std::vector<const std::byte*> linhas_;

    // The row being built.
    size_t colAtual_ = 0;
    std::vector<std::byte> fixo_;
    std::vector<uint8_t> nulos_;
    std::vector<uint32_t> fimTextos_;
    std::string textos_;
};

}  // namespace erpdata
