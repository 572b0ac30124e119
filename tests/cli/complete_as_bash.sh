# Sourced by the tests of zentara-cli's bash completion, after the completion
# itself: `complete_as_bash LINE` calls the function registered for the line's
# command as bash does when Tab is pressed at the end of LINE, and prints the
# completions offered, one a line.
#
# Bash cuts the line into COMP_WORDS at blanks, and makes each run of the other
# characters of COMP_WORDBREAKS (such as "=" and ":") a word of its own:
# "--zone=3" is "--zone", "=", "3". COMP_LINE and COMP_POINT are the line and
# the cursor's place in it; a line ending in a blank completes an empty word.
# (Quotes, which bash reads as quoting, are not used in the lines tested.)
complete_as_bash() {
  local line=$1 word="" breaks=${COMP_WORDBREAKS//[[:blank:]$'\n'\"\']/} c i function
  COMP_WORDS=()
  for ((i = 0; i < ${#line}; i++)); do
    c=${line:i:1}
    if [[ $c == [[:blank:]] ]]; then
      if [[ -n $word ]]; then COMP_WORDS+=("$word"); fi
      word=""
    elif [[ $breaks == *"$c"* ]]; then
      if [[ -n $word && $breaks != *"${word: -1}"* ]]; then COMP_WORDS+=("$word") word=""; fi
      word+=$c
    else
      if [[ -n $word && $breaks == *"${word: -1}"* ]]; then COMP_WORDS+=("$word") word=""; fi
      word+=$c
    fi
  done
  if [[ -n $word || $line == *[[:blank:]] ]]; then COMP_WORDS+=("$word"); fi
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  function=$(complete -p "${COMP_WORDS[0]}" | sed -n 's/.*-F \([^ ]*\).*/\1/p')
  "$function" "${COMP_WORDS[0]}" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  if ((${#COMPREPLY[@]} > 0)); then printf '%s\n' "${COMPREPLY[@]}"; fi
}
