#include "util/Sistema.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace util {

std::string PastaDoPrograma() {
    std::filesystem::path exe;
#ifdef _WIN32
    wchar_t buf[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
    exe = std::filesystem::path(std::wstring(buf, n));
#else
    std::error_code ec;
    exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::current_path() / "programa";
#endif
    std::string pasta = exe.parent_path().string();
    if (pasta.empty() || (pasta.back() != '/' && pasta.back() != '\\'))
        pasta += static_cast<char>(std::filesystem::path::preferred_separator);
    return pasta;
}

std::string DescricaoErroSistema(int codigo) {
    switch (codigo) {
        case ENOENT: return "arquivo ou pasta inexistente";
        case EACCES: return "permissão negada";
        case EPERM: return "operação não permitida";
        case ENOSPC: return "não há espaço livre no disco";
        case EFBIG: return "o arquivo excede o tamanho máximo permitido";
        case EISDIR: return "o caminho é uma pasta";
        case ENOTDIR: return "parte do caminho não é uma pasta";
        case EROFS: return "o sistema de arquivos é somente leitura";
        case EDQUOT: return "cota de disco excedida";
        case EEXIST: return "o arquivo já existe";
        case ENAMETOOLONG: return "o nome do arquivo é longo demais";
        case EBUSY: return "o arquivo está em uso";
        case EIO: return "erro de entrada e saída no disco";
        default: return std::strerror(codigo);
    }
}

}  // namespace util
