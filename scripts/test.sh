#!/usr/bin/env bash
# Sets up, builds and runs every test. ./build is built as run.sh builds it
# (scripts/build.sh), so after one the other compiles nothing again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer,
# with the check of a float converted to an integer too small for it, which
# GCC's "undefined" leaves out (cmake/build_checks.cmake). Unoptimised, which
# compiles in a third of the time with the sanitizers, and without benchmarks.
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug \
  -DZENTARA_SANITIZE=address,undefined,float-cast-overflow -DZENTARA_BUILD_BENCHMARKS=OFF
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
scripts/fuzz.sh 30  # each fuzz target for 30 seconds; a fault found fails the tests
