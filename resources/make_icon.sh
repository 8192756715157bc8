#!/bin/sh
# Regenerates ol-haltdeck.ico (16, 24, 32, 48, 64 and 256 px) from pictures/app_icon.svg.
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick (Debian: imagemagick).
# Set CONVERT to pick a particular ImageMagick convert program.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${CONVERT:-}" ]; then
  if command -v magick >/dev/null 2>&1; then
    CONVERT="magick"
  elif [ -x /usr/bin/convert ]; then
    CONVERT=/usr/bin/convert
  else
    CONVERT=convert
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

frames=""
for size in 16 24 32 48 64 256; do
  rsvg-convert --width "$size" --height "$size" "$here/pictures/app_icon.svg" \
    --output "$work/$size.png"
  frames="$frames $work/$size.png"
done

# -strip keeps dates out of the embedded PNG, so the same drawing gives the same file.
# shellcheck disable=SC2086  # $frames is a list of paths without blanks (mktemp)
$CONVERT $frames -strip "$here/ol-haltdeck.ico"
echo "wrote $here/ol-haltdeck.ico"
