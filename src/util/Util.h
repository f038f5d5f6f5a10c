#pragma once
// Small text, number and file helpers shared by the export run and the writer.
#include <string>
#include <string_view>

namespace util {

// The text without the characters space, "(", ")", ",", "-", "." and "/"; every
// other character (letters, digits, accents, "_", tabs...) is kept in order.
// Document numbers, CNPJ/CPF and CFOP codes read from the ERP go through it.
std::string LimpaPontuacao(std::string_view text);

// "0" for decimals <= 0, else "0." followed by that many zeros; with thousands a
// "," goes in front (",0.00").
std::string MascaraDecimal(int decimals, bool thousands = true);

// The value through a number mask, with "," as decimal separator and "." as
// thousands separator; an empty mask stands for MascaraDecimal(2, true).
// Rounding: nearest, ties away from zero, on the 18-digit decimal expansion.
std::string FormataDecimal(double value, std::string_view mask = {});

// Writes `data` (bytes, already in the file's encoding) to `fileName`.
// Nothing happens for an empty name, nor for empty data on an existing file.
// append: append to an existing file instead of replacing it; addLineBreak: a CR LF
// follows the data; forceFolders: create the missing folders first.
// Throws std::runtime_error with a Portuguese message when the file cannot be written.
void GravaArquivoTexto(const std::string& fileName, std::string_view data, bool append = false,
                       bool addLineBreak = false, bool forceFolders = false);

}  // namespace util
