#!/usr/bin/env bash
# CheckCompletion.sh ORVALIS_CLI COMPLETION_FILE WORK_DIR
#
# Completes orvalis-cli command lines as bash does on Tab, in a folder of
# sample files: commands, each command's options, and for each file argument
# only the files that place takes. The options offered are those that
# orvalis-cli --help names. Ends with 77 (skipped) without bash-completion.
set -uo pipefail
cli="$1" completion="$2" work="$3"

bash_completion=/usr/share/bash-completion/bash_completion
if [ ! -r "$bash_completion" ]; then
  echo "$bash_completion not found (Debian package bash-completion): completion not checked"
  exit 77
fi
# shellcheck source=/dev/null
source "$bash_completion"
# shellcheck source=/dev/null
source "$completion"

rm -rf "$work" && mkdir -p "$work/sub" && cd "$work" || exit 1
touch a.lxm b.LIF c.png d.csv e.gif f.txt g.rle h.cells i.JPEG j.mc k.rle.gz

# The sorted offers for a command line with the cursor at its end; the words
# are split as bash splits them, "=" being a word of its own.
complete_line() {
  COMP_LINE="$1"
  COMP_POINT=${#COMP_LINE}
  read -ra COMP_WORDS <<<"${1//=/ = }"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _orvalis_cli orvalis-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd ' '
}

failures=0
expect() {
  local got
  got="$(complete_line "$1")"
  if [ "$got" != "$2" ]; then
    echo "'$1': offered '$got', expected '$2'"
    failures=$((failures + 1))
  fi
}

inputs="a.lxm b.LIF c.png g.rle h.cells i.JPEG j.mc k.rle.gz sub"
patterns="a.lxm b.LIF g.rle h.cells sub"
picture_options="--invert --size --threshold"
expect "orvalis-cli " "animate convert help info render run"
expect "orvalis-cli r" "render run"
expect "orvalis-cli -" "--help"
expect "orvalis-cli convert " "$inputs"
expect "orvalis-cli info --threshold 90 " "$inputs"
expect "orvalis-cli convert a.lxm " "$patterns"
expect "orvalis-cli run --generations 5 a.lxm " "$patterns"
expect "orvalis-cli run --size=20x20 --invert c.png " "$patterns"
expect "orvalis-cli render --grid a.lxm " "c.png sub"
expect "orvalis-cli animate a.lxm " "e.gif sub"
expect "orvalis-cli run a.lxm b.lxm --population " "d.csv sub"
expect "orvalis-cli run a.lxm b.lxm --population=" "d.csv sub"
expect "orvalis-cli animate a.lxm b.gif --delay " ""
expect "orvalis-cli convert a.lxm b.rle " "$picture_options"
expect "orvalis-cli info a.lxm " "--generations $picture_options --until-stable"
expect "orvalis-cli run --u" "--until-stable"
expect "orvalis-cli bogus " ""

# Together the commands offer exactly the options and commands of --help.
offered=""
for command in convert run render animate info; do
  offered+=" $(complete_line "orvalis-cli $command --")"
done
offered="$(tr ' ' '\n' <<<"$offered" | grep . | LC_ALL=C sort -u | paste -sd ' ')"
help="$("$cli" --help)"
in_help="$(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | LC_ALL=C sort -u | paste -sd ' ')"
[ "$offered" = "$in_help" ] || {
  echo "options offered: '$offered', named by --help: '$in_help'"
  failures=$((failures + 1))
}
commands_in_help="$(grep -oE 'orvalis-cli [a-z]+' <<<"$help" | cut -d' ' -f2 | sort -u | paste -sd ' ')"
for command in $commands_in_help; do
  grep -qw "$command" <<<"$(complete_line "orvalis-cli ")" || {
    echo "command '$command' of --help not offered"
    failures=$((failures + 1))
  }
done

[ "$failures" -eq 0 ]
