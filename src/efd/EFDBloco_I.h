#pragma once
// Registers of block I: operations of financial institutions, insurers and
// similar companies. Amounts are plain numbers, written with two decimals.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "efd/RegistroList.h"

namespace efd {

// I100 CST_PIS_COFINS: the tax situation shared by PIS/PASEP and COFINS
enum class TCstPisCofins {
    stpiscofinsOperTribuComAliqBasica, stpiscofinsOperTribuAliqZero, stpiscofinsOperIsentaContribuicao,
    stpiscofinsOperSemIncidenciaContribuicao, stpiscofinsOperComSuspensaoContribuicao,
    stpiscofinsOutrasOperacoesSaida, stpiscofinsOutrasDespesas, stpiscofinsNenhum
};
template <>
struct CodigosEnum<TCstPisCofins> {
    static constexpr std::array<std::string_view, 8> codigos = {"01", "06", "07", "08", "09", "49", "99", ""};
};

// I199, I299, I399: process of the record above.
struct TRegistroI199 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroI199List = TRegistroList<TRegistroI199>;
struct TRegistroI299 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroI299List = TRegistroList<TRegistroI299>;
struct TRegistroI399 {
    std::string NUM_PROC;
    TOrigemProcesso IND_PROC = TOrigemProcesso::opJusticaFederal;
};
using TRegistroI399List = TRegistroList<TRegistroI399>;

// I300: complement of an I200 detail.
struct TRegistroI300 {
    std::string COD_COMP;
    double DET_VALOR = 0;
    std::string COD_CTA;
    std::string INFO_COMPL;
    TRegistroI399List RegistroI399;
};
using TRegistroI300List = TRegistroList<TRegistroI300>;

// I200: detail of the deductions and exclusions of an I100.
struct TRegistroI200 {
    std::string NUM_CAMPO;
    std::string COD_DET;
    double DET_VALOR = 0;
    std::string COD_CTA;
    std::string INFO_COMPL;
    TRegistroI299List RegistroI299;
    TRegistroI300List RegistroI300;
};
using TRegistroI200List = TRegistroList<TRegistroI200>;

// I100: revenue, deductions and exclusions consolidated by CST.
struct TRegistroI100 {
    double VL_REC = 0;
    TCstPisCofins CST_PIS_COFINS = TCstPisCofins::stpiscofinsOperTribuComAliqBasica;
    double VL_TOT_DED_GER = 0;
    double VL_TOT_DED_ESP = 0;
    double VL_BC_PIS = 0;
    double ALIQ_PIS = 0;
    double VL_PIS = 0;
    double VL_BC_COFINS = 0;
    double ALIQ_COFINS = 0;
    double VL_COFINS = 0;
    std::string INFO_COMPL;
    TRegistroI199List RegistroI199;
    TRegistroI200List RegistroI200;
};
using TRegistroI100List = TRegistroList<TRegistroI100>;

// I010: establishment.
struct TRegistroI010 {
    std::string CNPJ;
    int32_t IND_ATIV = 0;
    std::string INFO_COMPL;
    TRegistroI100List RegistroI100;
};
using TRegistroI010List = TRegistroList<TRegistroI010>;

// I001: opening of block I.
struct TRegistroI001 : TOpenBlocos {
    TRegistroI010List RegistroI010;
};

// I990: closing of block I; lines of the block, I001 and I990 included.
struct TRegistroI990 {
    int32_t QTD_LIN_I = 0;
};

}  // namespace efd
