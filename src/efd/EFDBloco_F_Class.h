#pragma once
// Writer of block F: holds the block's register tree and turns it into lines.
// Every call of WriteRegistroF001 writes F001 and the whole tree below it; no list
// is emptied.
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_F.h"

namespace efd {

class TBloco_0;

class TBloco_F : public TBlocoSPED {
public:
    TBloco_F();
    ~TBloco_F() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroF001& RegistroF001() { return *FRegistroF001; }
    TRegistroF990& RegistroF990() { return *FRegistroF990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroF010Count = 0;
    int RegistroF100Count = 0;
    int RegistroF111Count = 0;
    int RegistroF120Count = 0;
    int RegistroF129Count = 0;
    int RegistroF130Count = 0;
    int RegistroF139Count = 0;
    int RegistroF150Count = 0;
    int RegistroF200Count = 0;
    int RegistroF205Count = 0;
    int RegistroF210Count = 0;
    int RegistroF211Count = 0;
    int RegistroF500Count = 0;
    int RegistroF509Count = 0;
    int RegistroF510Count = 0;
    int RegistroF519Count = 0;
    int RegistroF525Count = 0;
    int RegistroF550Count = 0;
    int RegistroF559Count = 0;
    int RegistroF560Count = 0;
    int RegistroF569Count = 0;
    int RegistroF600Count = 0;
    int RegistroF700Count = 0;
    int RegistroF800Count = 0;

    // Each New puts the record under the last record of every level above it, so a
    // caller adds a parent and then its children; with no parent, EListError.
    TRegistroF001* RegistroF001New() { return FRegistroF001.get(); }
    TRegistroF010* RegistroF010New();
    TRegistroF100* RegistroF100New();
    TRegistroF111* RegistroF111New();
    TRegistroF120* RegistroF120New();
    TRegistroF129* RegistroF129New();
    TRegistroF130* RegistroF130New();
    TRegistroF139* RegistroF139New();
    TRegistroF150* RegistroF150New();
    TRegistroF200* RegistroF200New();
    TRegistroF205* RegistroF205New();  // the single F205 of the last F200
    TRegistroF210* RegistroF210New();
    TRegistroF211* RegistroF211New();
    TRegistroF500* RegistroF500New();
    TRegistroF509* RegistroF509New();
    TRegistroF510* RegistroF510New();
    TRegistroF519* RegistroF519New();
    TRegistroF525* RegistroF525New();
    TRegistroF550* RegistroF550New();
    TRegistroF559* RegistroF559New();
    TRegistroF560* RegistroF560New();
    TRegistroF569* RegistroF569New();
    TRegistroF600* RegistroF600New();
    TRegistroF700* RegistroF700New();
    TRegistroF800* RegistroF800New();

    void WriteRegistroF001();
    void WriteRegistroF990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroF001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    TRegistroF010* UltimoF010() const { return FRegistroF001->RegistroF010.Ultimo(); }
    // F205 is left out when the company's only regime is the cumulative one (0110).
    bool EscreveF205() const;
    // F500, F510, F525 and F550 exist from January 2012 on.
    bool CaixaECompetencia() const;

    void WriteRegistroF010(const TRegistroF010& reg);
    void WriteRegistroF100(const TRegistroF010& reg);
    void WriteRegistroF111(const TRegistroF100& reg);
    void WriteRegistroF120(const TRegistroF010& reg);
    void WriteRegistroF129(const TRegistroF120& reg);
    void WriteRegistroF130(const TRegistroF010& reg);
    void WriteRegistroF139(const TRegistroF130& reg);
    void WriteRegistroF150(const TRegistroF010& reg);
    void WriteRegistroF200(const TRegistroF010& reg);
    void WriteRegistroF205(const TRegistroF205& reg);
    void WriteRegistroF210(const TRegistroF200& reg);
    void WriteRegistroF211(const TRegistroF200& reg);
    void WriteRegistroF500(const TRegistroF010& reg);
    void WriteRegistroF509(const TRegistroF500& reg);
    void WriteRegistroF510(const TRegistroF010& reg);
    void WriteRegistroF519(const TRegistroF510& reg);
    void WriteRegistroF525(const TRegistroF010& reg);
    void WriteRegistroF550(const TRegistroF010& reg);
    void WriteRegistroF559(const TRegistroF550& reg);
    void WriteRegistroF560(const TRegistroF010& reg);
    void WriteRegistroF569(const TRegistroF560& reg);
    void WriteRegistroF600(const TRegistroF010& reg);
    void WriteRegistroF700(const TRegistroF010& reg);
    void WriteRegistroF800(const TRegistroF010& reg);

    std::unique_ptr<TRegistroF001> FRegistroF001;
    std::unique_ptr<TRegistroF990> FRegistroF990;
};

}  // namespace efd
