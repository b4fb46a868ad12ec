# shellcheck shell=bash disable=SC2034
# Sourced by the scripts that run the Windows programs under Wine.

# Runs Wine headless in the prefix $1 on a Japanese system locale (ANSI code page 932):
# exports the environment, sets $wine and $wineserver, and ends every Wine process of the
# prefix when the script exits.
wine_env() {
  locale -a | grep -qi '^ja_JP.utf8$' || localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
  wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
  trap 'timeout 30 "$wineserver" -k 2>/dev/null || true' EXIT
}

# The Windows name of a host path, through Wine's Z: drive.
winpath() { echo "Z:${1//\//\\}"; }

# Prints its arguments as lines ending in CR LF, as the Windows programs read and write them.
crlf() { printf '%s\r\n' "$@"; }

# A check that fails is reported and the run goes on; the script exits with $status.
status=0
fail() {
  echo "FAILED: $*"
  status=1
}

# Starts the test server $1 in the background with the arguments after $2, its output in
# the file $2, and waits until it serves; its pid is in $served.
start_server() {
  local server=$1 log=$2
  shift 2
  timeout 120 "$wine" "$server" "$@" >"$log" 2>&1 &
  served=$!
  for _ in $(seq 300); do
    grep -qs '^vensa-testserver: serving' "$log" && return 0
    kill -0 "$served" 2>/dev/null || break
    sleep 0.1
  done
  cat "$log"
  fail "the server did not start: $*"
  return 1
}

# The test server registered as an installed CAD registers itself, so that it stays
# registered when it is not running: the version-independent ProgID VensaTest.Application
# names its current version VensaTest.Application.1 (CurVer), both name one class, and that
# class is served by a program of its own, the server $1 (LocalServer32). The server then
# serves this class under either ProgID and leaves the keys in place.
test_cad_class='{5E0A7A3C-6C1B-4F0E-9D7A-2B4C8E1F3A55}'
register_test_cad() {
  local id=$test_cad_class entry
  local entries=(
    "HKCR\\VensaTest.Application|Vensa テスト CAD"
    "HKCR\\VensaTest.Application\\CLSID|$id"
    "HKCR\\VensaTest.Application\\CurVer|VensaTest.Application.1"
    "HKCR\\VensaTest.Application.1|Vensa テスト CAD 1"
    "HKCR\\VensaTest.Application.1\\CLSID|$id"
    "HKCR\\CLSID\\$id|Vensa Test CAD"
    "HKCR\\CLSID\\$id\\LocalServer32|$(winpath "$1")"
  )
  for entry in "${entries[@]}"; do
    timeout 60 "$wine" reg add "${entry%%|*}" /ve /d "${entry#*|}" /f >/dev/null ||
      fail "reg add ${entry%%|*}"
  done
}
