#!/usr/bin/env bash
# The packaging stage of CI:
#  1. builds the Debian package (scripts/build-deb) and runs lintian on it: no error allowed;
#  2. installs the build into a temporary DESTDIR and validates the desktop entry and the
#     AppStream metainfo there, and the rendered icon sizes;
#  3. installs the package with apt-get, starts the program from the desktop entry's Exec
#     line under Xvfb with openbox, waits for its bar, saves a screenshot of it and closes it
#     as the close box does (nothing is ever clicked);
#  4. purges the package: none of the paths it installed may remain (directories that other
#     packages own excepted), while the user's settings stay.
# Installs what it needs when missing; prints one line per check. Logs and the screenshot
# go to build-packaging/logs/.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$root/build-packaging
logs=$work/logs
app_id=org.example.OLHaltdeck
stage_start=$(date +%s)

say() { printf 'packaging: %s\n' "$*"; }
installed() { dpkg-query -W -f='${Status}' ol-haltdeck 2>/dev/null | grep -q 'install ok installed'; }
apt() {
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -y -o DPkg::Lock::Timeout=600 "$@"
}
finish() {
  # A failed run leaves nothing installed behind it.
  [ "$1" -ne 0 ] && installed && apt purge ol-haltdeck >>"$logs/apt.log" 2>&1 </dev/null
  say "stage took $(($(date +%s) - stage_start)) s"
  exit "$1"
}
fail() {
  say "FAILED: $1 (log: $2)"
  tail -n 60 "$2"
  finish 1
}

rm -rf "$work"
mkdir -p "$logs"

# --- packages and the package ------------------------------------------------------------
bash "$root/scripts/apt-ensure" lintian desktop-file-utils appstream file \
  xvfb xauth x11-utils imagemagick openbox wmctrl xdotool >"$logs/setup.log" 2>&1 </dev/null ||
  fail "tools" "$logs/setup.log"

deb=$(HALTDECK_DEB_BUILD=$work/build bash "$root/scripts/build-deb" 2>"$logs/build.log" </dev/null) ||
  fail "building the package" "$logs/build.log"
deb=$root/$deb
say "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

lintian --fail-on error "$deb" >"$logs/lintian.log" 2>&1 </dev/null ||
  fail "lintian reports errors" "$logs/lintian.log"
grep -E '^[EWIP]: ' "$logs/lintian.log" | sed 's/^/packaging:   /'
say "lintian: no error ($(grep -c '^W: ' "$logs/lintian.log") warnings)"

# --- the installed files -----------------------------------------------------------------
dest=$work/destdir
DESTDIR=$dest cmake --install "$work/build" >"$logs/install.log" 2>&1 </dev/null ||
  fail "cmake --install" "$logs/install.log"
desktop=$dest/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" >"$logs/desktop-file-validate.log" 2>&1 ||
  fail "desktop-file-validate" "$logs/desktop-file-validate.log"
say "desktop-file-validate: passed"
appstreamcli validate --no-net "$dest/usr/share/metainfo/$app_id.metainfo.xml" \
  >"$logs/appstreamcli.log" 2>&1 || fail "appstreamcli validate" "$logs/appstreamcli.log"
say "appstreamcli validate: passed"

: >"$logs/icons.log"
for size in 16 22 24 32 48 64 128 256; do
  png=$dest/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
  file "$png" >>"$logs/icons.log" 2>&1
  grep -q "$png: PNG image data, $size x $size," "$logs/icons.log" || fail "icon ${size}x$size" "$logs/icons.log"
done
[ -s "$dest/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "scalable icon" "$logs/icons.log"
say "icons: 8 PNG sizes and the SVG"

# The program finds the Linux layer relative to its own folder.
if grep -q '^build ol-haltdeck-shutdown:' "$work/build/build.ninja"; then
  [ -x "$dest/usr/bin/../libexec/ol-haltdeck/shutdown" ] ||
    fail "linux layer not at bin/../libexec/ol-haltdeck/shutdown" "$logs/install.log"
  say "linux layer: installed beside the program"
else
  say "linux layer: not in this tree, not checked"
fi

# --- install, start, purge ---------------------------------------------------------------
if installed; then apt purge ol-haltdeck >"$logs/apt.log" 2>&1 </dev/null; fi
apt install --no-install-recommends "$deb" >>"$logs/apt.log" 2>&1 </dev/null ||
  fail "apt-get install" "$logs/apt.log"
dpkg -L ol-haltdeck >"$logs/dpkg-L.txt"
say "apt-get install: $(wc -l <"$logs/dpkg-L.txt") paths"

home=$work/home
mkdir -p "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop")
shot=$logs/installed-bar.png
# A clean environment: the menu's command line and PATH, a private home and settings.
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    openbox & wm=$!
    sleep 1
    $1 & app=$!
    window=""
    for _ in $(seq 100); do
      window=$(wmctrl -lp | awk -v pid="$app" "\$3 == pid && \$5 == \"OL-HALTDECK\" { print \$1 }")
      [ -n "$window" ] && break
      sleep 0.1
    done
    [ -n "$window" ] || { echo "no bar window of pid $app"; kill "$app"; exit 1; }
    echo "started: $(readlink /proc/$app/exe), window $window"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 60))+$((X - 20))+$((Y - 40))" +repage "$2"
    wmctrl -F -c OL-HALTDECK
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$app" 2>/dev/null; then echo "still running after close"; kill "$app"; exit 1; fi
    wait "$app"; echo "exit status $?"
    kill "$wm"
  ' start "$exec_line" "$shot" >"$logs/start.log" 2>&1 </dev/null || fail "starting the bar" "$logs/start.log"
if ! grep -q '^started: /usr/bin/ol-haltdeck,' "$logs/start.log" ||
  ! grep -q '^exit status 0$' "$logs/start.log"; then
  fail "the installed program, closed, exits 0" "$logs/start.log"
fi
settings=$home/config/OL_HALTDECK/ol-haltdeck.ini
grep -q '^MAIN_Left=' "$settings" 2>/dev/null || fail "the bar saved its place in $settings" "$logs/start.log"
say "started '$exec_line' from the desktop entry: bar shown, closed, settings saved; screenshot: ${shot#"$root"/}"

apt purge ol-haltdeck >>"$logs/apt.log" 2>&1 </dev/null || fail "apt-get purge" "$logs/apt.log"
: >"$logs/leftovers.txt"
while IFS= read -r path; do
  [ "$path" = "/." ] && continue
  [ -e "$path" ] || [ -L "$path" ] || continue
  [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1 && continue
  echo "$path" >>"$logs/leftovers.txt"
done <"$logs/dpkg-L.txt"
[ -s "$logs/leftovers.txt" ] && fail "left on disk after purge" "$logs/leftovers.txt"
[ -f "$settings" ] || fail "the user's settings are gone after purge" "$logs/apt.log"
say "apt-get purge: nothing of the package left; the user's settings stay"

finish 0
