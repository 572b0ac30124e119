#!/usr/bin/env bash
# cmake --install into a fresh prefix: the desktop entry and the metainfo pass
# their validators and name the installed icon and entry, every icon size is
# the size its folder says, the manual page formats cleanly and covers every
# subcommand and option of zentara-cli, bash-completion finds zentara-cli's
# completion, and the installed programs find their
# data and the couple report's helper beside themselves, also once the tree is moved, or say it is missing.
set -uo pipefail
build=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset ZENTARA_ATLAS_FILE

cmake --install "$build" --prefix "$work/usr" >/dev/null || { echo "cmake --install failed"; exit 1; }
share=$work/usr/share

entries=("$share"/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || { echo "expected one desktop entry, got: ${entries[*]}"; exit 1; }
entry=${entries[0]}
id=$(basename "$entry" .desktop)
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" ||
  { cat "$work/appstream.txt"; fail "appstreamcli validate $id.metainfo.xml"; }
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), expected $id"
[ -x "$work/usr/bin/$(key Exec)" ] || fail "Exec=$(key Exec) is not an installed program"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo does not launch $id.desktop"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon $id.svg"
for side in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${side}x${side}/apps/$id.png
  described=$(file -b "$png" 2>&1)
  [[ $described == "PNG image data, $side x $side,"* ]] || fail "$png: $described"
done

page=$share/man/man1/zentara-cli.1.gz
warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about $page: $warnings"
text=$(zcat "$page" | sed 's/\\-/-/g')
cli=$work/usr/bin/zentara-cli
subcommands=$("$cli" --help | awk '/^Subcommands:/ { listed = 1; next } listed && !NF { exit } listed { print $1 }')
[ -n "$subcommands" ] || fail "no subcommands in zentara-cli --help"
for subcommand in $subcommands; do
  grep -q "^\.SS $subcommand\b" <<<"$text" || fail "the manual page has no section for $subcommand"
  for option in $("$cli" "$subcommand" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$option" <<<"$text" || fail "the manual page lacks $subcommand $option"
  done
done

# zentara-cli's bash completion, where bash-completion looks for it under the
# prefix's share folder, and found there.
[ -f "$share/bash-completion/completions/zentara-cli" ] || fail "no bash completion for zentara-cli"
completed=$(bash "$(dirname "$0")/installed_completion.sh" "$share" "zentara-cli ma" "zentara-cli match --male-d" 2>&1)
grep -qxF "zentara-cli ma: match" <<<"$completed" && grep -qxF "zentara-cli match --male-d: --male-date --male-dst" <<<"$completed" ||
  fail "the installed completion offers: $completed"

# The installed tree, where it was installed and moved elsewhere.
for root in "$work/usr" "$work/moved/elsewhere"; do
  if [ "$root" != "$work/usr" ]; then mkdir -p "$(dirname "$root")" && mv "$work/usr" "$root"; fi
  found=$("$root/bin/zentara-cli" place London --country GB --limit 1 --json 2>&1)
  grep -qF '"timezone":"Europe/London"' <<<"$found" || fail "place London from $root: $found"
  # The couple report's pages come from the helper installed beside the programs.
  if [ -x "$root/bin/zentara" ]; then
    said=$("$root/bin/zentara-cli" report --male-name A --male-date 1970-01-01 --male-time 0:00 --male-zone 20 \
      --male-lat 51N30 --male-lon 0W10 --male-city A --male-state A --male-country A --female-name B \
      --female-date 1971-01-01 --female-time 0:00 --female-zone 20 --female-lat 51N30 --female-lon 0W10 \
      --female-city B --female-state B --female-country B --pdf "$work/report.pdf" 2>&1)
    [ "$(head -c 5 "$work/report.pdf" 2>/dev/null)" = "%PDF-" ] || fail "report from $root: $said"
    rm -f "$work/report.pdf"
  fi
done
rm "$root/share/zentara/atlas.bin"
message=$("$root/bin/zentara-cli" place London 2>&1)
status=$?
[ "$status" -eq 3 ] || fail "place without its atlas: exit status $status, expected 3"
grep -qF "$root/share/zentara/atlas.bin" <<<"$message" || fail "place without its atlas said: $message"

[ "$failures" -eq 0 ] && echo "the installed tree is complete" || exit 1
