#!/usr/bin/env bash
# Reads the desktop's texts from the sources into the translation files
# (shell/translations/*.ts), keeping the translations already made; texts that
# are gone are dropped. Run after adding or changing a text the windows show,
# then translate what lupdate marks unfinished (Qt Linguist, or by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
folders=(shell numerology astro people reports web common platform)
"$lupdate" -no-obsolete -locations none -extensions cpp,h "${folders[@]}" \
  -ts shell/translations/zentara_de.ts shell/translations/zentara_fr.ts shell/translations/zentara_es.ts
# English needs only the forms of its plurals ("1 person", "2 people").
"$lupdate" -no-obsolete -locations none -pluralonly -extensions cpp,h "${folders[@]}" \
  -ts shell/translations/zentara_en.ts
