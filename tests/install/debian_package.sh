#!/usr/bin/env bash
# cpack makes the Debian package; lintian finds no error in it; its control
# data names the package, its version and the libraries' packages, and
# recommends bash-completion; and its files, unpacked into a folder of their
# own, run and find their atlas there, and bash-completion finds zentara-cli's
# completion there.
set -uo pipefail
build=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset ZENTARA_ATLAS_FILE

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.txt" 2>&1 || { cat "$work/cpack.txt"; exit 1; }
packages=("$work"/zentara_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || { cat "$work/cpack.txt"; echo "expected one package"; exit 1; }
deb=${packages[0]}
version=$("$build/bin/zentara-cli" --version | awk '{ print $2 }')
[ "$(dpkg-deb -f "$deb" Package)" = zentara ] || fail "package name $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), expected $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6svg6 liberfa1 tzdata; do
  grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

grep -qE "(^|, )bash-completion( |,|$)" <<<"$(dpkg-deb -f "$deb" Recommends)" ||
  fail "Recommends lacks bash-completion: $(dpkg-deb -f "$deb" Recommends)"

lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1 | grep -v "running with root privileges" >"$work/lintian.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || { cat "$work/lintian.txt"; fail "lintian reports errors"; }

dpkg-deb -x "$deb" "$work/unpacked" || fail "dpkg-deb -x"
cli=$work/unpacked/usr/bin/zentara-cli
[ "$("$cli" --version)" = "zentara-cli $version" ] || fail "unpacked --version: $("$cli" --version 2>&1)"
found=$("$cli" place London --json 2>&1)
grep -qF '"name":"London"' <<<"$found" && grep -qF '"timezone":"Europe/London"' <<<"$found" ||
  fail "unpacked place London --json: $found"

completed=$(bash "$(dirname "$0")/installed_completion.sh" "$work/unpacked/usr/share" "zentara-cli ma" 2>&1)
[ "$completed" = "zentara-cli ma: match" ] || fail "the unpacked completion offers: $completed"

[ "$failures" -eq 0 ] && echo "the package is sound" || exit 1
