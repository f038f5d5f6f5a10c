#pragma once
// The generation component: owns one writer per block, hands them their common
// settings, writes the blocks in the order the layout requires and closes the
// file with block 9.
//
// The file is written under a temporary name in the target folder and renamed
// over the final name only once block 9 is in it: a failed generation never
// leaves a partial file under the final name and never destroys the previous one.
#include <memory>
#include <stdexcept>
#include <string>

#include "efd/ArquivoTXT.h"
#include "efd/EFDBloco_0_Class.h"
#include "efd/EFDBloco_1_Class.h"
#include "efd/EFDBloco_9_Class.h"
#include "efd/EFDBloco_A_Class.h"
#include "efd/EFDBloco_C_Class.h"
#include "efd/EFDBloco_D_Class.h"
#include "efd/EFDBloco_F_Class.h"
#include "efd/EFDBloco_I_Class.h"
#include "efd/EFDBloco_M_Class.h"
#include "efd/EFDBloco_P_Class.h"
#include "util/Data.h"

namespace efd {

class EGeradorEFDErro : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TGeradorEFD {
public:
    TGeradorEFD();
    ~TGeradorEFD();
    TGeradorEFD(const TGeradorEFD&) = delete;
    TGeradorEFD& operator=(const TGeradorEFD&) = delete;

    const TLinhas& Conteudo() const { return FArquivoTXT.Conteudo(); }

    util::Data DT_INI() const { return FDT_INI; }
    void DT_INI(util::Data v);
    util::Data DT_FIN() const { return FDT_FIN; }
    void DT_FIN(util::Data v);

    TBloco_0& Bloco_0() { return *FBloco_0; }
    TBloco_1& Bloco_1() { return *FBloco_1; }
    TBloco_9& Bloco_9() { return *FBloco_9; }
    TBloco_A& Bloco_A() { return *FBloco_A; }
    TBloco_C& Bloco_C() { return *FBloco_C; }
    TBloco_D& Bloco_D() { return *FBloco_D; }
    TBloco_F& Bloco_F() { return *FBloco_F; }
    TBloco_I& Bloco_I() { return *FBloco_I; }
    TBloco_M& Bloco_M() { return *FBloco_M; }
    TBloco_P& Bloco_P() { return *FBloco_P; }
    // Block C's write events (OnBeforeWriteRegistroC481 ...), stored in Bloco_C.
    TEventsBloco_C& EventsBloco_C() { return *FEventsBloco_C; }

    // Output folder, always ending in a path separator when not empty.
    const std::string& Path() const { return FPath; }
    void Path(const std::string& v);
    // Output file name; a value with a folder part ("\", "/" or ":") also sets Path.
    const std::string& Arquivo() const { return FArquivo; }
    void Arquivo(const std::string& v);
    // Path + Arquivo: the file the generation produces.
    std::string ArquivoCompleto() const;

    int LinhasBuffer() const { return FArquivoTXT.LinhasBuffer(); }
    void LinhasBuffer(int v) { FArquivoTXT.LinhasBuffer(v); }
    const std::string& Delimitador() const { return FDelimitador; }
    void Delimitador(const std::string& v);
    bool ReplaceDelimitador() const { return FReplaceDelimitador; }
    void ReplaceDelimitador(bool v);
    bool TrimString() const { return FTrimString; }
    void TrimString(bool v);
    const std::string& CurMascara() const { return FCurMascara; }
    void CurMascara(const std::string& v);
    const TErrorEvent& OnError() const { return FOnError; }
    void OnError(TErrorEvent v);
    // Called after every batch of lines written (see TArquivoTXT::AoGravarLote).
    void AoGravarLote(std::function<void()> v);

    // Refuses a destination that cannot take the file (missing folder, a folder
    // where the file goes): the same checks IniciaGeracao makes, available before.
    void ConfereDestino() const;
    // Writes the goods documents block C holds so far (C100 with their children) to a
    // file of its own beside the output and frees them; WriteBloco_C puts those lines
    // in their place. A C100 still to receive children must not be in the block when
    // it is called. Lets a period of millions of items be written without holding
    // them all. Only for a block with one establishment; otherwise nothing happens.
    void AntecipaBloco_C();

    // Checks the parameters and prepares every block; does nothing when already done.
    void IniciaGeracao();
    // Each writes its block after every earlier block of the chain
    // 0, A, C, D, F, M, P, 1, 9 that is still unwritten.
    void WriteBloco_0();
    void WriteBloco_A(bool FechaBloco = true);
    void WriteBloco_C(bool FechaBloco = true);
    void WriteBloco_D();
    void WriteBloco_F();
    void WriteBloco_I();
    void WriteBloco_M();
    void WriteBloco_P();
    void WriteBloco_1();
    void WriteBloco_9();
    // The whole generation, then every register freed, whether it succeeds or not.
    void SaveFileTXT();
    void LimpaRegistros();

private:
    template <class F>
    void Protegido(F&& escrita);
    void EscreveBloco(TBlocoSPED& bloco, std::string_view letra, void (TGeradorEFD::*anterior)(),
                      const std::function<void()>& abertura, const std::function<void()>& fechamento,
                      bool fechaBloco = true);
    void AdicionaEntradas(const TBlocoSPED& bloco);
    template <class F>
    void ParaCadaBloco(F&& f);
    void AplicaPadroesAbertura();
    void ConcluiArquivo();
    void DescartaTemporario();
    std::string ArquivoTemporario() const;
    void InsereAntecipado();
    void DescartaAntecipado();
    void WriteBloco_DoA() { WriteBloco_A(true); }
    void WriteBloco_DoC() { WriteBloco_C(true); }

    TArquivoTXT FArquivoTXT;
    std::string FArquivo;
    std::string FArquivoFinal;        // the file of the generation under way
    std::string FArquivoAntecipadoC;  // block C's lines written ahead
    bool FInicializado = false;
    bool FBlocoCAntecipado = false;
    TErrorEvent FOnError;
    std::function<void()> FAoGravarLote;
    util::Data FDT_INI;
    util::Data FDT_FIN;
    std::string FPath;
    std::string FDelimitador;
    bool FReplaceDelimitador = true;
    bool FTrimString = true;
    std::string FCurMascara;
    std::unique_ptr<TBloco_0> FBloco_0;
    std::unique_ptr<TBloco_A> FBloco_A;
    std::unique_ptr<TBloco_C> FBloco_C;
    std::unique_ptr<TBloco_D> FBloco_D;
    std::unique_ptr<TBloco_F> FBloco_F;
    std::unique_ptr<TBloco_I> FBloco_I;
    std::unique_ptr<TBloco_M> FBloco_M;
    std::unique_ptr<TBloco_P> FBloco_P;
    std::unique_ptr<TBloco_1> FBloco_1;
    std::unique_ptr<TBloco_9> FBloco_9;
    std::unique_ptr<TEventsBloco_C> FEventsBloco_C;
};

}  // namespace efd
