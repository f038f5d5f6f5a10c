#pragma once
// What embedded Firebird needs beyond Qt: the process environment it reads, the
// creation of a database file, and cancelling a statement that runs past its limit.
#include <memory>
#include <string>

namespace erpdata {

// Points the embedded engine at a lock folder this user can write when the default
// one (/tmp/firebird) belongs to someone else, and at the user's temp folder. Runs
// once per process; settings already in the environment are kept.
void PreparaFirebirdEmbutido();

// Creates a Firebird database (embedded when `arquivo` has no "host:" in front), with
// page size 4096 and UTF8 as default character set. Raises EDatabaseError.
void CriaBancoFirebird(const std::string& arquivo, const std::string& usuario, const std::string& senha);

// Cancels the statement running on the connection now (from another thread: the
// one running it gets the cancellation as its statement's error).
void CancelaOperacaoFirebird(const void* handleConexao);

// While alive, cancels the connection's running statement once `ms` have passed.
// Firebird 3 has no statement time-out of its own (it came with Firebird 4); a
// watcher thread calling fb_cancel_operation is what it allows.
class CanceladorFirebird {
public:
    CanceladorFirebird(const void* handleConexao, int ms);
    ~CanceladorFirebird();
    bool Disparou() const;

private:
    struct Estado;
    std::shared_ptr<Estado> estado_;
};

}  // namespace erpdata
