#pragma once
// Text lives in memory as UTF-8 and reaches the file as Windows-1252, one byte per
// character; a character the code page lacks becomes "?".
#include <cstddef>
#include <string>
#include <string_view>

namespace util {

// Appends the Windows-1252 bytes of a UTF-8 text. Invalid UTF-8 sequences and
// characters outside the code page each give one "?".
void AppendWindows1252(std::string& out, std::string_view utf8);
std::string ParaWindows1252(std::string_view utf8);

// The reverse, for reading a file back: every byte becomes its character.
std::string DeWindows1252(std::string_view cp1252);

// Characters (code points) of a UTF-8 text; an invalid byte counts as one.
size_t ContaCaracteresUtf8(std::string_view utf8);
// Byte length of the first `n` characters of a UTF-8 text.
size_t BytesDosPrimeirosCaracteres(std::string_view utf8, size_t n);

}  // namespace util
