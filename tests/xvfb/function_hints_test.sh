#!/usr/bin/env bash
# In the real main window: typing a PHP call shows the function hint under
# the caret and Esc hides it; Ctrl+Space opens the completion list while the
# editor keeps the keyboard (the next letters go into the text and narrow
# the list) and Enter puts the chosen name with its brackets into the text.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf '<?php\n\n?>\n' >"$work/page.php"
cp "$work/page.php" "$work/original.php"

start_quillon "$work/page.php"
activate_window '^page\.php - Quillon$' >/dev/null
sleep 0.5

# The shown popups, one a line: "hint" and "list" by their window titles.
popups() {
  local id
  xwininfo -root -tree | awk '/"Function hint": \(/ {print $1, "hint"} /"Completion list": \(/ {print $1, "list"}' |
    while read -r id name; do
      if [[ "$(xwininfo -id "$id")" == *IsViewable* ]]; then echo "$name"; fi
    done
}

# Waits for popup $1 ("hint" or "list") to show (or, with "gone", to go).
expect_popup() {
  for _ in $(seq 60); do
    if popups | grep -x "$1" >/dev/null; then
      [ "${2:-}" != gone ] && return 0
    else
      [ "${2:-}" = gone ] && return 0
    fi
    sleep 0.05
  done
  fail "the $1 is ${2:-not shown}"
}

xdotool key --delay 80 ctrl+Home Down
xdotool type --delay 60 'str_replace('
expect_popup hint
xdotool key --delay 80 Escape
expect_popup hint gone

xdotool key --delay 80 ctrl+a Delete
xdotool type --delay 60 '<?php str_r'
xdotool key --delay 80 ctrl+space
expect_popup list
# Typed while the list shows, these reach the editor and narrow the list.
xdotool type --delay 60 'epl'
xdotool key --delay 80 Return
expect_popup list gone
xdotool key --delay 80 Escape ctrl+s

wait_for_change "$work/page.php" "$work/original.php" "Ctrl+S did not save"
printf '<?php str_replace()\n' >"$work/expected.php"
expect_same_bytes "$work/page.php" "$work/expected.php" "the chosen name was not inserted"
echo "PASS: the hint and the completion list work in the real window"
