#pragma once
// Enumerations of the layout and their code tables. Every enumerated field is
// written as the code of its value; the ERP's text codes come back through the
// Parse functions, which search the same tables.
#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace efd {

// Codes of an enumeration, indexed by the value's position.
template <class E>
struct CodigosEnum;

// IND_MOV of every opening register
enum class TIndMov {
    imComDados, imSemDados
};
template <>
struct CodigosEnum<TIndMov> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// 0000 COD_VER; 1.01 and 2.00 share "002"
enum class TCodVer {
    vlVersao100, vlVersao101, vlVersao200, vlVersao201, vlVersao202, vlVersao310, vlVersao320
};
template <>
struct CodigosEnum<TCodVer> {
    static constexpr std::array<std::string_view, 7> codigos = {
        "001", "002", "002", "003", "004", "005", "006"};
};

// 0000 TIPO_ESCRIT
enum class TTipoEscrit {
    tpEscrOriginal, tpEscrRetificadora
};
template <>
struct CodigosEnum<TTipoEscrit> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// 0000 IND_SIT_ESP
enum class TIndSitEsp {
    indSitAbertura, indSitCisao, indSitFusao, indSitIncorporacao, indSitEncerramento, indNenhum
};
template <>
struct CodigosEnum<TIndSitEsp> {
    static constexpr std::array<std::string_view, 6> codigos = {
        "0", "1", "2", "3", "4", ""};
};

// 0000 IND_NAT_PJ
enum class TIndNatPJ {
    indNatPJSocEmpresariaGeral, indNatPJSocCooperativa, indNatPJEntExclusivaFolhaSal,
    indNatPJSocEmpresariaGeralSCP, indNatPJSocCooperativaSCP, indNatPJSocContaParticante, indNatPJNenhum
};
template <>
struct CodigosEnum<TIndNatPJ> {
    static constexpr std::array<std::string_view, 7> codigos = {
        "00", "01", "02", "03", "04", "05", ""};
};

// 0000 IND_ATIV
enum class TIndAtiv {
    indAtivIndustrial, indAtivPrestadorServico, indAtivComercio, indAtivoFincanceira, indAtivoImobiliaria,
    indAtivoOutros
};
template <>
struct CodigosEnum<TIndAtiv> {
    static constexpr std::array<std::string_view, 6> codigos = {
        "0", "1", "2", "3", "4", "9"};
};

// 0110 COD_INC_TRIB
enum class TCodIncTrib {
    codEscrOpIncNaoCumulativo, codEscrOpIncCumulativo, codEscrOpIncAmbos
};
template <>
struct CodigosEnum<TCodIncTrib> {
    static constexpr std::array<std::string_view, 3> codigos = {
        "1", "2", "3"};
};

// 0110 IND_APRO_CRED
enum class TIndAproCred {
    indMetodoApropriacaoDireta, indMetodoDeRateioProporcional
};
template <>
struct CodigosEnum<TIndAproCred> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "1", "2"};
};

// 0110 COD_TIPO_CONT
enum class TCodTipoCont {
    codIndTipoConExclAliqBasica, codIndTipoAliqEspecificas
};
template <>
struct CodigosEnum<TCodTipoCont> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "1", "2"};
};

// 0110 IND_REG_CUM
enum class TIndRegCum {
    codRegimeCaixa, codRegimeCompetEscritConsolidada, codRegimeCompetEscritDetalhada
};
template <>
struct CodigosEnum<TIndRegCum> {
    static constexpr std::array<std::string_view, 3> codigos = {
        "1", "2", "9"};
};

// 0200 TIPO_ITEM
enum class TTipoItem {
    tiMercadoriaRevenda, tiMateriaPrima, tiEmbalagem, tiProdutoProcesso, tiProdutoAcabado, tiSubproduto,
    tiProdutoIntermediario, tiMaterialConsumo, tiAtivoImobilizado, tiServicos, tiOutrosInsumos, tiOutras
};
template <>
struct CodigosEnum<TTipoItem> {
    static constexpr std::array<std::string_view, 12> codigos = {
        "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "99"};
};

// 0500 COD_NAT_CC
enum class TNaturezaConta {
    ncgAtivo, ncgPassivo, ncgLiquido, ncgResultado, ncgCompensacao, ncgOutras
};
template <>
struct CodigosEnum<TNaturezaConta> {
    static constexpr std::array<std::string_view, 6> codigos = {
        "01", "02", "03", "04", "05", "09"};
};

// 0500 IND_CTA
enum class TIndCTA {
    indCTASintetica, indCTAnalitica
};
template <>
struct CodigosEnum<TIndCTA> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "S", "A"};
};

// A100, D500 IND_OPER
enum class TIndOper {
    itoContratado, itoPrestado
};
template <>
struct CodigosEnum<TIndOper> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// A100, D100, D500 IND_EMIT
enum class TIndEmit {
    iedfProprio, iedfTerceiro
};
template <>
struct CodigosEnum<TIndEmit> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// A100, C100, C500, D100, D500 COD_SIT
enum class TCodSit {
    sdfRegular, sdfExtRegular, sdfCancelado, sdfExtCancelado, sdfDenegado, sdfInutilizado, sdfComplementar,
    sdfExtComplementar, sdfEspecial
};
template <>
struct CodigosEnum<TCodSit> {
    static constexpr std::array<std::string_view, 9> codigos = {
        "00", "01", "02", "03", "04", "05", "06", "07", "08"};
};

// A100, C100 IND_PGTO; C100 writes tpSemPagamento as "2" from July 2012
enum class TIndPgto {
    tpVista, tpPrazo, tpSemPagamento, tpNenhum
};
template <>
struct CodigosEnum<TIndPgto> {
    static constexpr std::array<std::string_view, 4> codigos = {
        "0", "1", "9", ""};
};

// NAT_BC_CRED of A170, C501, C505, D101, D105, F100
enum class TNatBcCred {
    bccVazio, bccAqBensRevenda, bccAqBensUtiComoInsumo, bccAqServUtiComoInsumo, bccEnergiaEletricaTermica,
    bccAluguelPredios, bccAluguelMaqEquipamentos, bccArmazenagemMercadoria, bccConArrendamentoMercantil,
    bccMaqCredDepreciacao, bccMaqCredAquisicao, bccAmortizacaoDepreciacaoImoveis, bccDevolucaoSujeita,
    bccOutrasOpeComDirCredito, bccAtTransporteSubcontratacao, bccAtImobCustoIncorrido, bccAtImobCustoOrcado,
    bccAtPresServ, bccEstoqueAberturaBens
};
template <>
struct CodigosEnum<TNatBcCred> {
    static constexpr std::array<std::string_view, 19> codigos = {
        "", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16",
        "17", "18"};
};

// A170, F100 IND_ORIG_CRED
enum class TIndOrigCred {
    opcMercadoInterno, opcImportacao, opcVazio
};
template <>
struct CodigosEnum<TIndOrigCred> {
    static constexpr std::array<std::string_view, 3> codigos = {
        "0", "1", ""};
};

// C010 IND_ESCRI
enum class TIndEscrituracao {
    IndEscriConsolidado, IndEscriIndividualizado
};
template <>
struct CodigosEnum<TIndEscrituracao> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "1", "2"};
};

// C100 IND_OPER
enum class TIndTipoOper {
    tpEntradaAquisicao, tpSaidaPrestacao
};
template <>
struct CodigosEnum<TIndTipoOper> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// C100 IND_EMIT
enum class TEmitente {
    edEmissaoPropria, edTerceiros
};
template <>
struct CodigosEnum<TEmitente> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// C100, D100 IND_FRT (D100 has an older table before July 2012)
enum class TIndFrt {
    tfPorContaEmitente, tfPorContaDestinatario, tfPorContaTerceiros, tfProprioPorContaEmitente,
    tfProprioPorContaDestinatario, tfSemCobrancaFrete, tfNenhum
};
template <>
struct CodigosEnum<TIndFrt> {
    static constexpr std::array<std::string_view, 7> codigos = {
        "0", "1", "2", "3", "4", "9", ""};
};

// C111 IND_PROC and the other process registers of block C
enum class TOrigemProcesso {
    opJusticaFederal, opSecexRFB, opOutros, opNenhum
};
template <>
struct CodigosEnum<TOrigemProcesso> {
    static constexpr std::array<std::string_view, 4> codigos = {
        "1", "3", "9", ""};
};

// C170 IND_MOV
enum class TIndMovFisica {
    mfSim, mfNao
};
template <>
struct CodigosEnum<TIndMovFisica> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// C170 IND_APUR
enum class TApuracaoIPI {
    iaMensal, iaDecendial, iaVazio
};
template <>
struct CodigosEnum<TApuracaoIPI> {
    static constexpr std::array<std::string_view, 3> codigos = {
        "0", "1", ""};
};

// D101, D105 IND_NAT_FRT
enum class TNaturezaFrtContratado {
    nfcVendaOnusEstVendedor, nfcVendaOnusAdquirente, nfcCompraGeraCred, nfcCompraNaoGeraCred,
    nfcTransfAcabadosPJ, nfcTransfNaoAcabadosPJ, nfcOutras
};
template <>
struct CodigosEnum<TNaturezaFrtContratado> {
    static constexpr std::array<std::string_view, 7> codigos = {
        "0", "1", "2", "3", "4", "5", "9"};
};

// F100 IND_OPER
enum class TIndTpOperacaoReceita {
    indRepCustosDespesasEncargos, indRepReceitaAuferida, indRepReceitaNaoAuferida
};
template <>
struct CodigosEnum<TIndTpOperacaoReceita> {
    static constexpr std::array<std::string_view, 3> codigos = {
        "0", "1", "2"};
};

// M100, M500 IND_CRED_ORI
enum class TIndCredOri {
    icoOperProprias, icoEvenFusaoCisao
};
template <>
struct CodigosEnum<TIndCredOri> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// M100, M500 IND_DESC_CRED
enum class TIndDescCred {
    idcTotal, idcParcial
};
template <>
struct CodigosEnum<TIndDescCred> {
    static constexpr std::array<std::string_view, 2> codigos = {
        "0", "1"};
};

// M210, M610 COD_CONT
enum class TCodCont {
    ccNaoAcumAliqBasica, ccNaoAcumAliqDiferenciada, ccNaoAcumAliqUnidProduto,
    ccNaoAcumAliqBasicaAtivImobiliaria, ccApuradaPorST, ccApuradaPorSTManaus, ccAcumAliqBasica,
    ccAcumAliqDiferenciada, ccAcumAliqUnidProduto, ccAcumAliqBasicaAtivImobiliaria, ccApuradaAtivImobiliaria,
    ccApuradaSCPNaoCumulativa, ccApuradaSCPCumulativa, ccPISPasepSalarios
};
template <>
struct CodigosEnum<TCodCont> {
    static constexpr std::array<std::string_view, 14> codigos = {
        "01", "02", "03", "04", "31", "32", "51", "52", "53", "54", "70", "71", "72", "99"};
};

// CST of PIS/PASEP
enum class TCstPis {
    stpisValorAliquotaNormal, stpisValorAliquotaDiferenciada, stpisQtdeAliquotaUnidade,
    stpisMonofaticaAliquotaZero, stpisValorAliquotaPorST, stpisAliquotaZero, stpisIsentaContribuicao,
    stpisSemIncidenciaContribuicao, stpisSuspensaoContribuicao, stpisOutrasOperacoesSaida,
    stpisOperCredExcRecTribMercInt, stpisOperCredExcRecNaoTribMercInt, stpisOperCredExcRecExportacao,
    stpisOperCredRecTribNaoTribMercInt, stpisOperCredRecTribMercIntEExportacao,
    stpisOperCredRecNaoTribMercIntEExportacao, stpisOperCredRecTribENaoTribMercIntEExportacao,
    stpisCredPresAquiExcRecTribMercInt, stpisCredPresAquiExcRecNaoTribMercInt,
    stpisCredPresAquiExcExcRecExportacao, stpisCredPresAquiRecTribNaoTribMercInt,
    stpisCredPresAquiRecTribMercIntEExportacao, stpisCredPresAquiRecNaoTribMercIntEExportacao,
    stpisCredPresAquiRecTribENaoTribMercIntEExportacao, stpisOutrasOperacoes_CredPresumido,
    stpisOperAquiSemDirCredito, stpisOperAquiComIsensao, stpisOperAquiComSuspensao,
    stpisOperAquiAliquotaZero, stpisOperAqui_SemIncidenciaContribuicao, stpisOperAquiPorST,
    stpisOutrasOperacoesEntrada, stpisOutrasOperacoes, stpisNenhum
};
template <>
struct CodigosEnum<TCstPis> {
    static constexpr std::array<std::string_view, 34> codigos = {
        "01", "02", "03", "04", "05", "06", "07", "08", "09", "49", "50", "51", "52", "53", "54", "55", "56",
        "60", "61", "62", "63", "64", "65", "66", "67", "70", "71", "72", "73", "74", "75", "98", "99", ""};
};

// CST of COFINS
enum class TCstCofins {
    stcofinsValorAliquotaNormal, stcofinsValorAliquotaDiferenciada, stcofinsQtdeAliquotaUnidade,
    stcofinsMonofaticaAliquotaZero, stcofinsValorAliquotaPorST, stcofinsAliquotaZero,
    stcofinsIsentaContribuicao, stcofinsSemIncidenciaContribuicao, stcofinsSuspensaoContribuicao,
    stcofinsOutrasOperacoesSaida, stcofinsOperCredExcRecTribMercInt, stcofinsOperCredExcRecNaoTribMercInt,
    stcofinsOperCredExcRecExportacao, stcofinsOperCredRecTribNaoTribMercInt,
    stcofinsOperCredRecTribMercIntEExportacao, stcofinsOperCredRecNaoTribMercIntEExportacao,
    stcofinsOperCredRecTribENaoTribMercIntEExportacao, stcofinsCredPresAquiExcRecTribMercInt,
    stcofinsCredPresAquiExcRecNaoTribMercInt, stcofinsCredPresAquiExcExcRecExportacao,
    stcofinsCredPresAquiRecTribNaoTribMercInt, stcofinsCredPresAquiRecTribMercIntEExportacao,
    stcofinsCredPresAquiRecNaoTribMercIntEExportacao, stcofinsCredPresAquiRecTribENaoTribMercIntEExportacao,
    stcofinsOutrasOperacoes_CredPresumido, stcofinsOperAquiSemDirCredito, stcofinsOperAquiComIsensao,
    stcofinsOperAquiComSuspensao, stcofinsOperAquiAliquotaZero, stcofinsOperAqui_SemIncidenciaContribuicao,
    stcofinsOperAquiPorST, stcofinsOutrasOperacoesEntrada, stcofinsOutrasOperacoes, stcofinsNenhum
};
template <>
struct CodigosEnum<TCstCofins> {
    static constexpr std::array<std::string_view, 34> codigos = {
        "01", "02", "03", "04", "05", "06", "07", "08", "09", "49", "50", "51", "52", "53", "54", "55", "56",
        "60", "61", "62", "63", "64", "65", "66", "67", "70", "71", "72", "73", "74", "75", "98", "99", ""};
};

// CST of ICMS: origin digit + situation, then the Simples Nacional codes
enum class TCstIcms {
    sticmsNenhum, sticmsTributadaIntegralmente, sticmsTributadaComCobracaPorST, sticmsComReducao,
    sticmsIsentaComCobracaPorST, sticmsIsenta, sticmsNaoTributada, sticmsSuspensao, sticmsDiferimento,
    sticmsCobradoAnteriormentePorST, sticmsComReducaoPorST, sticmsOutros,
    sticmsEstrangeiraImportacaoDiretaTributadaIntegralmente,
    sticmsEstrangeiraImportacaoDiretaTributadaComCobracaPorST, sticmsEstrangeiraImportacaoDiretaComReducao,
    sticmsEstrangeiraImportacaoDiretaIsentaComCobracaPorST, sticmsEstrangeiraImportacaoDiretaIsenta,
    sticmsEstrangeiraImportacaoDiretaNaoTributada, sticmsEstrangeiraImportacaoDiretaSuspensao,
    sticmsEstrangeiraImportacaoDiretaDiferimento, sticmsEstrangeiraImportacaoDiretaCobradoAnteriormentePorST,
    sticmsEstrangeiraImportacaoDiretaComReducaoPorST, sticmsEstrangeiraImportacaoDiretaOutros,
    sticmsEstrangeiraAdqMercIntTributadaIntegralmente, sticmsEstrangeiraAdqMercIntTributadaComCobracaPorST,
    sticmsEstrangeiraAdqMercIntComReducao, sticmsEstrangeiraAdqMercIntIsentaComCobracaPorST,
    sticmsEstrangeiraAdqMercIntIsenta, sticmsEstrangeiraAdqMercIntNaoTributada,
    sticmsEstrangeiraAdqMercIntSuspensao, sticmsEstrangeiraAdqMercIntDiferimento,
    sticmsEstrangeiraAdqMercIntCobradoAnteriormentePorST, sticmsEstrangeiraAdqMercIntComReducaoPorST,
    sticmsEstrangeiraAdqMercIntOutros, csticms300, csticms310, csticms320, csticms330, csticms340,
    csticms341, csticms350, csticms351, csticms360, csticms370, csticms390, csticms400, csticms410,
    csticms420, csticms430, csticms440, csticms441, csticms450, csticms451, csticms460, csticms470,
    csticms490, csticms500, csticms510, csticms520, csticms530, csticms540, csticms541, csticms550,
    csticms551, csticms560, csticms570, csticms590, csticms600, csticms610, csticms620, csticms630,
    csticms640, csticms641, csticms650, csticms651, csticms660, csticms670, csticms690, csticms700,
    csticms710, csticms720, csticms730, csticms740, csticms741, csticms750, csticms751, csticms760,
    csticms770, csticms790, csticms800, csticms810, csticms820, csticms830, csticms840, csticms841,
    csticms850, csticms851, csticms860, csticms870, csticms890,
    sticmsSimplesNacionalTributadaComPermissaoCredito, sticmsSimplesNacionalTributadaSemPermissaoCredito,
    sticmsSimplesNacionalIsencaoPorFaixaReceitaBruta, sticmsSimplesNacionalTributadaComPermissaoCreditoComST,
    sticmsSimplesNacionalTributadaSemPermissaoCreditoComST,
    sticmsSimplesNacionalIsencaoPorFaixaReceitaBrutaComST, sticmsSimplesNacionalImune,
    sticmsSimplesNacionalNaoTributada, sticmsSimplesNacionalCobradoAnteriormentePorST,
    sticmsSimplesNacionalOutros
};
template <>
struct CodigosEnum<TCstIcms> {
    static constexpr std::array<std::string_view, 110> codigos = {
        "", "000", "010", "020", "030", "040", "041", "050", "051", "060", "070", "090", "100", "110", "120",
        "130", "140", "141", "150", "151", "160", "170", "190", "200", "210", "220", "230", "240", "241",
        "250", "251", "260", "270", "290", "300", "310", "320", "330", "340", "341", "350", "351", "360",
        "370", "390", "400", "410", "420", "430", "440", "441", "450", "451", "460", "470", "490", "500",
        "510", "520", "530", "540", "541", "550", "551", "560", "570", "590", "600", "610", "620", "630",
        "640", "641", "650", "651", "660", "670", "690", "700", "710", "720", "730", "740", "741", "750",
        "751", "760", "770", "790", "800", "810", "820", "830", "840", "841", "850", "851", "860", "870",
        "890", "101", "102", "103", "201", "202", "203", "300", "400", "500", "900"};
};

// CST of IPI
enum class TCstIpi {
    stipiEntradaRecuperacaoCredito, stipiEntradaTributradaZero, stipiEntradaIsenta, stipiEntradaNaoTributada,
    stipiEntradaImune, stipiEntradaComSuspensao, stipiOutrasEntradas, stipiSaidaTributada,
    stipiSaidaTributadaZero, stipiSaidaIsenta, stipiSaidaNaoTributada, stipiSaidaImune,
    stipiSaidaComSuspensao, stipiOutrasSaidas, stipiVazio
};
template <>
struct CodigosEnum<TCstIpi> {
    static constexpr std::array<std::string_view, 15> codigos = {
        "00", "01", "02", "03", "04", "05", "49", "50", "51", "52", "53", "54", "55", "99", ""};
};

// The layout code of an enumeration value; an out-of-range value gives "".
template <class E>
constexpr std::string_view Codigo(E valor) {
    const auto i = static_cast<size_t>(valor);
    return i < CodigosEnum<E>::codigos.size() ? CodigosEnum<E>::codigos[i] : std::string_view();
}

// The first value whose code equals `texto` exactly (no trimming, case-sensitive).
template <class E>
constexpr std::optional<E> ParseCodigo(std::string_view texto) {
    const auto& codigos = CodigosEnum<E>::codigos;
    for (size_t i = 0; i < codigos.size(); ++i)
        if (codigos[i] == texto) return static_cast<E>(i);
    return std::nullopt;
}

// CST lookups: an unknown text ("1", " 01", "") gives the type's "none" value,
// which is written as an empty field. ICMS "300", "400" and "500" read as the
// Simples Nacional codes.
TCstPis ParseCstPis(std::string_view texto);
TCstCofins ParseCstCofins(std::string_view texto);
TCstIcms ParseCstIcms(std::string_view texto);
TCstIpi ParseCstIpi(std::string_view texto);

inline std::string_view CstPisCode(TCstPis v) { return Codigo(v); }
inline std::string_view CstCofinsCode(TCstCofins v) { return Codigo(v); }
inline std::string_view CstIcmsCode(TCstIcms v) { return Codigo(v); }
inline std::string_view CstIpiCode(TCstIpi v) { return Codigo(v); }

// 0000 COD_VER; raises "Valor informado inválido para ser convertido em TCodVer"
// for a value outside the type.
std::string_view CodVerCode(TCodVer v);

}  // namespace efd
