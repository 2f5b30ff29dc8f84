#!/usr/bin/env bash
# Changes a command's shortcut through the real preferences: a stored key
# opens them (read from the settings at start), Keyboard ShortCuts gives Find
# the key Ctrl+E in "Edit ShortCut", and Ctrl+E then opens "Find Text", at
# once and after a restart, the key having been saved when the window closed.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

cat >"$QUILLON_SETTINGS_FILE" <<'SETTINGS'
; Quillon settings 1
[HKEY_CURRENT_USER\Software\Quillon Project\Quillon\ShortCuts]
"ConfigurationAct"="Ctrl+Alt+P"
; end
SETTINGS
printf 'alpha beta\n' >"$work/words.txt"

# Waits for the Find dialog after Ctrl+E, closes it and comes back to the
# main window.
expect_find_on_ctrl_e() {
  xdotool key --delay 80 ctrl+e
  activate_window '^Find Text$' >/dev/null
  xdotool key --delay 80 Escape
  sleep 0.3
  activate_window '^words\.txt - Quillon$' >/dev/null
}

quit_through_file_menu() {
  xdotool key --delay 120 alt+f x
  for _ in $(seq 100); do kill -0 "${pids[-1]}" 2>/dev/null || break; sleep 0.05; done
  kill -0 "${pids[-1]}" 2>/dev/null && fail "File > Exit did not end the program"
  return 0
}

start_quillon "$work/words.txt"
activate_window '^words\.txt - Quillon$' >/dev/null
sleep 0.5
xdotool key --delay 80 ctrl+alt+p
activate_window '^Preferences$' >/dev/null
# The second page puts the keyboard on the list; type-ahead finds the row.
xdotool key --delay 120 ctrl+Tab
xdotool type --delay 120 'Find'
xdotool key --delay 120 Return
activate_window '^Edit ShortCut: Find\.\.\.$' >/dev/null
# The keyboard starts on the key list; Ctrl stays checked from Ctrl+F.
xdotool type --delay 120 'e'
xdotool key --delay 120 Return
sleep 0.5
activate_window '^Preferences$' >/dev/null
# From the list: "Reset to defaults", then OK.
xdotool key --delay 120 Tab Tab Return
sleep 0.5
expect_find_on_ctrl_e
quit_through_file_menu
grep -q '"FindAct"="Ctrl+E"' "$QUILLON_SETTINGS_FILE" || fail "Find's new key was not saved"

start_quillon "$work/words.txt"
activate_window '^words\.txt - Quillon$' >/dev/null
sleep 0.5
expect_find_on_ctrl_e
echo "PASS: a key given to Find in the preferences works at once and after a restart"
