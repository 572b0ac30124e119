#!/usr/bin/env bash
# cmake/layering.cmake stops the build for an upward include: a tree with one
# in common/ and one in book/ is refused, naming both, and the same tree
# without them passes.
set -uo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/common" "$work/book"
printf '#include "common/number_text.h"\n#include "platform/system_files.h"\n' >"$work/common/fine.h"
printf '#include "astro/match/astro_match.h"\n' >"$work/book/fine.cpp"
cmake -DSOURCE_DIR="$work" -P "$script" || { echo "a tree without upward includes was refused"; exit 1; }
printf '#include "cli/commands.h"\n' >"$work/common/upward.h"
printf '#include "people/frmPeople.h"\n' >"$work/book/window.cpp"
if output=$(cmake -DSOURCE_DIR="$work" -P "$script" 2>&1); then
  echo "upward includes were let through"; exit 1
fi
for expected in "common/upward.h includes cli/commands.h" "book/window.cpp includes people/frmPeople.h"; do
  grep -qF "$expected" <<<"$output" || { echo "not named: $expected"; echo "$output"; exit 1; }
done
echo "both refused"
