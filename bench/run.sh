#!/usr/bin/env bash
# Performance of the exporter, every figure measured in this run on this machine:
#   1. the writer alone: 1,000,000 C170 lines (200,000 C100 with five C170 each and
#      their block 0 entries) through the generation component;
#   2. the export end to end on PostgreSQL and on embedded Firebird with about
#      100,000 and 1,000,000 item rows: the command-line export's seconds and peak
#      memory against the "bare" fetch of the same documents statement;
#   3. the window path with and without its progress updates.
# Prints one table, then one machine-readable line. Takes a long while at full size
# (most of it building the data and in the databases); TAMANHOS="20000" narrows it.
#   bash bench/run.sh            TAMANHOS="100000 1000000" by default
set -euo pipefail
cd "$(dirname "$0")/.."
RAIZ=$(pwd)
BUILD_DIR=${BUILD_DIR:-build}
TAMANHOS=${TAMANHOS:-"100000 1000000"}
BANCOS=${BANCOS:-"pg fb"}

bash scripts/setup-deps.sh >/dev/null
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j2 >/dev/null
BIN="$BUILD_DIR/bin"
[ -x "$BIN/sped-contribuicoes-cli" ] || BIN="$BUILD_DIR/src/app/cli"
FIXTURE="$BUILD_DIR/db/erp-fixture"
[ -x "$FIXTURE" ] || FIXTURE="$BUILD_DIR/bin/erp-fixture"

TRAB=$(mktemp -d "${TMPDIR:-/tmp}/efd-bench.XXXXXX")
# shellcheck source=scripts/pg-cluster.sh
source scripts/pg-cluster.sh
trap 'pg_para; rm -rf "$TRAB"' EXIT

declare -A R
linha() { printf '%-52s %s\n' "$1" "$2"; }

# Peak memory (KiB) and seconds of a command, from GNU time.
mede() {
  local saida=$1; shift
  /usr/bin/time -f '%e %M' -o "$saida.tempo" "$@" >"$saida.out" 2>"$saida.err"
}

# The writer first, on a quiet disk: the build's and a new cluster's writes still
# going out would slow its file by a third.
echo "== escritor"
sync; sleep 5
"$BUILD_DIR/bench/bench_gerador" 200000 "$TRAB" 3 > "$TRAB/gerador.txt"
cat "$TRAB/gerador.txt"
R[writer_lps]=$(awk -F= '/^c170_por_s=/{print $2}' "$TRAB/gerador.txt")
R[writer]=$(awk -F= '/^(gravacao_s|linhas_arquivo|linhas_por_s|c170_por_s|mb_por_s|pico_rss_kb)=/{printf "%s=%s ", $1, $2}' "$TRAB/gerador.txt")$(grep -m1 '^arquivo_s=' "$TRAB/gerador.txt")

pg_inicia >/dev/null

MAIOR=$(printf '%s\n' $TAMANHOS | sort -n | tail -1)
for banco in $BANCOS; do
  for linhas in $TAMANHOS; do
    # --itens 10 gives about 4.8 selected item rows per document (the incoming
    # documents' items count too).
    documentos=$(( linhas * 5 / 24 ))
    ini="$TRAB/$banco-$linhas.ini"
    if [ "$banco" = pg ]; then
      printf '[Banco]\nBanco=POSTGRES\nServidor=%s:%s\nBase=bench_%s\nusuario=%s\nsenha=%s\n' \
        "$EFD_PG_HOST" "$EFD_PG_PORT" "$linhas" "$EFD_PG_USER" "$EFD_PG_PASSWORD" > "$ini"
    else
      printf '[Banco]\nBanco=FIREBIRD\nBase=%s/bench-%s.fdb\n' "$TRAB" "$linhas" > "$ini"
    fi
    echo "== $banco, $documentos documentos: gerando os dados"
    "$FIXTURE" --config "$ini" --criar --empresas 1 --documentos "$documentos" --itens 10 >/dev/null 2>&1
    # The first read of freshly loaded rows costs more (PostgreSQL sets the rows'
    # hint bits, both engines fill their caches): a fetch that is not measured goes
    # first, so that the export and the bare fetch both meet a warm database.
    "$BUILD_DIR/bench/bench_consulta_documentos" "$ini" 0001 01/2012 >/dev/null 2>&1
    mkdir -p "$TRAB/saida"
    mede "$TRAB/ex-$banco-$linhas" env SPED_DATA_HOJE=15/02/2012 "$BIN/sped-contribuicoes-cli" --config "$ini" \
      --empresa 0001 --inicio 01/01/2012 --fim 31/01/2012 --zerado --local "$TRAB/saida" --arquivo "$banco-$linhas.txt"
    read -r exS exKb < "$TRAB/ex-$banco-$linhas.tempo"
    # The bare fetch: the same translated statement, executed and fetched, nothing else.
    mede "$TRAB/nu-$banco-$linhas" "$BUILD_DIR/bench/bench_consulta_documentos" "$ini" 0001 01/2012
    read -r nuS nuKb < "$TRAB/nu-$banco-$linhas.tempo"
    nLinhas=$(awk '/^linhas /{gsub(",","",$2); print $2}' "$TRAB/nu-$banco-$linhas.out")
    razao=$(awk -v a="$exS" -v b="$nuS" 'BEGIN{printf "%.2f", (b > 0 ? a / b : 0)}')
    porLinha=$(awk -v a="$exKb" -v b="$nuKb" -v n="$nLinhas" 'BEGIN{printf "%.0f", (n > 0 ? (a - b) * 1024 / n : 0)}')
    R[$banco-$linhas]="linhas=$nLinhas nu_s=$nuS nu_kb=$nuKb export_s=$exS export_kb=$exKb razao=$razao bytes_por_linha=$porLinha"
    echo "  ${R[$banco-$linhas]}"
    [ "$linhas" = "$MAIOR" ] && R[${banco}_razao]=$razao
    # The machine line carries the largest size's figures, memory as the worse of
    # the two databases.
    if [ "$linhas" = "$MAIOR" ] && [ "$porLinha" -gt "${R[rss_linha]:--1}" ]; then R[rss_linha]=$porLinha; fi
    if [ "$banco" = pg ]; then
      pg_como_dono "$(pg_bin)/dropdb" -h "$EFD_PG_SOCKET_DIR" -p "$EFD_PG_PORT" -U postgres "bench_$linhas" 2>/dev/null || true
    else
      rm -f "$TRAB/bench-$linhas.fdb"
    fi
    rm -f "$TRAB/saida/$banco-$linhas.txt"
  done
done

if [ -x "$BUILD_DIR/bench/bench_janela_progresso" ]; then
  echo "== janela: com e sem as atualizações de progresso"
  ini="$TRAB/janela.ini"
  printf '[Banco]\nBanco=FIREBIRD\nBase=%s/janela.fdb\n' "$TRAB" > "$ini"
  "$FIXTURE" --config "$ini" --criar --empresas 1 --documentos 20000 --itens 10 >/dev/null 2>&1
  QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/bench_janela_progresso" "$ini" | tee "$TRAB/janela.txt"
fi

echo
echo "== resultado"
linha "escritor, 1.000.000 C170" "${R[writer]}"
for banco in $BANCOS; do
  for linhas in $TAMANHOS; do linha "$banco, ~$linhas linhas de item" "${R[$banco-$linhas]}"; done
done
[ -f "$TRAB/janela.txt" ] && grep -E '=' "$TRAB/janela.txt" | sed 's/^/janela: /'
echo "writer_lines_per_s=${R[writer_lps]} pg_ratio=${R[pg_razao]:-na} fb_ratio=${R[fb_razao]:-na} rss_bytes_per_row=${R[rss_linha]:-na}"
