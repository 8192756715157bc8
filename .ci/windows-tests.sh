#!/usr/bin/env bash
# The Windows stage of CI: builds the Windows-only code with mingw-w64 and runs its tests
# under Wine on a virtual display. Installs what it needs, keeps its Wine prefix under the
# build folder, and sends every Wine run's output to files, never to a pipe.
#   .ci/windows-tests.sh [build-folder]      (default: build-windows in the repository)
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(mkdir -p "${1:-$root/build-windows}" && cd "${1:-$root/build-windows}" && pwd)
logs=$build/logs
prefix=$build/wineprefix
stage_start=$(date +%s.%N)
mkdir -p "$logs"

say() { printf 'windows-tests: %s\n' "$*"; }
seconds_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }'; }
finish() {
  say "stage took $(seconds_since "$stage_start") s"
  exit "$1"
}
fail() {
  say "FAILED: $1 (log: $2)"
  tail -n 60 "$2"
  finish 1
}

# --- packages ---------------------------------------------------------------------------
step_start=$(date +%s.%N)
missing=()
for package in g++-mingw-w64-x86-64 wine wine64 xvfb xauth; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  say "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  { apt-get update -o DPkg::Lock::Timeout=600 && apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"; } \
    >"$logs/apt.log" 2>&1 </dev/null || fail "package install" "$logs/apt.log"
fi
say "packages ready in $(seconds_since "$step_start") s"

# Debian's wine64 loader sits outside PATH; /usr/bin/wine wraps it with a note about wine32.
wine=/usr/lib/wine/wine64
[[ -x $wine ]] || wine=$(command -v wine64 || command -v wine)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'

# Every Wine run: bounded in time, input from nowhere, output to a file.
wine_run() {
  local log=$1 limit=$2
  shift 2
  timeout -k 5 "$limit" "$@" </dev/null >"$log" 2>&1
}

# --- build ------------------------------------------------------------------------------
step_start=$(date +%s.%N)
launcher=()
# With paths taken relative to the repository and the build folder left out of the hash
# (debug info names it), a fresh clone in another folder reuses the cache of the last.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) &&
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=true
{
  cmake -S "$root/tests/windows" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" "${launcher[@]}" &&
    cmake --build "$build" -j2
} >"$logs/build.log" 2>&1 </dev/null || fail "build" "$logs/build.log"
say "built in $(seconds_since "$step_start") s"

# --- Wine prefix ------------------------------------------------------------------------
step_start=$(date +%s.%N)
if [[ ! -f $prefix/.haltdeck-ready ]]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  wine_run "$logs/wineboot.log" 300 "$wine" wineboot --init ||
    fail "Wine prefix boot" "$logs/wineboot.log"
  # Without a window manager Wine waits for one on every window destroy unless its windows
  # are unmanaged.
  wine_run "$logs/wine-reg.log" 120 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Managed /d N /f || fail "Wine registry setting" "$logs/wine-reg.log"
  # Let the prefix's wineserver end, so that the tests start one on their display.
  wine_run "$logs/wineserver.log" 60 "$wineserver" -w || fail "wineserver end" "$logs/wineserver.log"
  touch "$prefix/.haltdeck-ready"
fi
say "Wine prefix ready in $(seconds_since "$step_start") s"

# --- tests ------------------------------------------------------------------------------
step_start=$(date +%s.%N)
timeout -k 10 900 xvfb-run -a -s "-screen 0 1280x800x24" \
  ctest --test-dir "$build" --output-on-failure --no-tests=error \
  </dev/null >"$logs/ctest.log" 2>&1
status=$?
wine_run "$logs/wineserver-end.log" 60 "$wineserver" -k
say "tests ran in $(seconds_since "$step_start") s"
if ((status != 0)); then
  say "FAILED: tests under Wine (exit $status, log: $logs/ctest.log)"
  cat "$logs/ctest.log"
  finish 1
fi
grep -E '^[0-9]+% tests passed|^Total Test time' "$logs/ctest.log"
finish 0
