#pragma once
// Leaves the configured database empty and connected: embedded/remote Firebird gets
// a new database file, PostgreSQL a new database (when missing) with an empty
// public schema.
#include "erpdata/ConfigBanco.h"

namespace erpdata {
class TTIDatabase;
}

namespace fixture {

void PreparaBancoVazio(erpdata::TTIDatabase& db, const erpdata::ConfigBanco& cfg);

}  // namespace fixture
