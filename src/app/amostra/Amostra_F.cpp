#include "app/amostra/Amostra.h"

namespace amostra {

void PreencheBlocoF(efd::TGeradorEFD& sped, const OpcoesAmostra& o) {
    (void)sped;
    (void)o;
}

}  // namespace amostra
