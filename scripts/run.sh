#!/usr/bin/env bash
# Sets up, builds and starts the desktop program (build/bin/zentara). The build
# is the test command's, so after one the other compiles nothing again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/bin/zentara
