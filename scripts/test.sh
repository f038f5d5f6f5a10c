#!/usr/bin/env bash
# Installs what is missing, builds, starts a private PostgreSQL cluster, runs every
# test (labels unit, pg, fb, gui, e2e, faults) and stops the cluster.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-deps.sh

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD_DIR" -j2

# shellcheck source=scripts/pg-cluster.sh
source scripts/pg-cluster.sh
trap pg_para EXIT
pg_inicia

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 --timeout 1500
