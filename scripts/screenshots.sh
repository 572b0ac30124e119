#!/usr/bin/env bash
# Makes the README's pictures (docs/*.png) anew from the program's real windows:
# builds ./build as the README commands do, runs build/tools/zentara-make-pictures
# (offscreen, fixed entries, DejaVu fonts; docs/pictures/make_pictures.cpp) and
# shrinks the PNG files with optipng, which changes no pixel. Run it after a
# change that shows in those windows; the test readme_pictures fails until then.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v optipng >/dev/null || { echo "screenshots.sh: optipng is missing; scripts/setup.sh installs it" >&2; exit 2; }

scripts/build.sh >/dev/null
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
build/tools/zentara-make-pictures "$made" >/dev/null
optipng -quiet -o5 -strip all "$made"/*.png
for picture in "$made"/*.png; do
  mv "$picture" docs/
  echo "docs/$(basename "$picture"): $(stat -c %s "docs/$(basename "$picture")") bytes"
done
