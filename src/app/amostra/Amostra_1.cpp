#include "app/amostra/Amostra.h"

namespace amostra {

void PreencheBloco1(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    (void)sped;
    (void)o;
}

}  // namespace amostra
