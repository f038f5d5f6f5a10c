#include "app/amostra/Amostra.h"

namespace amostra {

// Block I exists from January 2014 on: revenue of a financial institution, its
// general deduction detailed and complemented, each with its process.
void PreencheBlocoI(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    if (o.inicio < util::Data::FromYMD(2014, 1, 1)) return;
    efd::TBloco_I& b = sped.Bloco_I();
    b.RegistroI001New()->IND_MOV = efd::TIndMov::imComDados;
    efd::TRegistroI010* i010 = b.RegistroI010New();
    i010->CNPJ = kCnpjEmpresa;
    i010->IND_ATIV = 1;

    efd::TRegistroI100* i100 = b.RegistroI100New();
    i100->VL_REC = 100000;
    i100->CST_PIS_COFINS = efd::TCstPisCofins::stpiscofinsOperTribuComAliqBasica;
    i100->VL_TOT_DED_GER = 20000;
    i100->VL_BC_PIS = 80000;
    i100->ALIQ_PIS = 0.65;
    i100->VL_PIS = 520;
    i100->VL_BC_COFINS = 80000;
    i100->ALIQ_COFINS = 4;
    i100->VL_COFINS = 3200;
    i100->INFO_COMPL = "RECEITAS DE INTERMEDIACAO FINANCEIRA";
    efd::TRegistroI199* i199 = b.RegistroI199New();
    i199->NUM_PROC = "00012345620124036100";
    i199->IND_PROC = efd::TOrigemProcesso::opJusticaFederal;

    efd::TRegistroI200* i200 = b.RegistroI200New();
    i200->NUM_CAMPO = "04";
    i200->COD_DET = "10101";
    i200->DET_VALOR = 20000;
    i200->COD_CTA = kConta;
    efd::TRegistroI299* i299 = b.RegistroI299New();
    i299->NUM_PROC = "00012345620124036100";
    i299->IND_PROC = efd::TOrigemProcesso::opJusticaFederal;

    efd::TRegistroI300* i300 = b.RegistroI300New();
    i300->COD_COMP = kConta;
    i300->DET_VALOR = 20000;
    i300->COD_CTA = kConta;
    efd::TRegistroI399* i399 = b.RegistroI399New();
    i399->NUM_PROC = "00012345620124036100";
    i399->IND_PROC = efd::TOrigemProcesso::opJusticaFederal;
}

}  // namespace amostra
