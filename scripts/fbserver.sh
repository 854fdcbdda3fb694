# A Firebird 3 server of the tests' own (source this file): on 127.0.0.1 at a free port other
# than 3050, with its configuration, security database, lock and database folders in a
# temporary folder, so it never meets a system service or the embedded engine's files.
#   fbserver_start  starts it and exports CERTAVO_FB_SERVER (host/port), CERTAVO_FB_DIR (where
#                   it may open databases), CERTAVO_FB_UTILIZATOR and CERTAVO_FB_PAROLA
#   fbserver_stop   stops it and removes its folder

fbserver_start() {
  local lib port p
  lib="$(dpkg -L firebird3.0-server-core | grep -m1 '/firebird/3\.0$')"
  [ -x /usr/sbin/firebird ] && [ -n "$lib" ] || { echo "firebird3.0-server is not installed" >&2; return 1; }
  FB_ROOT="$(mktemp -d "${TMPDIR:-/tmp}/certavo-fb.XXXXXX")"
  for p in plugins intl UDF lib firebird.msg; do
    [ -e "$lib/$p" ] && ln -s "$lib/$p" "$FB_ROOT/$p"
  done
  cp -L "$lib/plugins.conf" "$FB_ROOT/plugins.conf"
  : > "$FB_ROOT/databases.conf"
  mkdir -p "$FB_ROOT/db" "$FB_ROOT/lock" "$FB_ROOT/tmp"
  port=""
  for p in $(seq 3057 3099); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then port=$p; break; fi
  done
  [ -n "$port" ] || { echo "no free port for the Firebird server" >&2; return 1; }
  cat > "$FB_ROOT/firebird.conf" <<CONF
RemoteServicePort = $port
RemoteBindAddress = 127.0.0.1
SecurityDatabase = $FB_ROOT/security3.fdb
AuthServer = Srp
UserManager = Srp
CONF
  FB_PAROLA="$(od -An -N8 -tx1 /dev/urandom | tr -d ' \n')"
  # The security database, made by the embedded engine under this configuration.
  (
    export FIREBIRD="$FB_ROOT" FIREBIRD_LOCK="$FB_ROOT/lock" FIREBIRD_TMP="$FB_ROOT/tmp"
    echo "create database '$FB_ROOT/security3.fdb';" | isql-fb -q -user SYSDBA
    isql-fb -q -user SYSDBA "$FB_ROOT/security3.fdb" -i /usr/share/firebird/3.0/security.sql
    echo "create user SYSDBA password '$FB_PAROLA' using plugin Srp; commit;" | isql-fb -q -user SYSDBA "$FB_ROOT/security3.fdb"
  ) > "$FB_ROOT/init.log" 2>&1 || { cat "$FB_ROOT/init.log" >&2; return 1; }
  echo "DatabaseAccess = Restrict $FB_ROOT/db" >> "$FB_ROOT/firebird.conf"
  FIREBIRD="$FB_ROOT" FIREBIRD_LOCK="$FB_ROOT/lock" FIREBIRD_TMP="$FB_ROOT/tmp" \
    /usr/sbin/firebird > "$FB_ROOT/server.log" 2>&1 &
  FB_PID=$!
  for p in $(seq 1 50); do
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      export CERTAVO_FB_SERVER="127.0.0.1/$port" CERTAVO_FB_DIR="$FB_ROOT/db" \
        CERTAVO_FB_UTILIZATOR=SYSDBA CERTAVO_FB_PAROLA="$FB_PAROLA"
      echo "Firebird server for the tests: $CERTAVO_FB_SERVER (pid $FB_PID)"
      return 0
    fi
    kill -0 "$FB_PID" 2>/dev/null || break
    sleep 0.2
  done
  echo "the Firebird server did not start:" >&2
  cat "$FB_ROOT/server.log" >&2
  return 1
}

fbserver_stop() {
  local i
  if [ -n "${FB_PID:-}" ] && kill -0 "$FB_PID" 2>/dev/null; then
    kill "$FB_PID"
    for i in $(seq 1 100); do
      kill -0 "$FB_PID" 2>/dev/null || break
      sleep 0.2
    done
    kill -9 "$FB_PID" 2>/dev/null || true
    { wait "$FB_PID"; } 2>/dev/null || true
  fi
  FB_PID=""
  [ -n "${FB_ROOT:-}" ] && rm -rf "$FB_ROOT"
  FB_ROOT=""
}
