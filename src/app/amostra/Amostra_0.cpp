#include "app/amostra/Amostra.h"

namespace amostra {

using util::Currency;
using util::Data;

void PreencheBloco0(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    using namespace efd;
    TBloco_0& b = sped.Bloco_0();
    // Master data dated a year before the period.
    const Data anoAnterior = Data::FromYMD(o.inicio.Ano() - 1, 1, 1);

    TRegistro0000& r0000 = *b.Registro0000New();
    r0000.COD_VER = o.versao;
    r0000.TIPO_ESCRIT = TTipoEscrit::tpEscrOriginal;
    r0000.IND_SIT_ESP = TIndSitEsp::indNenhum;
    r0000.NOME = "EMPRESA AMOSTRA LTDA";
    r0000.CNPJ = kCnpjEmpresa;
    r0000.UF = "SP";
    r0000.COD_MUN = 3550308;
    r0000.IND_NAT_PJ = TIndNatPJ::indNatPJSocEmpresariaGeral;
    r0000.IND_ATIV = TIndAtiv::indAtivComercio;

    b.Registro0001New()->IND_MOV = TIndMov::imComDados;

    // Written only for periods from March 2014.
    TRegistro0035* scp = b.Registro0035New();
    scp->COD_SCP = "12345678000195";
    scp->DESC_SCP = "SCP DE AMOSTRA";
    scp->INF_COMP = "SOCIEDADE EM CONTA DE PARTICIPACAO";

    TRegistro0100* contador = b.Registro0100New();
    contador->NOME = "CONTADOR DE AMOSTRA";
    contador->CPF = "52998224725";
    contador->CRC = "1SP123456O0";
    contador->CEP = "01310100";
    contador->ENDERECO = "AVENIDA PAULISTA";
    contador->NUM = "1000";
    contador->COMPL = "SALA 1";
    contador->BAIRRO = "BELA VISTA";
    contador->FONE = "1133334444";
    contador->EMAIL = "contador@amostra.com.br";
    contador->COD_MUN = 3550308;

    // Both regimes with apportionment, so that 0111 follows 0110.
    TRegistro0110* regime = b.Registro0110New();
    regime->COD_INC_TRIB = TCodIncTrib::codEscrOpIncAmbos;
    regime->IND_APRO_CRED = TIndAproCred::indMetodoDeRateioProporcional;
    regime->COD_TIPO_CONT = TCodTipoCont::codIndTipoConExclAliqBasica;
    regime->IND_REG_CUM = TIndRegCum::codRegimeCompetEscritConsolidada;
    TRegistro0111* receitas = b.Registro0111New();
    receitas->REC_BRU_NCUM_TRIB_MI = Currency::FromDouble(150000);
    receitas->REC_BRU_NCUM_NT_MI = Currency::FromDouble(20000);
    receitas->REC_BRU_NCUM_EXP = Currency::FromDouble(10000);
    receitas->REC_BRU_CUM = Currency::FromDouble(20000);
    receitas->REC_BRU_TOTAL = Currency::FromDouble(200000);

    TRegistro0120* dispensa = b.Registro0120New();
    dispensa->MES_DISPENSA = "12" + std::to_string(o.inicio.Ano() - 1);
    dispensa->INF_COMP = "01";

    TRegistro0140* est = b.Registro0140New();
    est->COD_EST = "1";
    est->NOME = "EMPRESA AMOSTRA LTDA - MATRIZ";
    est->CNPJ = kCnpjEmpresa;
    est->UF = "SP";
    est->IE = "110042490114";
    est->COD_MUN = 3550308;
    est->IM = "12345678";

    // Payroll-based contribution: block P needs it.
    TRegistro0145* cprb = b.Registro0145New();
    cprb->COD_INC_TRIB = "1";
    cprb->VL_REC_TOT = Currency::FromDouble(200000);
    cprb->VL_REC_ATIV = Currency::FromDouble(150000);
    cprb->VL_REC_DEMAIS_ATIV = Currency::FromDouble(50000);
    cprb->INFO_COMPL = "CONTRIBUICAO PREVIDENCIARIA SOBRE A RECEITA BRUTA";

    TRegistro0150* fornecedor = b.Registro0150New();
    fornecedor->COD_PART = kParticipanteCnpj;
    fornecedor->NOME = "FORNECEDOR DE AMOSTRA S.A.";
    fornecedor->COD_PAIS = "01058";
    fornecedor->CNPJ = kCnpjParticipante;  // the issuer inside the sample's access keys
    fornecedor->IE = "ISENTO";
    fornecedor->COD_MUN = 3304557;
    fornecedor->ENDERECO = "RUA DO OUVIDOR";
    fornecedor->NUM = "50";
    fornecedor->BAIRRO = "CENTRO";

    TRegistro0150* cliente = b.Registro0150New();
    cliente->COD_PART = kParticipanteCpf;
    cliente->NOME = "CLIENTE DE AMOSTRA";
    cliente->COD_PAIS = "1058";
    cliente->CPF = "12345678909";
    cliente->COD_MUN = 3106200;
    cliente->ENDERECO = "AVENIDA AFONSO PENA";
    cliente->NUM = "100";
    cliente->COMPL = "APTO 12";
    cliente->BAIRRO = "CENTRO";

    // Abroad: no CNPJ, no CPF, no municipality.
    TRegistro0150* exterior = b.Registro0150New();
    exterior->COD_PART = "X0001";
    exterior->NOME = "SAMPLE IMPORTS INC";
    exterior->COD_PAIS = "02496";
    exterior->ENDERECO = "MAIN STREET";
    exterior->NUM = "1";

    TRegistro0190* unidade = b.Registro0190New();
    unidade->UNID = kUnidade;
    unidade->DESCR = "UNIDADE";

    // A beverage with its ICMS rate, an earlier code and its incidence table.
    TRegistro0200* item = b.Registro0200New();
    item->COD_ITEM = kItem;
    item->DESCR_ITEM = "REFRIGERANTE 2L";
    item->COD_BARRA = "7891234567895";
    item->UNID_INV = kUnidade;
    item->TIPO_ITEM = TTipoItem::tiMercadoriaRevenda;
    item->COD_NCM = "22021000";
    item->COD_GEN = "22";
    item->ALIQ_ICMS = 18.0;
    TRegistro0205* antigo = b.Registro0205New();
    antigo->DESCR_ANT_ITEM = "REFRIGERANTE 2 LITROS";
    antigo->DT_INI = anoAnterior;
    antigo->DT_FIM = Data::FromYMD(o.inicio.Ano() - 1, 12, 31);
    antigo->COD_ANT_ITEM = "PRD000";
    TRegistro0208* bebida = b.Registro0208New();
    bebida->COD_TAB = TIndCodIncidencia::codIndTabI;
    bebida->COD_GRU = "01";
    bebida->MARCA_COM = "MARCA AMOSTRA";

    // A service: no ICMS rate.
    TRegistro0200* servico = b.Registro0200New();
    servico->COD_ITEM = kItemServico;
    servico->DESCR_ITEM = "SERVICO DE INSTALACAO";
    servico->UNID_INV = kUnidade;
    servico->TIPO_ITEM = TTipoItem::tiServicos;
    servico->COD_GEN = "00";
    servico->COD_LST = "14.06";

    // A fuel with its ANP code.
    TRegistro0200* combustivel = b.Registro0200New();
    combustivel->COD_ITEM = "CMB001";
    combustivel->DESCR_ITEM = "GASOLINA COMUM";
    combustivel->UNID_INV = kUnidade;
    combustivel->TIPO_ITEM = TTipoItem::tiMaterialConsumo;
    combustivel->COD_NCM = "27101259";
    combustivel->COD_GEN = "27";
    combustivel->ALIQ_ICMS = 25.0;
    b.Registro0206New()->COD_COMB = "320102001";

    TRegistro0400* natureza = b.Registro0400New();
    natureza->COD_NAT = kNatureza;
    natureza->DESCR_NAT = "VENDA DE MERCADORIA ADQUIRIDA DE TERCEIROS";

    TRegistro0450* texto = b.Registro0450New();
    texto->COD_INF = kInfComplementar;
    texto->TXT = "DOCUMENTO EMITIDO POR ME OU EPP OPTANTE PELO SIMPLES NACIONAL";

    TRegistro0500* grupo = b.Registro0500New();
    grupo->DT_ALT = anoAnterior;
    grupo->COD_NAT_CC = TNaturezaConta::ncgResultado;
    grupo->IND_CTA = TIndCTA::indCTASintetica;
    grupo->NIVEL = "1";
    grupo->COD_CTA = "3";
    grupo->NOME_CTA = "RECEITAS";
    TRegistro0500* conta = b.Registro0500New();
    conta->DT_ALT = anoAnterior;
    conta->COD_NAT_CC = TNaturezaConta::ncgResultado;
    conta->IND_CTA = TIndCTA::indCTAnalitica;
    conta->NIVEL = "4";
    conta->COD_CTA = kConta;
    conta->NOME_CTA = "RECEITA DE VENDAS";
    conta->COD_CTA_REF = "3.01.01.01.01";
    conta->CNPJ_EST = kCnpjEmpresa;

    TRegistro0600* centro = b.Registro0600New();
    centro->DT_ALT = anoAnterior;
    centro->COD_CCUS = "CC01";
    centro->CCUS = "ADMINISTRACAO";

    // Revenue per block: some revenue outside the base given, some left without a value.
    TRegistro0900* composicao = b.Registro0900New();
    composicao->REC_TOTAL_BLOCO_A = 5000;
    composicao->REC_NRB_BLOCO_A = 0.0;
    composicao->REC_TOTAL_BLOCO_C = 190000;
    composicao->REC_NRB_BLOCO_C = 20000.0;
    composicao->REC_TOTAL_BLOCO_D = 0;
    composicao->REC_TOTAL_BLOCO_F = 5000;
    composicao->REC_TOTAL_BLOCO_I = 0;
    composicao->REC_TOTAL_BLOCO_1 = 0;
    composicao->REC_TOTAL_PERIODO = 200000;
    composicao->REC_TOTAL_NRB_PERIODO = 20000.0;
}

}  // namespace amostra
