#!/usr/bin/env bash
# Installs what building, running and testing need, with apt-get, and only what
# is missing. Safe to run again: with everything present it installs nothing.
set -euo pipefail

packages=(
  g++ cmake make                     # compiler and build
  qt6-base-dev                       # Qt 6 Widgets, PrintSupport and Test
  libgtest-dev libbenchmark-dev      # GoogleTest and Google Benchmark
  libcli11-dev nlohmann-json3-dev    # zentara-cli's command line and JSON output
  libcsv-dev                         # zentara-cli match --batch reads CSV with libcsv
  time                               # GNU time: peak memory in bench/match_batch_bench.sh
  xvfb xauth xdotool                 # the end-to-end tests' X server and its driver
  fonts-dejavu-core                  # fonts for offscreen and printed text
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
