#include "efd/EFDBlocos.h"

namespace efd {

TCstPis ParseCstPis(std::string_view texto) {
    return ParseCodigo<TCstPis>(texto).value_or(TCstPis::stpisNenhum);
}
TCstCofins ParseCstCofins(std::string_view texto) {
    return ParseCodigo<TCstCofins>(texto).value_or(TCstCofins::stcofinsNenhum);
}
TCstIcms ParseCstIcms(std::string_view texto) {
    // "300", "400" and "500" are both an origin 3/4/5 code and a Simples Nacional
    // code; the ERP writes them for Simples Nacional items, so the table is searched
    // from its end and the Simples Nacional value wins.
    const auto& codigos = CodigosEnum<TCstIcms>::codigos;
    for (size_t i = codigos.size(); i-- > 0;)
        if (codigos[i] == texto) return static_cast<TCstIcms>(i);
    return TCstIcms::sticmsNenhum;
}
TCstIpi ParseCstIpi(std::string_view texto) {
    return ParseCodigo<TCstIpi>(texto).value_or(TCstIpi::stipiVazio);
}

std::string_view CodVerCode(TCodVer v) {
    const auto i = static_cast<size_t>(v);
    if (i >= CodigosEnum<TCodVer>::codigos.size())
        throw std::invalid_argument("Valor informado inválido para ser convertido em TCodVer");
    return CodigosEnum<TCodVer>::codigos[i];
}

}  // namespace efd
