#!/usr/bin/env bash
# installed_completion.sh SHARE LINE...: in a fresh bash with bash-completion,
# whose data folders are only SHARE (an installed tree's share folder), loads
# zentara-cli's completion as bash-completion does on the first Tab, then
# prints, for each LINE, "LINE:" and the completions offered at its end on one
# line. Exit status 1 when bash-completion finds no completion there.
set -uo pipefail
share=$1
shift
export XDG_DATA_DIRS=$share BASH_COMPLETION_USER_DIR=/nonexistent
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion || exit 1
__load_completion zentara-cli || { echo "bash-completion found no completion for zentara-cli in $share"; exit 1; }
source "$(dirname "$0")/../cli/complete_as_bash.sh"
for line in "$@"; do
  echo "$line:" $(complete_as_bash "$line")
done
