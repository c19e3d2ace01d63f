#!/usr/bin/env bash
# Types into a real interactive bash, with bash-completion and trkconv's completion loaded, and
# presses Tab as a user does, in a folder of names with spaces, quotes, Cyrillic letters and
# extensions in any case; then reads the command line back off the terminal.
# Usage: CompletionTest.sh COMPLETION_FILE
set -uo pipefail
completion=$(realpath "$1")
work=$(mktemp -d)
socket="$work/tmux"
trap 'tmux -S "$socket" kill-server 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/tracks" "$work/tracks/sub dir"
touch "$work/tracks/Трасса у озера.trk" "$work/tracks/it's mine.trk" "$work/tracks/Loud.TRK" \
      "$work/tracks/Mixed.Trk" "$work/tracks/notes.txt" "$work/tracks/nothing.trk"
cat >"$work/bashrc" <<EOF
source /usr/share/bash-completion/bash_completion
source '$completion'
PS1='$ '
cd '$work/tracks'
EOF

# One interactive bash for every case: each starts on an empty command line.
LANG=C.UTF-8 tmux -S "$socket" new-session -d -x 200 -y 5 "bash --rcfile '$work/bashrc' -i"
first_line() { tmux -S "$socket" capture-pane -p 2>/dev/null | head -1 | sed 's/ *$//'; }
# waits_for TEXT: whether the first line of the terminal reads TEXT within ten seconds.
waits_for() {
  for _ in $(seq 100); do
    [[ $(first_line) == "$1" ]] && return 0
    sleep 0.1
  done
  return 1
}

failures=0
# completes TYPED EXPECTED: after typing TYPED and Tab, the line reads EXPECTED.
completes() {
  local typed=$1 expected="\$ $2"
  tmux -S "$socket" send-keys C-u
  if ! waits_for '$'; then
    echo "FAILED: bash gave no empty prompt before '$typed'"
    failures=$((failures + 1))
    return
  fi
  tmux -S "$socket" send-keys -l "$typed"
  tmux -S "$socket" send-keys Tab
  waits_for "$expected" && return
  echo "FAILED: '$typed' and Tab gave '$(first_line)', not '$expected'"
  failures=$((failures + 1))
}

completes 'trkconv info Т' 'trkconv info Трасса\ у\ озера.trk'
completes "trkconv info 'Трасса у" "trkconv info 'Трасса у озера.trk'"
completes 'trkconv info Трасса\ у' 'trkconv info Трасса\ у\ озера.trk'
completes "trkconv convert it\\'" "trkconv convert it\\'s\\ mine.trk"
completes "trkconv info \"it'" "trkconv info \"it's mine.trk\""
completes 'trkconv preview M' 'trkconv preview Mixed.Trk'
completes 'trkconv preview L' 'trkconv preview Loud.TRK'
# notes.txt is no track: only nothing.trk is offered.
completes 'trkconv preview no' 'trkconv preview nothing.trk'
completes 'trkconv preview -o note' 'trkconv preview -o notes.txt'
completes 'trkconv convert --out-dir s' 'trkconv convert --out-dir sub\ dir/'
completes 'trkconv pr' 'trkconv preview'
completes 'trkconv he' 'trkconv help'
completes 'trkconv help co' 'trkconv help convert'
completes 'trkconv info --rec' 'trkconv info --recursive'
echo "completion: $((14 - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
