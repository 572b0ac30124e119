#!/usr/bin/env bash
# zentara-cli's own options and its answer to a wrong command line.
set -uo pipefail
cli=$1
source "$(dirname "$0")/cli_checks.sh"

version=$(mktemp)
echo "zentara-cli 2.05" >"$version"
check "--version" 0 "$version" "" "$cli" --version
check "--help" 0 "-" "" "$cli" --help
check "nothing at all" 2 "" "" "$cli"
check "unknown subcommand" 2 "" "zentara-cli: unknown subcommand 'horoscope'" "$cli" horoscope
check "option before the subcommand" 2 "" "" "$cli" --json numbers
rm -f "$version"

# --help names every subcommand.
help=$("$cli" --help)
for subcommand in numbers texts chart zones place; do
  if grep -q "^  $subcommand " <<<"$help"; then passes=$((passes + 1)); else
    echo "--help does not list $subcommand"; failures=$((failures + 1)); fi
done
finish
