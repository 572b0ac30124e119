#!/usr/bin/env bash
# zentara-cli's bash completion, called as bash calls it on Tab: it offers
# every subcommand and every option that --help lists for each command (so a
# new subcommand or option is covered without a new line here), and nothing
# else; the time-zone rows of `zentara-cli zones` after --zone; file names where
# a file is expected; the reading kinds; and it reads past options' values,
# also those written --option=value or cut by bash at a colon.
set -uo pipefail
completion=$1
cli=$2
source "$(dirname "$0")/cli_checks.sh"
source "$(dirname "$0")/complete_as_bash.sh"
# shellcheck source=/dev/null
source "$completion"

# offers LINE EXPECTED...: the completions of LINE are EXPECTED, in any order.
offers() {
  local line=$1 expected actual
  shift
  expected=$(printf '%s\n' "$@" | sed '/^$/d' | sort)
  actual=$(complete_as_bash "$line" | sort)
  if [ "$actual" = "$expected" ]; then passes=$((passes + 1)); else
    echo "'$line<Tab>' offers:"; diff <(echo "$expected") <(echo "$actual") | sed -n 's/^</  missing/p; s/^>/  extra  /p'
    failures=$((failures + 1))
  fi
}

# The names in a section ("Options:", "Subcommands:") of `zentara-cli WORDS... --help`:
# the first word of each entry (indented by two spaces; a description wrapped
# onto further lines is indented further).
help_section() {
  local section=$1
  shift
  "$cli" "$@" --help | awk -v section="$section" '
    $0 == section { listed = 1; next }
    listed && !NF { exit }
    listed && /^  [^ ]/ { n = split($1, names, ","); for (i = 1; i <= n; i++) { sub(/\{.*/, "", names[i]); print names[i] } }'
}

if complete -p zentara-cli | grep -q -- "-F _zentara_cli zentara-cli"; then passes=$((passes + 1)); else
  echo "the completion does not register itself for zentara-cli"; failures=$((failures + 1)); fi

# Every command, from zentara-cli down through its subcommands, as --help lists them.
commands=("")
for ((next = 0; next < ${#commands[@]}; next++)); do
  command=${commands[next]}
  read -ra words <<<"$command"
  mapfile -t options < <(help_section "Options:" "${words[@]}")
  mapfile -t subcommands < <(help_section "Subcommands:" "${words[@]}")
  [ ${#options[@]} -gt 0 ] || { echo "zentara-cli $command --help lists no options"; failures=$((failures + 1)); }
  offers "zentara-cli $command -" "${options[@]}"
  if [ ${#subcommands[@]} -gt 0 ]; then
    offers "zentara-cli $command " "${subcommands[@]}"
    for subcommand in "${subcommands[@]}"; do commands+=("${command:+$command }$subcommand"); done
  fi
done
[ ${#commands[@]} -ge 10 ] || { echo "only ${#commands[@]} commands found in --help"; failures=$((failures + 1)); }

offers "zentara-cli ma" match
mapfile -t male_options < <(help_section "Options:" match | grep -- '^--male-')
offers "zentara-cli match --male-" "${male_options[@]}"

# The zone rows are those `zentara-cli zones` lists, in every spelling of the option.
rows=$("$cli" zones | wc -l)
mapfile -t all_rows < <(seq 0 $((rows - 1)))
offers "zentara-cli match --male-zone " "${all_rows[@]}"
offers "zentara-cli match --female-zone=" "${all_rows[@]}"
offers "zentara-cli chart --zone 6" 6 60 61 62 63 64 65 66 67 68 69
offers "zentara-cli chart --zone=7" 7 70
offers "zentara-cli chart --time 14:30 --zone 5" 5 50 51 52 53 54 55 56 57 58 59

# File names: any file for --svg, save and open; CSV files (and folders to go
# into) for --batch.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/couples" && touch "$folder/couples.csv" "$folder/chart.svg" "$folder/pair.kvz"
cd "$folder" || exit 1
offers "zentara-cli match --svg " chart.svg couples couples.csv pair.kvz
offers "zentara-cli match --svg=c" chart.svg couples couples.csv
offers "zentara-cli match --batch " couples couples.csv
offers "zentara-cli match --json --batch=couples." couples.csv
offers "zentara-cli open p" pair.kvz
offers "zentara-cli save --male-first John " chart.svg couples couples.csv pair.kvz

# An argument's words; an option's value is never taken for an argument.
offers "zentara-cli reading " lifepath destiny comprehensive extended
offers "zentara-cli reading --male-first destiny d" destiny
offers "zentara-cli reading --male-first=destiny " lifepath destiny comprehensive extended
offers "zentara-cli reading destiny --h" --help --html
offers "zentara-cli numbers --male-first " ""
offers "zentara-cli place London " ""

finish
