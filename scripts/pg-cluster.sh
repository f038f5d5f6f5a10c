# Throw-away PostgreSQL cluster for tests and benchmarks: a private data folder,
# its own port and socket folder, password authentication over TCP.
# Source it, then:  pg_inicia   (exports EFD_PG_HOST, EFD_PG_PORT, EFD_PG_USER, EFD_PG_PASSWORD)
#                   pg_para
# (pg_derruba and pg_religa stop the server abruptly and start it again.)
# As root the server runs as the "postgres" user, which cannot enter /root, so the
# cluster lives under /tmp rather than in the build tree.

pg_bin() {
  local d
  d=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
  [ -n "$d" ] || { echo "PostgreSQL não encontrado em /usr/lib/postgresql" >&2; return 1; }
  echo "$d"
}

pg_como_dono() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

# The first port from $1 (54329 by default) on which nothing answers.
pg_porta_livre() {
  local p
  for p in $(seq "${1:-54329}" 54399); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then echo "$p"; return 0; fi
  done
  return 1
}

pg_inicia() {
  local bin; bin=$(pg_bin) || return 1
  PG_DIR=$(mktemp -d "${TMPDIR:-/tmp}/efd-pg.XXXXXX")
  mkdir -p "$PG_DIR/dados" "$PG_DIR/sock"
  export EFD_PG_HOST=127.0.0.1
  export EFD_PG_USER=postgres
  export EFD_PG_PASSWORD=efd_teste
  echo "$EFD_PG_PASSWORD" > "$PG_DIR/senha"
  if [ "$(id -u)" -eq 0 ]; then chown -R postgres:postgres "$PG_DIR"; chmod 700 "$PG_DIR"; fi
  pg_como_dono "$bin/initdb" -D "$PG_DIR/dados" -U postgres --pwfile="$PG_DIR/senha" \
      --auth-local=trust --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$PG_DIR/initdb.log" 2>&1 \
    || { cat "$PG_DIR/initdb.log" >&2; return 1; }
  # Another server may take the port found free before this one binds it (tests
  # start private servers side by side): then the next free port is tried.
  local desde=54329 tentativa
  for tentativa in 1 2 3 4 5 6 7 8; do
    EFD_PG_PORT=$(pg_porta_livre "$desde") || { echo "nenhuma porta livre para o PostgreSQL" >&2; return 1; }
    export EFD_PG_PORT
    if pg_sobe 2>/dev/null; then break; fi
    if [ "$tentativa" = 8 ] || ! grep -q "could not bind\|could not create any TCP/IP sockets" "$PG_DIR/servidor.log"; then
      cat "$PG_DIR/servidor.log" >&2
      return 1
    fi
    desde=$((EFD_PG_PORT + 1 + RANDOM % 4))
    : > "$PG_DIR/servidor.log"
  done
  export EFD_PG_SOCKET_DIR="$PG_DIR/sock"
  export EFD_PG_DATA_DIR="$PG_DIR/dados"
  echo "PostgreSQL de teste em 127.0.0.1:$EFD_PG_PORT ($PG_DIR)"
}

# Starts the server of $PG_DIR on $EFD_PG_PORT.
pg_sobe() {
  local bin; bin=$(pg_bin) || return 1
  pg_como_dono "$bin/pg_ctl" -D "$PG_DIR/dados" -l "$PG_DIR/servidor.log" -w -t 60 \
      -o "-p $EFD_PG_PORT -k $PG_DIR/sock -c listen_addresses=127.0.0.1 -c fsync=off -c full_page_writes=off -c synchronous_commit=off" \
      start >/dev/null || { cat "$PG_DIR/servidor.log" >&2; return 1; }
}

# For the fault tests: the server of $PG_DIR stops at once, as in a crash or a
# power cut (every connection drops, nothing is flushed), and comes back on the
# same port with pg_religa.
pg_derruba() {
  local bin; bin=$(pg_bin) || return 1
  pg_como_dono "$bin/pg_ctl" -D "$PG_DIR/dados" -m immediate -w stop >/dev/null
}
pg_religa() { pg_sobe; }

pg_para() {
  [ -n "${PG_DIR:-}" ] || return 0
  local bin; bin=$(pg_bin) || return 0
  if [ -d "$PG_DIR/dados" ]; then
    pg_como_dono "$bin/pg_ctl" -D "$PG_DIR/dados" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$PG_DIR"
  PG_DIR=
}
