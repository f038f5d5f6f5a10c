// Check digits of the fixture's documents: a wrong digit would make every CNPJ,
// CPF and access key of the test ERP invalid for the checks the writer runs.
#include <gtest/gtest.h>

#include "GeradorERP.h"

TEST(GeradorERP, DigitosVerificadores) {
    EXPECT_EQ(fixture::DigitosCnpj("112223330001"), "81");  // 11.222.333/0001-81
    EXPECT_EQ(fixture::DigitosCnpj("000000000001"), "91");  // 00.000.000/0001-91
    EXPECT_EQ(fixture::DigitosCpf("529982247"), "25");      // 529.982.247-25
    EXPECT_EQ(fixture::DigitosCpf("111444777"), "35");      // 111.444.777-35

    const std::string zeros(43, '0');
    EXPECT_EQ(fixture::DigitoChaveAcesso(zeros), '0');                        // 11 -> 0
    EXPECT_EQ(fixture::DigitoChaveAcesso("1" + std::string(42, '0')), '7');    // weight 4 on the 43rd digit
    EXPECT_EQ(fixture::DigitoChaveAcesso(std::string(42, '0') + "5"), '1');    // 5*2 = 10
    EXPECT_EQ(fixture::DigitoChaveAcesso(std::string(41, '0') + "60"), '4');   // 6*3 = 18
    EXPECT_EQ(fixture::DigitoChaveAcesso(std::string(42, '0') + "6"), '0');    // 12 % 11 = 1 -> 10 -> 0
}

TEST(GeradorERP, NomesFisicosDasTabelas) {
    EXPECT_EQ(fixture::CodigoEmpresa(1), "0001");
    EXPECT_EQ(fixture::NomeFisico("NOTA", "0002"), "NOTA0002");
    EXPECT_EQ(fixture::NomeFisico("CIDADE", "0002"), "CIDADE_001");  // shared through ARQLOCAL
}
