#!/usr/bin/env bash
# The Windows figures, measured under Wine on a virtual display: the zip's size, and the
# bar's start to first frame against a bare Qt window of the bar's size built the same way
# (bench/startup's two programs), as medians of alternate runs and their ratio.
#   bench/windows/bench_windows.sh [build-folder]     (default: build-windows/program)
# The time is taken from outside, from the start of Wine until the program has ended
# itself after its first frame: the clocks of a Windows program under Wine are not the
# Linux clock the in-program report would compare with.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:-$root/build-windows/program}")
runs=${HALTDECK_BENCH_RUNS:-9}
work=$(mktemp -d "${TMPDIR:-/tmp}/haltdeck-bench-windows.XXXXXX")
trap 'rm -rf "$work"' EXIT

if [[ ! -x $build/bin/startup_bar.exe ]]; then
  echo "windows_bench: skipped (no Windows build in $build; run scripts/build-windows)"
  exit 0
fi

zip=$(ls "$build"/package/ol-haltdeck-*-windows-x86_64.zip 2>/dev/null | head -n1)
if [[ -z $zip ]]; then
  (cd "$build" && cpack -G ZIP -B "$build/package") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
  }
  zip=$(ls "$build"/package/ol-haltdeck-*-windows-x86_64.zip | head -n1)
fi
echo "windows_zip_size: $(awk -v b="$(stat -c %s "$zip")" 'BEGIN { printf "%.2f", b / 1048576 }') MiB"

prefix=$build/wineprefix-bench
bash "$root/scripts/wine-prefix" "$prefix" "$work" || exit 1

cat >"$work/measure.sh" <<'MEASURE'
set -u
build=$1 runs=$2 work=$3
export WINEPREFIX=$build/wineprefix-bench
# One wineserver for all runs, as on Windows, where the system is already up.
timeout 30 /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
once() {
  local start end
  start=$(date +%s%N)
  "$build/wine-run.sh" "$build/bin/$1.exe" >"$work/$1.out" 2>&1 || return 1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
once startup_bar >/dev/null && once startup_bare_window >/dev/null  # warm the file cache
for _ in $(seq "$runs"); do
  once startup_bar >>"$work/bar.us" || exit 1
  once startup_bare_window >>"$work/bare.us" || exit 1
done
timeout 30 /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1
MEASURE
timeout -k 10 600 xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/measure.sh" "$build" "$runs" \
  "$work" </dev/null >"$work/measure.log" 2>&1 || {
  echo "windows_bench: start-up runs failed"
  cat "$work/measure.log" "$work"/*.out 2>/dev/null
  exit 1
}
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] / 1000 }'; }
bar=$(median "$work/bar.us")
bare=$(median "$work/bare.us")
echo "windows_startup_bar_first_frame: $bar ms"
echo "windows_startup_bare_window_first_frame: $bare ms"
echo "windows_startup_first_frame_ratio: $(awk -v a="$bar" -v b="$bare" 'BEGIN { printf "%.2f", a / b }') x"
