#!/usr/bin/env bash
# Starts the real program on a virtual X display, waits for its main window, photographs it,
# checks the picture is not blank, and ends the program; then starts it with a track's path, as
# a file manager's "open with" does, and checks the map view shows a map.
# Usage: WindowSmokeTest.sh <program> <scratch folder> <track>
set -euo pipefail
missing=()
for tool in xvfb-run xwininfo xprop xwd convert; do command -v "$tool" >/dev/null || missing+=("$tool"); done
if [ ${#missing[@]} -ne 0 ]; then
  echo "skipped: ${missing[*]} not installed (scripts/install-deps gui installs them)"
  exit 77
fi
if [ "${SMOKE_TEST_ON_DISPLAY:-}" != 1 ]; then
  exec env SMOKE_TEST_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

program=$1
scratch=$2
track=$3
mkdir -p "$scratch"
title="Tarmaxion Rivivizevido 1.10 to 1.05"
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT

# colours PICTURE CROP: the number of colours in that part of the window's picture.
colours() { convert "xwd:$1" -crop "$2" -format "%k" info:; }

# photograph PICTURE CROP LEAST [ARGUMENT...]: runs the program with the arguments, waits for its
# window, checks its size and icon, and writes the window's picture once the cropped part shows
# more than LEAST colours (or after five seconds, for the caller to report).
photograph() {
  local picture=$1 crop=$2 least=$3
  shift 3
  QT_QPA_PLATFORM=xcb "$program" "$@" &
  pid=$!
  for _ in $(seq 1 100); do
    xwininfo -name "$title" >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window appeared"; exit 1; }
    sleep 0.1
  done
  local info
  info=$(xwininfo -name "$title") || { echo "no window named \"$title\""; exit 1; }
  echo "$info" | grep -q "Width: 1000" || { echo "window width is not 1000:"; echo "$info"; exit 1; }
  echo "$info" | grep -q "Height: 720" || { echo "window height is not 720:"; echo "$info"; exit 1; }
  # The window carries the program's 32 x 32 icon for the window manager.
  xprop -name "$title" _NET_WM_ICON | grep -q "Icon (32 x 32)" || { echo "the window has no 32 x 32 icon"; exit 1; }
  # The first paints land some time after the window maps, later on a busy machine.
  for _ in $(seq 1 50); do
    xwd -name "$title" -silent > "$picture"
    [ "$(colours "$picture" "$crop")" -gt "$least" ] && break
    sleep 0.1
  done
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

photograph "$scratch/window.xwd" 1000x720+0+0 2
count=$(colours "$scratch/window.xwd" 1000x720+0+0)
echo "window picture has $count colours"
[ "$count" -gt 2 ] || { echo "the window picture is blank"; exit 1; }

# The map view lies at 450, 10 and is 512 x 560; empty it has one colour, with a map dozens.
photograph "$scratch/opened.xwd" 512x512+450+10 8 "$track"
count=$(colours "$scratch/opened.xwd" 512x512+450+10)
echo "map view of the window opened with $track has $count colours"
[ "$count" -gt 8 ] || { echo "the window started with a track shows no map"; exit 1; }
