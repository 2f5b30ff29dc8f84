#!/usr/bin/env bash
# Sizes and moves the main window, exits through the File menu, starts the
# program again: the window comes back with the same size and place.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

geometry() {
  xdotool getwindowgeometry "$1" | awk '/Position/ {print $2} /Geometry/ {print $2}' | tr '\n' ' '
}

start_quillon
window=$(activate_window '^Untitled - Quillon$')
xdotool windowsize --sync "$window" 640 480
xdotool windowmove --sync "$window" 120 90
sleep 0.3
placed=$(geometry "$window")
xdotool key --delay 120 alt+f x
for _ in $(seq 100); do kill -0 "${pids[-1]}" 2>/dev/null || break; sleep 0.05; done
kill -0 "${pids[-1]}" 2>/dev/null && fail "File > Exit did not end the program"
grep -q 'Placement' "$QUILLON_SETTINGS_FILE" || fail "the window's placement was not saved"

start_quillon
window=$(activate_window '^Untitled - Quillon$')
sleep 0.3
again=$(geometry "$window")
[ "$again" = "$placed" ] || fail "the window came back at $again, not at $placed"
echo "PASS: the window came back at $placed"
