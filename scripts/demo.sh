#!/usr/bin/env bash
# The exporter's main job on this machine, from nothing:
#   installs what is missing, builds, creates a demo ERP database in embedded
#   Firebird (January 2012), writes the TI.ini beside the programs, exports the
#   period with the command-line exporter and prints the file's path and how many
#   lines of each register it holds (its block 9).
#
#   bash scripts/demo.sh            the command-line export
#   bash scripts/demo.sh --janela   the window on the same database (needs a display)
#
# BUILD_DIR (default build) and DEMO_DOCUMENTOS (documents per company, default 200)
# change the defaults.
set -euo pipefail
cd "$(dirname "$0")/.."

JANELA=0
for a in "$@"; do
  case "$a" in
    --janela) JANELA=1 ;;
    -h|--help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "demo: opção desconhecida: $a" >&2; exit 2 ;;
  esac
done

if [ "$JANELA" = 1 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: --janela precisa de um ambiente gráfico (DISPLAY): uma sessão de desktop ou ssh -X" >&2
  exit 2
fi

bash scripts/setup-deps.sh

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j2 --target erp-fixture sped-contribuicoes-cli sped-contribuicoes

BIN=$(cd "$BUILD_DIR/bin" && pwd)
DEMO="$(cd "$BUILD_DIR" && pwd)/demo"
mkdir -p "$DEMO"

# The programs read TI.ini beside them: embedded Firebird (no server) on the demo file.
cat > "$BIN/TI.ini" <<INI
[Banco]
versao=3.0
Banco=FIREBIRD
Servidor=
Base=$DEMO/ERP_DEMO.FDB
usuario=
senha=
INI

echo "demo: criando o banco do ERP de demonstração em $DEMO/ERP_DEMO.FDB"
"$BUILD_DIR/db/erp-fixture" --config "$BIN/TI.ini" --criar --periodo 01/2012 \
  --documentos "${DEMO_DOCUMENTOS:-200}" --semente 1

# "Today" in February 2012: the window's default period is the demo's month.
export SPED_DATA_HOJE=10/02/2012

if [ "$JANELA" = 1 ]; then
  echo "demo: abrindo a janela (empresa 0001, período 01/01/2012 a 31/01/2012)"
  exec "$BIN/sped-contribuicoes"
fi

echo "demo: exportando janeiro de 2012 da empresa 0001"
AVISOS="$DEMO/avisos.txt"
SAIDA=$("$BIN/sped-contribuicoes-cli" --empresa 0001 --inicio 01/01/2012 --fim 31/01/2012 2>"$AVISOS") || {
  cat "$AVISOS" >&2
  exit 1
}
ARQUIVO=$(printf '%s\n' "$SAIDA" | tail -n 1)
[ -f "$ARQUIVO" ] || { echo "demo: arquivo não encontrado: $ARQUIVO" >&2; exit 1; }

echo
echo "$(printf '%s\n' "$SAIDA" | head -n 1)"
echo "Arquivo: $(realpath "$ARQUIVO")"
echo "Avisos de conferência dos dados: $(grep -c '^aviso: ' "$AVISOS" || true) (em $AVISOS)"
echo
echo "Registros do arquivo (bloco 9):"
# 9900 lines: |9900|REG_BLC|QTD_REG_BLC|; 9999: |9999|QTD_LIN|.
tr -d '\r' <"$ARQUIVO" | awk -F'|' '
  $2 == "9900" { printf "  %-6s %8d\n", $3, $4 }
  $2 == "9999" { total = $3 }
  END { printf "  %-6s %8d\n", "total", total }'
