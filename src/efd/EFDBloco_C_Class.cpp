#include "efd/EFDBloco_C_Class.h"

namespace efd {

TBloco_C::TBloco_C() { TBloco_C::CreateRegisters(); }

TBloco_C::~TBloco_C() { TBloco_C::ReleaseRegisters(); }

void TBloco_C::CreateRegisters() {
    FRegistroC001 = std::make_unique<TRegistroC001>();
    FRegistroC990 = std::make_unique<TRegistroC990>();
    FContadorLinhas = &FRegistroC990->QTD_LIN_C;
    RegistroC010Count = 0;
    RegistroC100Count = 0;
    RegistroC110Count = 0;
    RegistroC111Count = 0;
    RegistroC120Count = 0;
    RegistroC170Count = 0;
    RegistroC175Count = 0;
    RegistroC180Count = 0;
    RegistroC181Count = 0;
    RegistroC185Count = 0;
    RegistroC188Count = 0;
    RegistroC190Count = 0;
    RegistroC191Count = 0;
    RegistroC195Count = 0;
    RegistroC198Count = 0;
    RegistroC199Count = 0;
    RegistroC380Count = 0;
    RegistroC381Count = 0;
    RegistroC385Count = 0;
    RegistroC395Count = 0;
    RegistroC396Count = 0;
    RegistroC400Count = 0;
    RegistroC405Count = 0;
    RegistroC481Count = 0;
    RegistroC485Count = 0;
    RegistroC489Count = 0;
    RegistroC490Count = 0;
    RegistroC491Count = 0;
    RegistroC495Count = 0;
    RegistroC499Count = 0;
    RegistroC500Count = 0;
    RegistroC501Count = 0;
    RegistroC505Count = 0;
    RegistroC509Count = 0;
    RegistroC600Count = 0;
    RegistroC601Count = 0;
    RegistroC605Count = 0;
    RegistroC609Count = 0;
    RegistroC800Count = 0;
    RegistroC810Count = 0;
    RegistroC820Count = 0;
    RegistroC830Count = 0;
    RegistroC860Count = 0;
    RegistroC870Count = 0;
    RegistroC880Count = 0;
    RegistroC890Count = 0;
}

void TBloco_C::ReleaseRegisters() {
    FContadorLinhas = nullptr;
    FRegistroC001.reset();
    FRegistroC990.reset();
}

void TBloco_C::WriteRegistroC001() {
    // C001 is written once, on the first call; later calls resume below it.
    if (FRegistroC990->QTD_LIN_C == 0) Linha("C001").I(static_cast<int64_t>(FRegistroC001->IND_MOV));
    if (FRegistroC001->IND_MOV != TIndMov::imComDados) return;
}

void TBloco_C::WriteRegistroC990() {
    // The count includes the closing line itself.
    Linha("C990").I(FRegistroC990->QTD_LIN_C + 1);
}

void TBloco_C::EntradasBloco9(TEntradas9900& e) const {
    e.Adiciona("C010", RegistroC010Count);
    e.Adiciona("C100", RegistroC100Count);
    e.Adiciona("C110", RegistroC110Count);
    e.Adiciona("C111", RegistroC111Count);
    e.Adiciona("C120", RegistroC120Count);
    e.Adiciona("C170", RegistroC170Count);
    e.Adiciona("C175", RegistroC175Count);
    e.Adiciona("C180", RegistroC180Count);
    e.Adiciona("C181", RegistroC181Count);
    e.Adiciona("C185", RegistroC185Count);
    e.Adiciona("C188", RegistroC188Count);
    e.Adiciona("C190", RegistroC190Count);
    e.Adiciona("C191", RegistroC191Count);
    e.Adiciona("C195", RegistroC195Count);
    e.Adiciona("C198", RegistroC198Count);
    e.Adiciona("C199", RegistroC199Count);
    e.Adiciona("C380", RegistroC380Count);
    e.Adiciona("C381", RegistroC381Count);
    e.Adiciona("C385", RegistroC385Count);
    e.Adiciona("C395", RegistroC395Count);
    e.Adiciona("C396", RegistroC396Count);
    e.Adiciona("C400", RegistroC400Count);
    e.Adiciona("C405", RegistroC405Count);
    e.Adiciona("C481", RegistroC481Count);
    e.Adiciona("C485", RegistroC485Count);
    e.Adiciona("C489", RegistroC489Count);
    e.Adiciona("C490", RegistroC490Count);
    e.Adiciona("C491", RegistroC491Count);
    e.Adiciona("C495", RegistroC495Count);
    e.Adiciona("C499", RegistroC499Count);
    e.Adiciona("C500", RegistroC500Count);
    e.Adiciona("C501", RegistroC501Count);
    e.Adiciona("C505", RegistroC505Count);
    e.Adiciona("C509", RegistroC509Count);
    e.Adiciona("C600", RegistroC600Count);
    e.Adiciona("C601", RegistroC601Count);
    e.Adiciona("C605", RegistroC605Count);
    e.Adiciona("C609", RegistroC609Count);
    e.Adiciona("C860", RegistroC860Count);
    e.Adiciona("C870", RegistroC870Count);
    e.Adiciona("C880", RegistroC880Count);
    e.Adiciona("C890", RegistroC890Count);
}

}  // namespace efd
