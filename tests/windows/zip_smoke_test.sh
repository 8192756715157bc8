#!/usr/bin/env bash
# Smoke test of the Windows zip: unpacked into a fresh Wine prefix with nothing else
# installed, on a virtual display with a window manager, ol-haltdeck.exe starts; its bar
# is found by its title, is kept off the taskbar and is closed the way its close box
# closes it; then MAIN_Left is in the registry.
#   tests/windows/zip_smoke_test.sh ol-haltdeck-<version>-windows-x86_64.zip
set -uo pipefail
zip=$(realpath "${1:?usage: zip_smoke_test.sh ZIP}")
work=$(mktemp -d "${TMPDIR:-/tmp}/haltdeck-zip-smoke.XXXXXX")
trap 'rm -rf "$work"' EXIT

cat >"$work/inside-display.sh" <<'INSIDE'
#!/usr/bin/env bash
# Runs on the virtual display; every Wine run bounded and sent to files.
set -uo pipefail
work=$1
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
key='HKCU\Software\VB and VBA Program Settings\OL_HALTDECK\ol-haltdeck'
log=$work/log
say() { echo "zip-smoke: $*" | tee -a "$log"; }

openbox >"$work/openbox.log" 2>&1 &
openbox_pid=$!
timeout -k 5 300 "$wine" wineboot --init </dev/null >"$work/wineboot.log" 2>&1 || exit 1
program=$(ls "$work"/unpacked/*/ol-haltdeck.exe)
timeout -k 5 120 "$wine" "$program" </dev/null >"$work/program.log" 2>&1 &
program_pid=$!
found=""
status=0
for _ in $(seq 600); do
  wmctrl -l >"$work/windows.txt" 2>/dev/null
  grep -q ' OL-HALTDECK$' "$work/windows.txt" && found=yes && break
  sleep 0.1
done
if [[ $found ]]; then
  say "bar found by its title"
  # A tool window: the window manager is told to keep it off the taskbar.
  bar_id=$(grep ' OL-HALTDECK$' "$work/windows.txt" | cut -d' ' -f1)
  xprop -id "$bar_id" _NET_WM_STATE >"$work/state.txt" 2>&1
  if grep -q _NET_WM_STATE_SKIP_TASKBAR "$work/state.txt"; then
    say "bar has no taskbar button"
  else
    say "FAILED: bar would have a taskbar button ($(cat "$work/state.txt"))"
    status=1
  fi
  wmctrl -c OL-HALTDECK
  if timeout 30 tail --pid="$program_pid" -f /dev/null; then
    say "program ended after its bar closed"
  else
    say "FAILED: program still running 30 s after its bar closed"
    status=1
  fi
else
  say "FAILED: no window titled OL-HALTDECK within 60 s"
  status=1
fi
timeout -k 5 60 "$wine" reg query "$key" /v MAIN_Left </dev/null >"$work/reg.log" 2>&1
if grep -qE '^ +MAIN_Left +REG_SZ +-?[0-9]+$' <(tr -d '\r' <"$work/reg.log"); then
  say "MAIN_Left written: $(tr -d '\r' <"$work/reg.log" | grep MAIN_Left | awk '{print $3}')"
else
  say "FAILED: no MAIN_Left in the registry"
  status=1
fi
kill "$program_pid" 2>/dev/null
timeout 30 "$wineserver" -k </dev/null >/dev/null 2>&1
kill "$openbox_pid" 2>/dev/null
exit "$status"
INSIDE

mkdir -p "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked" || exit 1
timeout -k 10 300 xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/inside-display.sh" "$work" \
  </dev/null >"$work/display.log" 2>&1
status=$?
cat "$work/log" 2>/dev/null
((status == 0)) || { cat "$work/display.log" "$work/program.log" 2>/dev/null; }
exit "$status"
