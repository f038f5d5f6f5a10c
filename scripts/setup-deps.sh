#!/usr/bin/env bash
# Installs every Debian package the exporter needs to build, test and run.
# Idempotent: packages already present are left alone. Works as root; uses sudo otherwise.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git ca-certificates
  googletest libgtest-dev libgmock-dev
  qt6-base-dev libqt6sql6-ibase libqt6sql6-psql
  libfbclient2 firebird3.0-server-core firebird3.0-utils firebird-dev
  libpq-dev postgresql
  libinih-dev
  xvfb xauth time
)

if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup-deps: todos os pacotes já estão instalados."
  exit 0
fi

echo "setup-deps: instalando ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -q
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
