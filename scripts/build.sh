#!/usr/bin/env bash
# Configures and builds everything into ./build, or into the folder given as the
# first argument; any further arguments go to cmake (such as -DZENTARA_WERROR=ON).
# Without them warnings stay warnings, so a new compiler never stops the build.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTARA_WERROR=OFF "${@:2}" >/dev/null
cmake --build "$folder" -j "$(nproc)"
