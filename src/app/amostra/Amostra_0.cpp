#include "app/amostra/Amostra.h"

namespace amostra {

void PreencheBloco0(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    efd::TRegistro0000& r = *sped.Bloco_0().Registro0000New();
    r.COD_VER = o.versao;
    r.NOME = "EMPRESA AMOSTRA LTDA";
    r.CNPJ = kCnpjEmpresa;
    r.UF = "SP";
    r.COD_MUN = 3550308;
}

}  // namespace amostra
