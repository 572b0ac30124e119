# Sourced by the zentara-cli test scripts: `check` runs one command and compares
# its exit status, stdout and stderr; `same` and `expect` count one comparison
# or condition; `finish` prints the tally and sets the script's exit status.
failures=0
passes=0

# check NAME STATUS STDOUT_FILE STDERR_LINE COMMAND...
#   STDOUT_FILE: a golden file stdout must equal, "" for no stdout, or "-" to skip.
#   STDERR_LINE: a line stderr must contain, or "" to require only that stderr is
#   not empty when STATUS is not 0.
check() {
  local name=$1 status=$2 stdout_file=$3 stderr_line=$4
  shift 4
  local out err actual ok=1
  out=$(mktemp) err=$(mktemp)
  "$@" >"$out" 2>"$err"
  actual=$?
  if [ "$actual" -ne "$status" ]; then echo "$name: exit status $actual, expected $status"; ok=0; fi
  if [ "$stdout_file" = "" ] && [ -s "$out" ]; then echo "$name: unexpected stdout: $(cat "$out")"; ok=0; fi
  if [ "$stdout_file" != "" ] && [ "$stdout_file" != "-" ] && ! diff -u "$stdout_file" "$out"; then
    echo "$name: stdout differs from $stdout_file"; ok=0
  fi
  if [ -n "$stderr_line" ] && ! grep -qxF -- "$stderr_line" "$err"; then
    echo "$name: stderr is '$(cat "$err")', expected the line '$stderr_line'"; ok=0
  fi
  if [ "$status" -ne 0 ] && [ ! -s "$err" ]; then echo "$name: nothing said on stderr"; ok=0; fi
  if [ "$ok" -eq 1 ]; then passes=$((passes + 1)); else failures=$((failures + 1)); fi
  rm -f "$out" "$err"
}

# same NAME EXPECTED ACTUAL: one more check that two texts are equal; an empty
# EXPECTED fails, so two commands that print nothing do not pass as equal.
same() {
  if [ -n "$2" ] && [ "$2" = "$3" ]; then passes=$((passes + 1)); else
    echo "$1:"; diff <(echo "$2") <(echo "$3"); failures=$((failures + 1)); fi
}

# expect NAME CONDITION...: one more check that CONDITION holds
expect() {
  local name=$1
  shift
  if "$@"; then passes=$((passes + 1)); else echo "$name: '$*' does not hold"; failures=$((failures + 1)); fi
}

finish() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
