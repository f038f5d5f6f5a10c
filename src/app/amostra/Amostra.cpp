#include "app/amostra/Amostra.h"

#include <array>
#include <utility>

namespace amostra {

bool VersaoDoLayout(const std::string& texto, efd::TCodVer& versao) {
    using efd::TCodVer;
    static const std::array<std::pair<const char*, TCodVer>, 7> versoes = {{
        {"1.0.0", TCodVer::vlVersao100}, {"1.0.1", TCodVer::vlVersao101}, {"2.0.0", TCodVer::vlVersao200},
        {"2.0.1", TCodVer::vlVersao201}, {"2.0.2", TCodVer::vlVersao202}, {"3.1.0", TCodVer::vlVersao310},
        {"3.2.0", TCodVer::vlVersao320},
    }};
    for (const auto& [nome, valor] : versoes)
        if (texto == nome) {
            versao = valor;
            return true;
        }
    return false;
}

void GeraAmostra(const OpcoesAmostra& o, const std::string& arquivo, const efd::TErrorEvent& avisos) {
    efd::TGeradorEFD sped;
    if (avisos) sped.OnError(avisos);
    sped.Arquivo(arquivo);
    sped.DT_INI(o.inicio);
    sped.DT_FIN(o.fim);
    PreencheBloco0(sped, o);
    PreencheBlocoA(sped, o);
    PreencheBlocoC(sped, o);
    PreencheBlocoD(sped, o);
    PreencheBlocoF(sped, o);
    PreencheBlocoI(sped, o);
    PreencheBlocoM(sped, o);
    PreencheBlocoP(sped, o);
    PreencheBloco1(sped, o);
    sped.SaveFileTXT();
}

}  // namespace amostra
