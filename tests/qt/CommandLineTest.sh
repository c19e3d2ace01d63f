#!/usr/bin/env bash
# The window program's own options, as a user types them in a terminal without any display:
# --help and --version answer on stdout with exit code 0, an unknown option is refused with
# the usage on stderr and exit code 2, and none of them opens a window.
# Usage: CommandLineTest.sh PROGRAM
set -uo pipefail
program=$1
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0
# answers EXPECTED_CODE STDOUT_START STDERR_START ARGUMENT...
answers() {
  local code=$1 stdout_start=$2 stderr_start=$3
  shift 3
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$program" "$@" >"$out" 2>"$err"
  local got=$?
  if [[ $got -ne $code || $(head -c ${#stdout_start} "$out") != "$stdout_start" ||
        $(head -c ${#stderr_start} "$err") != "$stderr_start" ]]; then
    echo "FAILED: $* gave exit code $got (expected $code)"
    sed 's/^/  stdout: /' "$out"
    sed 's/^/  stderr: /' "$err"
    failures=$((failures + 1))
  fi
}
answers 0 "Usage: tarmaxion-converter [--codepage N] [FILE...]" "" --help
answers 0 "Usage: tarmaxion-converter [--codepage N] [FILE...]" "" examples/quarry.trk -h
answers 0 "tarmaxion-converter 1." "" --version
answers 2 "" "tarmaxion-converter: unknown option '--frobnicate'" --frobnicate x.trk
answers 2 "" "tarmaxion-converter: code page 1255 is not supported (supported: 1250, 1251, 1252, 1253, 1254, 1257)" \
  --codepage 1255 x.trk
answers 2 "" "tarmaxion-converter: option '--codepage' needs a code page number" x.trk --codepage
echo "command line: $((6 - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
