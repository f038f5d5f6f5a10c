#pragma once
// The small rules that turn ERP values into register values: roundings and
// truncations of money, the item's share of a discount, and the code mappings
// several builders share. Pure functions, so each rule is tested by itself.
#include <cstdint>
#include <string>
#include <string_view>

#include "efd/EFDBlocos.h"

namespace exportacao {

// The number written with n decimals, halves away from zero, and read back
// (5.49995 -> 5.5 for n = 4; 2.675 -> 2.67 for n = 2, the double being below the half).
double Arredonda(double valor, int decimais);

// A four-decimal amount cut towards zero to two decimals, on its decimal digits:
// 5.4999 -> 5.49, 0.0199 -> 0.01, -1.2399 -> -1.23.
double TruncaDuasCasas(double valor4);

// PIS/COFINS of an item line: base and rate rounded to four decimals, the amount
// rounded to four decimals and then cut to two (333.33 at 1.65 -> 5.49).
// Goods items compute base x rate / 100; services, NFC-e groups and 1011 compute
// base / 100 x rate; the order matters only in the last binary digit, and it is
// kept as each register family has it.
double ContribuicaoItem(double base, double aliquota);          // base x rate / 100
double ContribuicaoItemServico(double base, double aliquota);   // base / 100 x rate

// The item's share of the document discount, rounded to two decimals; none when
// the document has no discount, and none when its goods total is zero (the share
// would divide by zero).
double DescontoDoItem(double valorItem, double valorProdutos, double desconto);

// Current document number: a document the company issued (TP_EMI "0") keeps the
// first six characters of NOTA, trimmed; any other keeps NOTA whole.
std::string NumeroDocumento(std::string_view tpEmi, std::string_view nota);

// Operation code of a row: the CFOP without punctuation, or the nature code when
// the CFOP is empty (5.102 -> 5102).
std::string CFOPNota(std::string_view cfop, std::string_view natureza);

// Series with "0" put in front up to three characters (1 -> 001, "" -> 000).
std::string SerieTresDigitos(std::string_view serie);

// The ERP's freight code to the C100 freight indicator.
efd::TIndFrt IndicadorFrete(std::string_view tpFrete);

// Payment condition (the nature's DUPLI): "N" none, "S" instalments, else cash.
efd::TIndPgto IndicadorPagamento(std::string_view condPagto);

// Item type from the ERP's code; billing type "T" makes it "04" (finished product).
efd::TTipoItem TipoItem(std::string_view codigo, std::string_view tipoFaturamento);

// C170's ICMS fields by the CST situation (second and third characters of CODTRI).
struct TIcmsItem {
    double base = 0;
    double aliquota = 0;
    double valor = 0;
};
TIcmsItem IcmsDoItem(std::string_view codtri, double baseIcms, double aliquotaIcms, double valorIcms);

// The text with leading and trailing blanks (and control characters) removed.
std::string Apara(std::string_view texto);

// Whole-number reading of a text: 0 when it is not a whole number or does not fit
// a 32-bit integer (the registers' integer fields), so that a ten-digit document
// number is written as 0 rather than wrapped into another number.
int32_t InteiroOuZero(std::string_view texto);

}  // namespace exportacao
