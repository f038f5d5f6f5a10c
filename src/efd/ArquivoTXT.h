#pragma once
// The text writer behind every block of the file: the field fills, the line list
// and its flush to disk in the file's encoding (Windows-1252, CR LF, no BOM).
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "util/Currency.h"
#include "util/Data.h"
#include "util/FormatoDecimal.h"

namespace efd {

class EArquivoTXTErro : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Receives the data-check messages of the writers (MsnError); may be left empty.
using TErrorEvent = std::function<void(const std::string& MsnError)>;

// An optional number of the layout's variant fields: no value (unassigned or null)
// is written as an empty field.
using Variante = std::optional<double>;

// Lines assembled and not yet flushed, kept back to back in one buffer so that a
// thousand lines cost one allocation, not a thousand.
class TLinhas {
public:
    size_t Count() const { return fim_.size(); }
    bool Vazia() const { return fim_.empty(); }
    std::string_view operator[](size_t i) const {
        const size_t ini = i == 0 ? 0 : fim_[i - 1];
        return std::string_view(dados_).substr(ini, fim_[i] - ini);
    }
    void Add(std::string_view linha, std::string_view sufixo = {}) {
        dados_.append(linha).append(sufixo);
        fim_.push_back(dados_.size());
    }
    void Clear() {
        dados_.clear();
        fim_.clear();
    }
    // All lines, each followed by CR LF, as UTF-8.
    std::string Texto() const;

private:
    std::string dados_;
    std::vector<size_t> fim_;
};

// Replaces each "%s" (or "%d") of `fmt` by the next argument; "%%" gives "%".
std::string FormataMensagem(std::string_view fmt, const std::vector<std::string>& args);

class TArquivoTXT {
public:
    TArquivoTXT() { AtualizaClasses(); }
    virtual ~TArquivoTXT() = default;
    TArquivoTXT(const TArquivoTXT&) = delete;
    TArquivoTXT& operator=(const TArquivoTXT&) = delete;

    // Settings.
    const std::string& NomeArquivo() const { return FNomeArquivo; }
    void NomeArquivo(std::string value) { FNomeArquivo = std::move(value); }
    int LinhasBuffer() const { return FLinhasBuffer; }
    void LinhasBuffer(int value);
    const std::string& Delimitador() const { return FDelimitador; }
    void Delimitador(std::string value);
    bool ReplaceDelimitador() const { return FReplaceDelimitador; }
    void ReplaceDelimitador(bool value);
    bool TrimString() const { return FTrimString; }
    void TrimString(bool value) { FTrimString = value; }
    const std::string& CurMascara() const { return FCurMascara; }
    void CurMascara(std::string value);
    const TErrorEvent& OnError() const { return FOnError; }
    void OnError(TErrorEvent value) { FOnError = std::move(value); }
    const TLinhas& Conteudo() const { return FConteudo; }
    // Called after every batch of lines reaches the file (a window keeps repainting
    // while a large file is written).
    void AoGravarLote(std::function<void()> value) { FAoGravarLote = std::move(value); }

    // Fills: each returns the delimiter followed by exactly one field.
    std::string LFill(std::string_view Value, int Size = 0, bool Nulo = false, char Caracter = '0') const;
    std::string LFill(const char* Value, int Size = 0, bool Nulo = false, char Caracter = '0') const {
        return LFill(std::string_view(Value), Size, Nulo, Caracter);
    }
    std::string LFill(double Value, int Size, int Decimal = 2, bool Nulo = false, char Caracter = '0',
                      std::string_view Mascara = {}) const;
    std::string LFill(util::Currency Value, int Size, int Decimal = 2, bool Nulo = false, char Caracter = '0',
                      std::string_view Mascara = {}) const;
    std::string LFill(int64_t Value, int Size, bool Nulo = false, char Caracter = '0') const;
    std::string LFill(int Value, int Size, bool Nulo = false, char Caracter = '0') const {
        return LFill(static_cast<int64_t>(Value), Size, Nulo, Caracter);
    }
    std::string LFill(util::Data Value, std::string_view Mask = "ddmmyyyy", bool Nulo = true) const;
    std::string RFill(std::string_view Value, int Size = 0, char Caracter = ' ') const;
    std::string DFill(double Value, int Decimal = 2, bool Nulo = false) const;
    std::string VDFill(Variante Value, int Decimal = 2) const;
    std::string VLFill(Variante Value, int Size = 0, int Decimal = 2, char Caracter = '0',
                       std::string_view Mascara = {}) const;
    // A variant that arrives as text (a column read as text): empty gives an empty
    // field, a number is written as above, anything else raises EArquivoTXTErro.
    std::string VLFill(std::string_view Value, int Size = 0, int Decimal = 2, char Caracter = '0',
                       std::string_view Mascara = {}) const;

    // Appends one line; returns its index, or -1 when the (trimmed) line is empty.
    int Add(std::string_view AString, bool AddDelimiter = true);
    // Appends the line list to the file (creating it when missing).
    void WriteBuffer();
    void SaveToFile() { WriteBuffer(); }
    void LoadFromFile();
    // Clears the lines and deletes the file if it exists.
    void Reset();

    // Reports Msg through OnError when Condicao is false; never stops anything.
    void Check(bool Condicao, std::string_view Msg) const;
    void Check(bool Condicao, std::string_view Msg, const std::vector<std::string>& Fmt) const;

protected:
    // The fills, appending to a buffer the caller owns (the line builder's hot path).
    void AppendLFillTexto(std::string& out, std::string_view value, int size, bool nulo, char caracter) const;
    void AppendLFillInteiro(std::string& out, int64_t value, int size, bool nulo, char caracter) const;
    void AppendLFillNumero(std::string& out, double value, int size, int decimal, bool nulo, char caracter,
                           std::string_view mascara) const;
    void AppendLFillMoeda(std::string& out, util::Currency value, int size, int decimal, bool nulo,
                          char caracter, std::string_view mascara) const;
    void AppendLFillData(std::string& out, util::Data value, std::string_view mask, bool nulo) const;
    void AppendDFill(std::string& out, double value, int decimal, bool nulo) const;
    void AppendVDFill(std::string& out, Variante value, int decimal) const;
    void AppendVLFill(std::string& out, Variante value, int size, int decimal, char caracter,
                      std::string_view mascara) const;
    void AppendDelimitador(std::string& out) const {
        if (FDelimitadorUnico) out.push_back(FDelimitadorUnico);
        else out.append(FDelimitador);
    }
    void ClearConteudo() { FConteudo.Clear(); }

private:
    // Implied-decimals path of LFill (number): the digits of value * 10^decimal.
    void AppendDecimaisImplicitos(std::string& out, double value, int size, int decimal, bool nulo,
                                  char caracter) const;
    void AppendMoedaComMascara(std::string& out, util::Currency value, std::string_view mascara) const;
    // Text of a value as the text fills see it: control characters become spaces
    // (a line break inside a field would split the register), the delimiter is
    // stripped when asked, and the ends are trimmed when asked.
    std::string_view PreparaTexto(std::string_view value, std::string& scratch, bool stripDelimiter) const;
    // Which bytes a text fill must look at: control characters always, the
    // delimiter's first byte when it is stripped. Rebuilt when either setting changes.
    void AtualizaClasses();

    int FLinhasBuffer = 0;
    std::string FNomeArquivo;
    TErrorEvent FOnError;
    std::function<void()> FAoGravarLote;
    std::string FDelimitador;
    char FDelimitadorUnico = '\0';  // the delimiter when it is one character
    unsigned char FClasse[256] = {};
    bool FTrimString = false;
    std::string FCurMascara;
    util::Mascara FCurMascaraParsed{};
    bool FReplaceDelimitador = false;
    TLinhas FConteudo;
    std::string FBufferArquivo;  // reused between flushes
};

}  // namespace efd
