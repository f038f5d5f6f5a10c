#pragma once
// Writer of block M: holds the block's register tree and turns it into lines.
// Every call of WriteRegistroM001 writes M001 and the whole tree below it; no list
// is emptied.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_M.h"

namespace efd {

class TBloco_0;

class TBloco_M : public TBlocoSPED {
public:
    TBloco_M();
    ~TBloco_M() override;

    // Set by the generation component; not owned. Its 0000 decides the M210/M610
    // layout (COD_VER) and whether M211/M611 are written (IND_NAT_PJ).
    TBloco_0* Bloco_0 = nullptr;

    TRegistroM001& RegistroM001() { return *FRegistroM001; }
    TRegistroM990& RegistroM990() { return *FRegistroM990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroM100Count = 0;
    int RegistroM105Count = 0;
    int RegistroM110Count = 0;
    int RegistroM115Count = 0;
    int RegistroM200Count = 0;
    int RegistroM205Count = 0;
    int RegistroM210Count = 0;
    int RegistroM211Count = 0;
    int RegistroM215Count = 0;
    int RegistroM220Count = 0;
    int RegistroM225Count = 0;
    int RegistroM230Count = 0;
    int RegistroM300Count = 0;
    int RegistroM350Count = 0;
    int RegistroM400Count = 0;
    int RegistroM410Count = 0;
    int RegistroM500Count = 0;
    int RegistroM505Count = 0;
    int RegistroM510Count = 0;
    int RegistroM515Count = 0;
    int RegistroM600Count = 0;
    int RegistroM605Count = 0;
    int RegistroM610Count = 0;
    int RegistroM611Count = 0;
    int RegistroM615Count = 0;
    int RegistroM620Count = 0;
    int RegistroM625Count = 0;
    int RegistroM630Count = 0;
    int RegistroM700Count = 0;
    int RegistroM800Count = 0;
    int RegistroM810Count = 0;

    // The single objects: returned, never created.
    TRegistroM001* RegistroM001New() { return FRegistroM001.get(); }
    TRegistroM200* RegistroM200New() { return &FRegistroM001->RegistroM200; }
    TRegistroM350* RegistroM350New() { return &FRegistroM001->RegistroM350; }
    TRegistroM600* RegistroM600New() { return &FRegistroM001->RegistroM600; }
    TRegistroM211* RegistroM211New();  // of the last M210
    TRegistroM611* RegistroM611New();  // of the last M610

    // The lists: each New puts the record under the last record of every level above
    // it; with no parent, EListError.
    TRegistroM100* RegistroM100New() { return FRegistroM001->RegistroM100.New(); }
    TRegistroM105* RegistroM105New();
    TRegistroM110* RegistroM110New();
    TRegistroM115* RegistroM115New();
    TRegistroM205* RegistroM205New() { return FRegistroM001->RegistroM200.RegistroM205.New(); }
    TRegistroM210* RegistroM210New() { return FRegistroM001->RegistroM200.RegistroM210.New(); }
    TRegistroM215* RegistroM215New();
    TRegistroM220* RegistroM220New();
    TRegistroM225* RegistroM225New();
    TRegistroM230* RegistroM230New();
    TRegistroM300* RegistroM300New() { return FRegistroM001->RegistroM300.New(); }
    TRegistroM400* RegistroM400New() { return FRegistroM001->RegistroM400.New(); }
    TRegistroM410* RegistroM410New();
    TRegistroM500* RegistroM500New() { return FRegistroM001->RegistroM500.New(); }
    TRegistroM505* RegistroM505New();
    TRegistroM510* RegistroM510New();
    TRegistroM515* RegistroM515New();
    TRegistroM605* RegistroM605New() { return FRegistroM001->RegistroM600.RegistroM605.New(); }
    TRegistroM610* RegistroM610New() { return FRegistroM001->RegistroM600.RegistroM610.New(); }
    TRegistroM615* RegistroM615New();
    TRegistroM620* RegistroM620New();
    TRegistroM625* RegistroM625New();
    TRegistroM630* RegistroM630New();
    TRegistroM700* RegistroM700New() { return FRegistroM001->RegistroM700.New(); }
    TRegistroM800* RegistroM800New() { return FRegistroM001->RegistroM800.New(); }
    TRegistroM810* RegistroM810New();

    void WriteRegistroM001();
    void WriteRegistroM990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroM001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    // M210 and M610 carry the three base adjustments from layout 3.1.0 on.
    bool LeiauteComAjustesDaBase() const;
    bool Cooperativa() const;

    void WriteRegistroM100();
    void WriteRegistroM105(const TRegistroM100& pai);
    void WriteRegistroM110(const TRegistroM100& pai);
    void WriteRegistroM115(const TRegistroM110& pai);
    void WriteRegistroM200();
    void WriteRegistroM210(const TRegistroM200& pai);
    void WriteRegistroM220(const TRegistroM210& pai);
    void WriteRegistroM225(const TRegistroM220& pai);
    void WriteRegistroM300();
    void WriteRegistroM350();
    void WriteRegistroM400();
    void WriteRegistroM500();
    void WriteRegistroM505(const TRegistroM500& pai);
    void WriteRegistroM510(const TRegistroM500& pai);
    void WriteRegistroM515(const TRegistroM510& pai);
    void WriteRegistroM600();
    void WriteRegistroM610(const TRegistroM600& pai);
    void WriteRegistroM620(const TRegistroM610& pai);
    void WriteRegistroM625(const TRegistroM620& pai);
    void WriteRegistroM700();
    void WriteRegistroM800();

    // The PIS and COFINS twins whose fields have the same names share their writer.
    template <class R> void LinhaTotais(const char* reg, const R& r);              // M200, M600
    template <class L> void WriteTotalPorCodigo(const char* reg, const L& lista, int& contador);  // M205, M605
    template <class R> void LinhaCooperativa(const char* reg, const R& r);         // M211, M611
    template <class L> void WriteAjusteBase(const char* reg, const L& lista, int& contador);      // M215, M615
    template <class R> void LinhaAjuste(const char* reg, const R& r);              // M110, M220, M510, M620
    template <class L> void WriteDiferimento(const char* reg, const L& lista, int& contador);     // M230, M630
    template <class L> void WriteDiferidoAnterior(const char* reg, const L& lista, int& contador); // M300, M700
    template <class L> void WriteDetalheReceita(const char* reg, const L& lista, int& contador);   // M410, M810

    std::unique_ptr<TRegistroM001> FRegistroM001;
    std::unique_ptr<TRegistroM990> FRegistroM990;
};

}  // namespace efd
