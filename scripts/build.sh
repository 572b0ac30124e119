#!/usr/bin/env bash
# Configures and builds everything into ./build, or into the folder given as the
# first argument; any further arguments go to cmake after the settings below.
#
# Both README commands (run.sh, test.sh) build ./build with the same settings,
# RelWithDebInfo and compiler warnings as errors, so neither makes the other
# compile again. (cmake by hand keeps warnings as warnings: ZENTARA_WERROR is
# off unless asked for.)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTARA_WERROR=ON "${@:2}" >/dev/null
cmake --build "$folder" -j "$(nproc)"
