#!/usr/bin/env bash
# The reliability stage of CI, run after the ordinary tests:
#  1. the whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#     (LeakSanitizer on) and run headless: any sanitizer report, in a test or in a program
#     a test starts, fails the stage;
#  2. the libFuzzer targets in fuzz/, built with clang, each run for a bounded time from
#     its seed corpus in fuzz/corpus/<target>/ after replaying fuzz/regressions/<target>/.
# Installs what it needs when missing; prints CTest's closing line, the figures of the
# reliability tests, the fuzz executions and how long each step took.
#   .ci/reliability.sh      (FUZZ_SECONDS=60 per target; build folders build-asan, build-fuzz)
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
asan=$root/build-asan
fuzz=$root/build-fuzz
fuzz_seconds=${FUZZ_SECONDS:-60}
targets=(countdown_text command_line_split stored_values)
stage_start=$(date +%s.%N)

say() { printf 'reliability: %s\n' "$*"; }
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

mkdir -p "$asan/logs" "$fuzz/logs"

# --- packages ---------------------------------------------------------------------------
step_start=$(date +%s.%N)
bash "$root/scripts/setup-debian" >"$asan/logs/setup.log" 2>&1 </dev/null ||
  fail "base packages" "$asan/logs/setup.log"
missing=()
for package in clang-14 libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  say "installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  { $sudo apt-get update -o DPkg::Lock::Timeout=600 &&
    $sudo apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"; } \
    >"$asan/logs/apt.log" 2>&1 </dev/null || fail "package install" "$asan/logs/apt.log"
fi
say "packages ready in $(seconds_since "$step_start") s"

launcher=()
# Paths relative to the repository, so a fresh clone elsewhere reuses the compiler cache.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) &&
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=true

# --- sanitizer build --------------------------------------------------------------------
# Every sanitized process (tests, the programs they start, and the test discovery that
# runs during the build) writes its reports into one folder; it must stay empty.
reports=$asan/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$root/.ci/lsan-qt-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

step_start=$(date +%s.%N)
{
  cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DHALTDECK_BUILD_BENCH=OFF "${launcher[@]}" &&
    cmake --build "$asan" -j2
} >"$asan/logs/build.log" 2>&1 </dev/null || fail "sanitizer build" "$asan/logs/build.log"
say "sanitizer build in $(seconds_since "$step_start") s"

step_start=$(date +%s.%N)
QT_QPA_PLATFORM=offscreen ctest --test-dir "$asan" --output-on-failure -j2 --timeout 600 \
  --no-tests=error </dev/null >"$asan/logs/ctest.log" 2>&1
status=$?
say "sanitized tests ran in $(seconds_since "$step_start") s"
report_count=$(find "$reports" -type f | wc -l)
if ((report_count > 0)); then
  say "FAILED: $report_count sanitizer report(s)"
  for report in "$reports"/*; do
    echo "--- $report"
    head -n 60 "$report"
  done
  finish 1
fi
((status == 0)) || fail "sanitized tests (exit $status)" "$asan/logs/ctest.log"
say "sanitizer reports: 0"
grep -h -E '^(hostile |crash during save|two instances|fuzz replay)' \
  "$asan/Testing/Temporary/LastTest.log" | sort | sed 's/^/reliability: figure: /'
grep -E '^[0-9]+% tests passed|^Total Test time' "$asan/logs/ctest.log"
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

# --- fuzzing ----------------------------------------------------------------------------
step_start=$(date +%s.%N)
clang=$(command -v clang++-14 || command -v clang++)
{
  cmake -S "$root/fuzz" -B "$fuzz" -G Ninja -DCMAKE_CXX_COMPILER="$clang" "${launcher[@]}" &&
    cmake --build "$fuzz" -j2
} >"$fuzz/logs/build.log" 2>&1 </dev/null || fail "fuzz build" "$fuzz/logs/build.log"
say "fuzz targets built in $(seconds_since "$step_start") s"

total_runs=0
for target in "${targets[@]}"; do
  step_start=$(date +%s.%N)
  work=$fuzz/work/$target
  artifacts=$fuzz/artifacts/$target
  log=$fuzz/logs/$target.log
  mkdir -p "$work" "$artifacts"
  # The kept inputs first: each once.
  if [[ -d $root/fuzz/regressions/$target ]]; then
    timeout -k 10 300 "$fuzz/fuzz_$target" -runs=0 "$root/fuzz/regressions/$target" \
      </dev/null >"$fuzz/logs/$target-regressions.log" 2>&1 ||
      fail "$target regression inputs" "$fuzz/logs/$target-regressions.log"
  fi
  timeout -k 10 $((fuzz_seconds + 120)) "$fuzz/fuzz_$target" -max_total_time="$fuzz_seconds" \
    -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "$work" "$root/fuzz/corpus/$target" </dev/null >"$log" 2>&1
  status=$?
  if ((status != 0)); then
    say "FAILED: fuzz_$target found an input that breaks it (exit $status); keep it under" \
      "fuzz/regressions/$target/ once fixed:"
    ls -l "$artifacts"
    fail "fuzz_$target" "$log"
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)
  total_runs=$((total_runs + ${runs:-0}))
  say "figure: fuzz_$target: ${runs:-0} executions in $(seconds_since "$step_start") s," \
    "corpus $(find "$work" -type f | wc -l) inputs, no failure"
done
say "figure: fuzz executions in all: $total_runs"
finish 0
