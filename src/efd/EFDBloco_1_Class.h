#pragma once
// Writer of block 1: holds the block's register tree and turns it into lines.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_1.h"

namespace efd {

class TBloco_0;

class TBloco_1 : public TBlocoSPED {
public:
    TBloco_1();
    ~TBloco_1() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistro1001& Registro1001() { return *FRegistro1001; }
    TRegistro1990& Registro1990() { return *FRegistro1990; }

    // Lines written per register code; block 9 is built from them.
    int Registro1010Count = 0;
    int Registro1011Count = 0;
    int Registro1020Count = 0;
    int Registro1050Count = 0;
    int Registro1100Count = 0;
    int Registro1101Count = 0;
    int Registro1102Count = 0;
    int Registro1200Count = 0;
    int Registro1210Count = 0;
    int Registro1220Count = 0;
    int Registro1300Count = 0;
    int Registro1500Count = 0;
    int Registro1501Count = 0;
    int Registro1502Count = 0;
    int Registro1600Count = 0;
    int Registro1610Count = 0;
    int Registro1620Count = 0;
    int Registro1700Count = 0;
    int Registro1800Count = 0;
    int Registro1809Count = 0;
    int Registro1900Count = 0;

    TRegistro1001* Registro1001New() { return FRegistro1001.get(); }
    // New items of the lists of 1001.
    TRegistro1010* Registro1010New() { return FRegistro1001->Registro1010.New(); }
    TRegistro1020* Registro1020New() { return FRegistro1001->Registro1020.New(); }
    TRegistro1050* Registro1050New() { return FRegistro1001->Registro1050.New(); }
    TRegistro1100* Registro1100New() { return FRegistro1001->Registro1100.New(); }
    TRegistro1200* Registro1200New() { return FRegistro1001->Registro1200.New(); }
    TRegistro1300* Registro1300New() { return FRegistro1001->Registro1300.New(); }
    TRegistro1500* Registro1500New() { return FRegistro1001->Registro1500.New(); }
    TRegistro1600* Registro1600New() { return FRegistro1001->Registro1600.New(); }
    TRegistro1700* Registro1700New() { return FRegistro1001->Registro1700.New(); }
    TRegistro1800* Registro1800New() { return FRegistro1001->Registro1800.New(); }
    TRegistro1900* Registro1900New() { return FRegistro1001->Registro1900.New(); }
    // New items under the last item of the parent list; EListError when that list is empty.
    TRegistro1011* Registro1011New() { return FRegistro1001->Registro1010.Ultimo()->Registro1011.New(); }
    TRegistro1101* Registro1101New() { return FRegistro1001->Registro1100.Ultimo()->Registro1101.New(); }
    TRegistro1210* Registro1210New() { return FRegistro1001->Registro1200.Ultimo()->Registro1210.New(); }
    TRegistro1220* Registro1220New() { return FRegistro1001->Registro1200.Ultimo()->Registro1220.New(); }
    TRegistro1501* Registro1501New() { return FRegistro1001->Registro1500.Ultimo()->Registro1501.New(); }
    TRegistro1610* Registro1610New() { return FRegistro1001->Registro1600.Ultimo()->Registro1610.New(); }
    TRegistro1620* Registro1620New() { return FRegistro1001->Registro1600.Ultimo()->Registro1620.New(); }
    TRegistro1809* Registro1809New() { return FRegistro1001->Registro1800.Ultimo()->Registro1809.New(); }
    // The single child of the last 1101 of the last 1100 (1501 of the last 1500),
    // created by the first call; EListError without a parent.
    TRegistro1102* Registro1102New();
    TRegistro1502* Registro1502New();

    void WriteRegistro1001();
    void WriteRegistro1990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistro1001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    void WriteRegistro1010();
    void WriteRegistro1011(const TRegistro1011List& lista);
    void WriteRegistro1020();
    void WriteRegistro1050();
    void WriteRegistro1100();
    void WriteRegistro1101(const TRegistro1101List& lista);
    void WriteRegistro1102(const TRegistro1102* r);
    void WriteRegistro1200();
    void WriteRegistro1210(const TRegistro1210List& lista);
    void WriteRegistro1220(const TRegistro1220List& lista);
    void WriteRegistro1300();
    void WriteRegistro1500();
    void WriteRegistro1501(const TRegistro1501List& lista);
    void WriteRegistro1502(const TRegistro1502* r);
    void WriteRegistro1600();
    void WriteRegistro1610(const TRegistro1610List& lista);
    void WriteRegistro1620(const TRegistro1620List& lista);
    void WriteRegistro1700();
    void WriteRegistro1800();
    void WriteRegistro1809(const TRegistro1809List& lista);
    void WriteRegistro1900();

    std::unique_ptr<TRegistro1001> FRegistro1001;
    std::unique_ptr<TRegistro1990> FRegistro1990;
};

}  // namespace efd
