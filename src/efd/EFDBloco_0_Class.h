#pragma once
// Writer of block 0: holds the block's register tree and turns it into lines.
#include <memory>
#include <stdexcept>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_0.h"

namespace efd {

// A register asked for under a parent that does not exist yet (a 0150 before any
// 0140); the tree would otherwise lose it.
class ERegistroOrfao : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TBloco_0 : public TBlocoSPED {
public:
    TBloco_0();
    ~TBloco_0() override;

    TRegistro0000& Registro0000() { return *FRegistro0000; }
    TRegistro0001& Registro0001() { return *FRegistro0001; }
    TRegistro0990& Registro0990() { return *FRegistro0990; }

    // Lines written per register code; block 9 is built from them.
    int Registro0035Count = 0;
    int Registro0100Count = 0;
    int Registro0110Count = 0;
    int Registro0111Count = 0;
    int Registro0120Count = 0;
    int Registro0140Count = 0;
    int Registro0145Count = 0;
    int Registro0150Count = 0;
    int Registro0190Count = 0;
    int Registro0200Count = 0;
    int Registro0205Count = 0;
    int Registro0206Count = 0;
    int Registro0208Count = 0;
    int Registro0400Count = 0;
    int Registro0450Count = 0;
    int Registro0500Count = 0;
    int Registro0600Count = 0;
    int Registro0900Count = 0;

    // The fixed singletons.
    TRegistro0000* Registro0000New() { return FRegistro0000.get(); }
    TRegistro0001* Registro0001New() { return FRegistro0001.get(); }
    TRegistro0110* Registro0110New() { return &FRegistro0001->Registro0110; }
    TRegistro0111* Registro0111New() { return &FRegistro0001->Registro0110.Registro0111; }
    // New items of the lists of 0001.
    TRegistro0035* Registro0035New() { return FRegistro0001->Registro0035.New(); }
    TRegistro0100* Registro0100New() { return FRegistro0001->Registro0100.New(); }
    TRegistro0120* Registro0120New() { return FRegistro0001->Registro0120.New(); }
    TRegistro0140* Registro0140New() { return FRegistro0001->Registro0140.New(); }
    TRegistro0500* Registro0500New() { return FRegistro0001->Registro0500.New(); }
    TRegistro0600* Registro0600New() { return FRegistro0001->Registro0600.New(); }
    // New items under the last 0140; ERegistroOrfao when there is none.
    TRegistro0150* Registro0150New();
    TRegistro0190* Registro0190New();
    TRegistro0200* Registro0200New();
    TRegistro0400* Registro0400New();
    TRegistro0450* Registro0450New();
    // Under the last 0200 of the last 0140: EListError without a 0140,
    // ERegistroOrfao with a 0140 but no 0200.
    TRegistro0205* Registro0205New();
    // The single children of the last 0140 / last 0200; EListError without a parent.
    TRegistro0145* Registro0145New();
    TRegistro0206* Registro0206New();
    TRegistro0208* Registro0208New();
    // Created by the first call.
    TRegistro0900* Registro0900New();

    void WriteRegistro0000();
    void WriteRegistro0001();
    void WriteRegistro0990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistro0001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    TRegistro0140& Ultimo0140Com(const char* filho);

    void WriteRegistro0035();
    void WriteRegistro0100();
    void WriteRegistro0110();
    void WriteRegistro0111();
    void WriteRegistro0120();
    void WriteRegistro0140();
    void WriteRegistro0145(const TRegistro0145& r);
    void WriteRegistro0150(const TRegistro0150List& lista);
    void WriteRegistro0190(const TRegistro0190List& lista);
    void WriteRegistro0200(const TRegistro0200List& lista);
    void WriteRegistro0205(const TRegistro0205List& lista);
    void WriteRegistro0206(const TRegistro0206& r);
    void WriteRegistro0208(const TRegistro0208& r);
    void WriteRegistro0400(const TRegistro0400List& lista);
    void WriteRegistro0450(const TRegistro0450List& lista);
    void WriteRegistro0500();
    void WriteRegistro0600();
    void WriteRegistro0900();

    std::unique_ptr<TRegistro0000> FRegistro0000;
    std::unique_ptr<TRegistro0001> FRegistro0001;
    std::unique_ptr<TRegistro0990> FRegistro0990;
};

}  // namespace efd
