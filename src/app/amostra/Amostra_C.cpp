#include "app/amostra/Amostra.h"

namespace amostra {

void PreencheBlocoC(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    (void)sped;
    (void)o;
}

}  // namespace amostra
