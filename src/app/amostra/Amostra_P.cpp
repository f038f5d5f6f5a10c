#include "app/amostra/Amostra.h"

namespace amostra {

// Contribution on gross revenue of one activity, with its detail, process,
// consolidation and a reduction. The generation component writes block P only
// when block 0 holds the 0145 of the establishment.
void PreencheBlocoP(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    using util::Currency;
    efd::TBloco_P& b = sped.Bloco_P();
    b.RegistroP001New()->IND_MOV = efd::TIndMov::imComDados;
    b.RegistroP010New()->CNPJ = kCnpjEmpresa;

    efd::TRegistroP100* p100 = b.RegistroP100New();
    p100->DT_INI = o.inicio;
    p100->DT_FIM = o.fim;
    p100->VL_REC_TOT_EST = Currency::FromDouble(100000);
    p100->COD_ATIV_ECON = "62040000";
    p100->VL_REC_ATIV_ESTAB = Currency::FromDouble(61000);
    p100->VL_EXC = Currency::FromDouble(1000);
    p100->VL_BC_CONT = Currency::FromDouble(60000);
    p100->ALIQ_CONT = Currency::FromDouble(4.5);
    p100->VL_CONT_APU = Currency::FromDouble(2700);
    p100->COD_CTA = kConta;
    efd::TRegistroP110* p110 = b.RegistroP110New();
    p110->NUM_CAMPO = "07";
    p110->COD_DET = "01";
    p110->DET_VALOR = Currency::FromDouble(1000);
    p110->INF_COMPL = "VENDAS CANCELADAS";
    efd::TRegistroP199* p199 = b.RegistroP199New();
    p199->NUM_PROC = "00012345620124036100";
    p199->IND_PROC = "1";

    efd::TRegistroP200* p200 = b.RegistroP200New();
    p200->PER_REF = o.inicio.Formata("mmyyyy");
    p200->VL_TOT_CONT_APU = Currency::FromDouble(2700);
    p200->VL_TOT_AJ_REDUC = Currency::FromDouble(100);
    p200->VL_TOT_CONT_DEV = Currency::FromDouble(2600);
    p200->COD_REC = "298501";
    efd::TRegistroP210* p210 = b.RegistroP210New();
    p210->IND_AJ = "0";
    p210->VL_AJ = Currency::FromDouble(100);
    p210->COD_AJ = "01";
    p210->NUM_DOC = "00012345620124036100";
    p210->DESCR_AJ = "REDUCAO POR DECISAO JUDICIAL";
    p210->DT_REF = o.inicio;
}

}  // namespace amostra
