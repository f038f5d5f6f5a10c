#include "app/amostra/Amostra.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace amostra {

std::string ChaveAcesso(util::Data emissao, const char* cnpj, const char* modelo, int serie, int numero,
                        int codigo) {
    char base[64];  // 43 digits when every part has its width
    std::snprintf(base, sizeof base, "35%02d%02u%.14s%.2s%03d%09d1%08d", emissao.Ano() % 100, emissao.Mes(), cnpj,
                  modelo, serie, numero, codigo);
    int soma = 0, peso = 2;
    for (int i = 42; i >= 0; --i) {
        soma += (base[i] - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return std::string(base, 43) + static_cast<char>('0' + (resto < 2 ? 0 : 11 - resto));
}

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
    // A bare or relative name is taken from the current folder, not the program's.
    sped.Arquivo(std::filesystem::absolute(arquivo).string());
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
