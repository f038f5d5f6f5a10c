#pragma once
// Writer of block D: holds the block's register tree and turns it into lines.
#include <memory>
#include <string>
#include <string_view>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_D.h"

namespace efd {

class TBloco_0;

class TBloco_D : public TBlocoSPED {
public:
    TBloco_D();
    ~TBloco_D() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroD001& RegistroD001() { return *FRegistroD001; }
    TRegistroD990& RegistroD990() { return *FRegistroD990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroD010Count = 0;
    int RegistroD100Count = 0;
    int RegistroD101Count = 0;
    int RegistroD105Count = 0;
    int RegistroD111Count = 0;
    int RegistroD200Count = 0;
    int RegistroD201Count = 0;
    int RegistroD205Count = 0;
    int RegistroD209Count = 0;
    int RegistroD300Count = 0;
    int RegistroD309Count = 0;
    int RegistroD350Count = 0;
    int RegistroD359Count = 0;
    int RegistroD500Count = 0;
    int RegistroD501Count = 0;
    int RegistroD505Count = 0;
    int RegistroD509Count = 0;
    int RegistroD600Count = 0;
    int RegistroD601Count = 0;
    int RegistroD605Count = 0;
    int RegistroD609Count = 0;

    // Each New appends under the last record of every level above it; with that
    // level empty it raises EListError and adds nothing.
    TRegistroD001* RegistroD001New() { return FRegistroD001.get(); }
    TRegistroD010* RegistroD010New();
    TRegistroD100* RegistroD100New();
    TRegistroD101* RegistroD101New();
    TRegistroD105* RegistroD105New();
    TRegistroD111* RegistroD111New();
    TRegistroD200* RegistroD200New();
    TRegistroD201* RegistroD201New();
    TRegistroD205* RegistroD205New();
    TRegistroD209* RegistroD209New();
    TRegistroD300* RegistroD300New();
    TRegistroD309* RegistroD309New();
    TRegistroD350* RegistroD350New();
    TRegistroD359* RegistroD359New();
    TRegistroD500* RegistroD500New();
    TRegistroD501* RegistroD501New();
    TRegistroD505* RegistroD505New();
    TRegistroD509* RegistroD509New();
    TRegistroD600* RegistroD600New();
    TRegistroD601* RegistroD601New();
    TRegistroD605* RegistroD605New();
    TRegistroD609* RegistroD609New();

    // Writes D001 and, with data, every record below it (once per file).
    void WriteRegistroD001();
    void WriteRegistroD990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroD001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    TRegistroD010& UltimoD010() const;
    void WriteRegistroD010(const TRegistroD010& reg);
    void WriteRegistroD100(const TRegistroD010& reg);
    void WriteRegistroD101(const TRegistroD100& reg);
    void WriteRegistroD105(const TRegistroD100& reg);
    void WriteRegistroD200(const TRegistroD010& reg);
    void WriteRegistroD201(const TRegistroD200& reg);
    void WriteRegistroD205(const TRegistroD200& reg);
    void WriteRegistroD300(const TRegistroD010& reg);
    void WriteRegistroD350(const TRegistroD010& reg);
    void WriteRegistroD500(const TRegistroD010& reg);
    void WriteRegistroD501(const TRegistroD500& reg);
    void WriteRegistroD505(const TRegistroD500& reg);
    void WriteRegistroD600(const TRegistroD010& reg);
    void WriteRegistroD601(const TRegistroD600& reg);
    void WriteRegistroD605(const TRegistroD600& reg);
    // D111, D209, D309, D359, D509 and D609 share one form.
    template <class T>
    void WriteProcessos(std::string_view reg, const TRegistroList<T>& lista, int& contador);
    // Reports `mensagem` with the model when COD_MOD is not one of `modelos`.
    void CheckModelo(const std::string& codMod, std::string_view modelos, std::string_view mensagem) const;
    // Start of the period that chooses the IND_FRT table of D100.
    util::Data InicioPeriodo() const;

    std::unique_ptr<TRegistroD001> FRegistroD001;
    std::unique_ptr<TRegistroD990> FRegistroD990;
};

}  // namespace efd
