#!/usr/bin/env bash
# The Windows program stage of CI: cross-builds the whole program and its tests
# (scripts/build-windows), runs the suite under Wine on the real Windows platform plugin
# in a virtual display, makes the zip with CPack into dist/ and runs the zip's smoke test
# in a Wine prefix of its own. Every Wine run's output goes to files, never to a pipe.
#   .ci/windows-program.sh
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-windows/program
logs=$root/build-windows/program-logs
prefix=$build/wineprefix
stage_start=$(date +%s.%N)
mkdir -p "$logs"

say() { printf 'windows-program: %s\n' "$*"; }
seconds_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }'; }
finish() {
  say "stage took $(seconds_since "$stage_start") s"
  exit "$1"
}
fail() {
  say "FAILED: $1 (log: $2)"
  tail -n 80 "$2"
  finish 1
}

# --- packages ---------------------------------------------------------------------------
missing=()
for package in wine wine64 xvfb xauth fonts-liberation2 openbox x11-utils; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  say "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  { apt-get update -o DPkg::Lock::Timeout=600 &&
    apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"; } \
    >"$logs/apt.log" 2>&1 </dev/null || fail "package install" "$logs/apt.log"
fi

# --- build ------------------------------------------------------------------------------
step_start=$(date +%s.%N)
bash "$root/scripts/build-windows" >"$logs/build.log" 2>&1 </dev/null ||
  fail "Windows build" "$logs/build.log"
grep -i 'warning:' "$logs/build.log" && fail "warnings in the Windows build" "$logs/build.log"
say "built in $(seconds_since "$step_start") s"

# --- Wine prefix ------------------------------------------------------------------------
step_start=$(date +%s.%N)
bash "$root/scripts/wine-prefix" "$prefix" "$logs" || fail "Wine prefix" "$logs/wine-prefix.log"
say "Wine prefix ready in $(seconds_since "$step_start") s"

# --- tests ------------------------------------------------------------------------------
step_start=$(date +%s.%N)
# A wineserver kept alive for the whole run: otherwise each of the hundreds of test
# processes waits for a new one to start (3.5 s a test instead of 0.7 s).
export WINEPREFIX=$prefix
timeout -k 10 1800 xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  timeout 30 /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
  ctest --test-dir "$1" --output-on-failure --no-tests=error --timeout 300
  status=$?
  timeout 60 /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1
  exit $status' ctest-under-wine "$build" </dev/null >"$logs/ctest.log" 2>&1
status=$?
say "tests ran in $(seconds_since "$step_start") s"
if ((status != 0)); then
  say "FAILED: tests under Wine (exit $status, log: $logs/ctest.log)"
  cat "$logs/ctest.log"
  finish 1
fi
grep -E '^[0-9]+% tests passed|^Total Test time|Disabled' "$logs/ctest.log"

# --- package and its smoke test ---------------------------------------------------------
step_start=$(date +%s.%N)
mkdir -p "$root/dist"
(cd "$build" && cpack -G ZIP -B "$build/package") >"$logs/cpack.log" 2>&1 </dev/null ||
  fail "package" "$logs/cpack.log"
zip=$(ls "$build"/package/ol-haltdeck-*-windows-x86_64.zip)
cp "$zip" "$root/dist/"
say "packaged dist/$(basename "$zip") ($(stat -c %s "$zip") bytes)"
bash "$root/tests/windows/zip_smoke_test.sh" "$root/dist/$(basename "$zip")" \
  >"$logs/zip-smoke.log" 2>&1 </dev/null || fail "zip smoke test" "$logs/zip-smoke.log"
cat "$logs/zip-smoke.log"
say "package and smoke test in $(seconds_since "$step_start") s"
finish 0
