#!/usr/bin/env bash
# Works the editor widget on a virtual X display with the pointer: selects
# with the mouse, copies to another program through the system clipboard,
# drags text, scrolls with the wheel and pastes what another program copied.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

driver=$1

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/out.txt" ] && { echo "--- document:" >&2; cat "$work/out.txt" >&2; }
  exit 1
}

source "$(dirname "$0")/virtual_display.sh" xdotool xclip

{
  echo "alpha beta gamma"
  echo "second line here"
  for i in $(seq 3 80); do echo "line $i"; done
} >"$work/in.txt"

"$driver" "$work/in.txt" "$work/out.txt" 2>"$work/driver.log" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --name '^memo_driver$' | head -n1) ||
  fail "the driver window did not appear: $(cat "$work/driver.log")"
xdotool windowfocus --sync "$window" 2>/dev/null || true

# Waits until a command succeeds, for at most five seconds.
wait_for() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done
  return 1
}
wait_for test -s "$work/out.txt.view" || fail "the driver wrote no view file"

read_view() { read -r ox oy tl lh cw top <"$work/out.txt.view"; }
# The screen point inside the cell of column $1 on view row $2.
cell() { echo "$((ox + tl + $1 * cw + 1)) $((oy + $2 * lh + lh / 2))"; }
line_of() { sed -n "$1p" "$work/out.txt" | tr -d '\r'; }
read_view

# Select "beta" with the mouse and copy it through the menu's "&Copy".
xdotool mousemove $(cell 6 0) mousedown 1
sleep 0.1
xdotool mousemove $(cell 8 0)
sleep 0.1
xdotool mousemove $(cell 10 0)
sleep 0.1
xdotool mouseup 1
sleep 0.1
xdotool click 3
sleep 0.4
xdotool key c
clipboard_is() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }
wait_for clipboard_is "beta" || fail "the selection did not reach the clipboard (got '$(xclip -selection clipboard -o 2>&1)')"

# Drag the selection to the start of the second line.
xdotool mousemove $(cell 7 0) mousedown 1
sleep 0.1
xdotool mousemove $(cell 3 1)
sleep 0.1
xdotool mousemove $(cell 0 1)
sleep 0.1
xdotool mouseup 1
first_lines_are() { [ "$(line_of 1)" = "$1" ] && [ "$(line_of 2)" = "$2" ]; }
wait_for first_lines_are "alpha  gamma" "betasecond line here" || fail "the drag did not move the text"

# Scroll down with the wheel, then paste text another program copied at the
# first visible line.
xdotool mousemove $(cell 2 2) click 5 click 5
wait_for bash -c "read -r _ _ _ _ _ t <'$work/out.txt.view'; [ \$t -gt 0 ]" || fail "the wheel did not scroll"
read_view
printf 'PASTED' | xclip -selection clipboard -i
xdotool mousemove $(cell 0 0) click 1
sleep 0.1
xdotool click 3
sleep 0.4
xdotool key p
pasted_at_top() { [ "$(line_of $((top + 1)))" = "PASTEDline $((top + 1))" ]; }
wait_for pasted_at_top || fail "the paste did not land on line $((top + 1)) (top row after scrolling)"

echo "PASS: select, copy out, drag, wheel, paste in"
