#include "app/amostra/Amostra.h"

namespace amostra {

void PreencheBlocoP(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    (void)sped;
    (void)o;
}

}  // namespace amostra
