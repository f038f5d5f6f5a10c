#pragma once
// Writer of block C: holds the block's register tree and turns it into lines.
//
// The block may be written in several calls (WriteRegistroC001): each call writes what
// was added since the previous one and frees the documents it wrote, so that a period
// with millions of items never has to sit in memory whole.
#include <functional>
#include <memory>

#include "efd/BlocoSPED.h"
#include "efd/EFDBloco_C.h"

namespace efd {

class TBloco_0;

// Called before a C481/C485/C491/C495 line is written. The handler may change the
// record and sets the five flags; a flag set makes its value field empty when zero.
// The flags start false.
using TWriteRegistroC481Event =
    std::function<void(TRegistroC481* AC481, bool& ANullVL_BC_PIS, bool& ANullALIQ_PIS, bool& ANullQUANT_BC_PIS,
                       bool& ANullALIQ_PIS_QUANT, bool& ANullVL_PIS)>;
using TWriteRegistroC485Event =
    std::function<void(TRegistroC485* AC485, bool& ANullVL_BC_COFINS, bool& ANullALIQ_COFINS,
                       bool& ANullQUANT_BC_COFINS, bool& ANullALIQ_COFINS_QUANT, bool& ANullVL_COFINS)>;
using TWriteRegistroC491Event =
    std::function<void(TRegistroC491* AC491, bool& ANullVL_BC_PIS, bool& ANullALIQ_PIS, bool& ANullQUANT_BC_PIS,
                       bool& ANullALIQ_PIS_QUANT, bool& ANullVL_PIS)>;
using TWriteRegistroC495Event =
    std::function<void(TRegistroC495* AC495, bool& ANullVL_BC_COFINS, bool& ANullALIQ_COFINS,
                       bool& ANullQUANT_BC_COFINS, bool& ANullALIQ_COFINS_QUANT, bool& ANullVL_COFINS)>;

class TBloco_C : public TBlocoSPED {
public:
    TBloco_C();
    ~TBloco_C() override;

    TBloco_0* Bloco_0 = nullptr;  // set by the generation component; not owned

    TRegistroC001& RegistroC001() { return *FRegistroC001; }
    TRegistroC990& RegistroC990() { return *FRegistroC990; }

    // Lines written per register code; block 9 is built from them.
    int RegistroC010Count = 0;  // also where the next call resumes
    int RegistroC100Count = 0;
    int RegistroC110Count = 0;
    int RegistroC111Count = 0;
    int RegistroC120Count = 0;
    int RegistroC170Count = 0;
    int RegistroC175Count = 0;
    int RegistroC180Count = 0;
    int RegistroC181Count = 0;
    int RegistroC185Count = 0;
    int RegistroC188Count = 0;
    int RegistroC190Count = 0;
    int RegistroC191Count = 0;
    int RegistroC195Count = 0;
    int RegistroC198Count = 0;
    int RegistroC199Count = 0;
    int RegistroC380Count = 0;
    int RegistroC381Count = 0;
    int RegistroC385Count = 0;
    int RegistroC395Count = 0;
    int RegistroC396Count = 0;
    int RegistroC400Count = 0;
    int RegistroC405Count = 0;
    int RegistroC481Count = 0;
    int RegistroC485Count = 0;
    int RegistroC489Count = 0;
    int RegistroC490Count = 0;
    int RegistroC491Count = 0;
    int RegistroC495Count = 0;
    int RegistroC499Count = 0;
    int RegistroC500Count = 0;
    int RegistroC501Count = 0;
    int RegistroC505Count = 0;
    int RegistroC509Count = 0;
    int RegistroC600Count = 0;
    int RegistroC601Count = 0;
    int RegistroC605Count = 0;
    int RegistroC609Count = 0;
    int RegistroC800Count = 0;  // C800 and its children are never written: these stay 0
    int RegistroC810Count = 0;
    int RegistroC820Count = 0;
    int RegistroC830Count = 0;
    int RegistroC860Count = 0;
    int RegistroC870Count = 0;
    int RegistroC880Count = 0;
    int RegistroC890Count = 0;

    // Events of the printer registers; the "after" ones are kept for the handlers
    // that set them but are never called.
    TWriteRegistroC481Event OnBeforeWriteRegistroC481;
    TWriteRegistroC485Event OnBeforeWriteRegistroC485;
    TWriteRegistroC491Event OnBeforeWriteRegistroC491;
    TWriteRegistroC495Event OnBeforeWriteRegistroC495;
    TWriteRegistroC481Event OnAfterWriteRegistroC481;
    TWriteRegistroC485Event OnAfterWriteRegistroC485;
    TWriteRegistroC491Event OnAfterWriteRegistroC491;
    TWriteRegistroC495Event OnAfterWriteRegistroC495;

    // Record creation: each record goes under the last record of every level above
    // it; an empty level raises EListError and adds nothing.
    TRegistroC001* RegistroC001New() { return FRegistroC001.get(); }
    TRegistroC010* RegistroC010New();
    TRegistroC100* RegistroC100New();
    TRegistroC110* RegistroC110New();
    TRegistroC111* RegistroC111New();
    TRegistroC120* RegistroC120New();
    TRegistroC170* RegistroC170New();
    TRegistroC175* RegistroC175New();
    TRegistroC180* RegistroC180New();
    TRegistroC181* RegistroC181New();
    TRegistroC185* RegistroC185New();
    TRegistroC188* RegistroC188New();
    TRegistroC190* RegistroC190New();
    TRegistroC191* RegistroC191New();
    TRegistroC195* RegistroC195New();
    TRegistroC198* RegistroC198New();
    TRegistroC199* RegistroC199New();
    TRegistroC380* RegistroC380New();
    TRegistroC381* RegistroC381New();
    TRegistroC385* RegistroC385New();
    TRegistroC395* RegistroC395New();
    TRegistroC396* RegistroC396New();
    TRegistroC400* RegistroC400New();
    TRegistroC405* RegistroC405New();
    TRegistroC481* RegistroC481New();
    TRegistroC485* RegistroC485New();
    TRegistroC489* RegistroC489New();
    TRegistroC490* RegistroC490New();
    TRegistroC491* RegistroC491New();
    TRegistroC495* RegistroC495New();
    TRegistroC499* RegistroC499New();
    TRegistroC500* RegistroC500New();
    TRegistroC501* RegistroC501New();
    TRegistroC505* RegistroC505New();
    TRegistroC509* RegistroC509New();
    TRegistroC600* RegistroC600New();
    TRegistroC601* RegistroC601New();
    TRegistroC605* RegistroC605New();
    TRegistroC609* RegistroC609New();
    TRegistroC800* RegistroC800New();
    TRegistroC810* RegistroC810New();
    TRegistroC820* RegistroC820New();
    TRegistroC830* RegistroC830New();
    TRegistroC860* RegistroC860New();
    TRegistroC870* RegistroC870New();
    TRegistroC880* RegistroC880New();
    TRegistroC890* RegistroC890New();

    // Writes C001 on the first call and, with data, everything added since the
    // previous call.
    // C100 records held and not written yet.
    int DocumentosPendentes() const;
    // Writes the goods documents (C100 and their children) held so far, with C001
    // and the C010 line the first time, and frees them; false, writing nothing,
    // unless the block has data and exactly one establishment.
    bool AntecipaDocumentos();

    void WriteRegistroC001();
    void WriteRegistroC990();

    void CreateRegisters() override;
    void ReleaseRegisters() override;
    TOpenBlocos* RegistroAbertura() override { return FRegistroC001.get(); }
    void EntradasBloco9(TEntradas9900& e) const override;

private:
    TRegistroC010& UltimoC010() const { return *FRegistroC001->RegistroC010.Ultimo(); }

    void WriteRegistroC010(TRegistroC010& r);
    void WriteLinhaC010(TRegistroC010& r);
    void WriteFilhosC010(TRegistroC010& r);
    void WriteRegistroC100(TRegistroC100& r);
    void WriteRegistroC110(const TRegistroC110& r);
    void WriteRegistroC120(const TRegistroC120& r);
    void WriteRegistroC170(const TRegistroC170& r);
    void WriteRegistroC175(const TRegistroC175& r);
    void WriteRegistroC180(TRegistroC180& r);
    void WriteRegistroC181(const TRegistroC181& r);
    void WriteRegistroC185(const TRegistroC185& r);
    void WriteRegistroC190(TRegistroC190& r);
    void WriteRegistroC191(const TRegistroC191& r);
    void WriteRegistroC195(const TRegistroC195& r);
    void WriteRegistroC199(const TRegistroC199& r);
    void WriteRegistroC380(TRegistroC380& r);
    void WriteRegistroC381(const TRegistroC381& r);
    void WriteRegistroC385(const TRegistroC385& r);
    void WriteRegistroC395(TRegistroC395& r);
    void WriteRegistroC396(const TRegistroC396& r);
    void WriteRegistroC400(TRegistroC400& r);
    void WriteRegistroC405(TRegistroC405& r);
    void WriteRegistroC481(TRegistroC481& r);
    void WriteRegistroC485(TRegistroC485& r);
    void WriteRegistroC490(TRegistroC490& r);
    void WriteRegistroC491(TRegistroC491& r);
    void WriteRegistroC495(TRegistroC495& r);
    void WriteRegistroC500(TRegistroC500& r);
    void WriteRegistroC501(const TRegistroC501& r);
    void WriteRegistroC505(const TRegistroC505& r);
    void WriteRegistroC600(TRegistroC600& r);
    void WriteRegistroC601(const TRegistroC601& r);
    void WriteRegistroC605(const TRegistroC605& r);
    void WriteRegistroC860(TRegistroC860& r);
    void WriteRegistroC870(const TRegistroC870& r);
    void WriteRegistroC880(const TRegistroC880& r);
    // C111, C188, C198, C489, C499, C509, C609, C890: the processes of one parent.
    template <class R>
    void WriteProcessos(std::string_view reg, TRegistroList<R>& lista, int& contador);

    std::unique_ptr<TRegistroC001> FRegistroC001;
    std::unique_ptr<TRegistroC990> FRegistroC990;
};

// Sub-component of the generation component that exposes the write events of
// block C; each property reads or writes the event of the same name in the block.
class TEventsBloco_C {
public:
    explicit TEventsBloco_C(TBloco_C& owner) : FOwner(owner) {}

    const TWriteRegistroC481Event& OnBeforeWriteRegistroC481() const { return FOwner.OnBeforeWriteRegistroC481; }
    void OnBeforeWriteRegistroC481(TWriteRegistroC481Event v) { FOwner.OnBeforeWriteRegistroC481 = std::move(v); }
    const TWriteRegistroC485Event& OnBeforeWriteRegistroC485() const { return FOwner.OnBeforeWriteRegistroC485; }
    void OnBeforeWriteRegistroC485(TWriteRegistroC485Event v) { FOwner.OnBeforeWriteRegistroC485 = std::move(v); }
    const TWriteRegistroC491Event& OnBeforeWriteRegistroC491() const { return FOwner.OnBeforeWriteRegistroC491; }
    void OnBeforeWriteRegistroC491(TWriteRegistroC491Event v) { FOwner.OnBeforeWriteRegistroC491 = std::move(v); }
    const TWriteRegistroC495Event& OnBeforeWriteRegistroC495() const { return FOwner.OnBeforeWriteRegistroC495; }
    void OnBeforeWriteRegistroC495(TWriteRegistroC495Event v) { FOwner.OnBeforeWriteRegistroC495 = std::move(v); }

private:
    TBloco_C& FOwner;
};

}  // namespace efd
