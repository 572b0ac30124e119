#!/usr/bin/env bash
# zentara-cli --help after each subcommand: its own usage on stdout, exit status 0.
set -uo pipefail
cli=$1
source "$(dirname "$0")/cli_checks.sh"

help=$("$cli" --help)
for subcommand in numbers reading save open texts chart zones match place people; do
  if grep -q "^  $subcommand " <<<"$help"; then passes=$((passes + 1)); else
    echo "--help does not list $subcommand"; failures=$((failures + 1)); fi
  check "$subcommand --help" 0 "-" "" "$cli" "$subcommand" --help
  statuses=$("$cli" "$subcommand" --help | grep -c "^Exit status")
  if [ "$statuses" -eq 1 ]; then passes=$((passes + 1)); else
    echo "$subcommand --help: the exit statuses are told $statuses times"; failures=$((failures + 1)); fi
  usage=$("$cli" "$subcommand" -h | grep "^Usage: ")
  if [[ $usage == "Usage: zentara-cli $subcommand "* ]]; then passes=$((passes + 1)); else
    echo "$subcommand -h: usage line '$usage', expected 'Usage: zentara-cli $subcommand ...'"; failures=$((failures + 1)); fi
done

finish
