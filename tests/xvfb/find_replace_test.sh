#!/usr/bin/env bash
# Finds a word through the real "Find Text" dialog and types after it,
# replaces every occurrence of another word through the real "Replace Text"
# dialog with Replace All, replaces one more after answering the real
# question Yes, saves with Ctrl+S and checks the saved bytes.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf 'alpha beta\nbeta gamma\nlast line\n' >"$work/words.txt"
cp "$work/words.txt" "$work/original.txt"

start_quillon "$work/words.txt"
main=$(activate_window '^words\.txt - Quillon$')
sleep 0.5

# Find: the caret goes to the end of the match, where the typed text lands.
xdotool key --delay 80 ctrl+Home ctrl+f
activate_window '^Find Text$' >/dev/null
xdotool key --delay 80 ctrl+a
xdotool type --delay 80 'gamma'
xdotool key --delay 80 Return
sleep 0.5
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool type --delay 80 '!'

# Replace All, without a question, in the whole document.
xdotool key --delay 80 ctrl+r
activate_window '^Replace Text$' >/dev/null
xdotool key --delay 80 ctrl+a
xdotool type --delay 80 'beta'
xdotool key --delay 80 Tab
xdotool type --delay 80 'BETA'
xdotool key --delay 80 alt+a
sleep 0.5

# One replacement with the question, answered Yes in its own box.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --delay 80 ctrl+r
activate_window '^Replace Text$' >/dev/null
xdotool key --delay 80 ctrl+a
xdotool type --delay 80 'line'
xdotool key --delay 80 Tab ctrl+a
xdotool type --delay 80 'row'
xdotool key --delay 80 alt+p Return
activate_window '^Confirm$' >/dev/null
xdotool key --delay 80 alt+y
sleep 0.5
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --delay 80 ctrl+s

wait_for_change "$work/words.txt" "$work/original.txt" "nothing was saved"

expected="$work/expected.txt"
printf 'alpha BETA\nBETA gamma!\nlast row\n' >"$expected"
if ! cmp -s "$work/words.txt" "$expected"; then
  echo "--- saved file:" >&2
  cat "$work/words.txt" >&2
  fail "the saved file is not the found and replaced text"
fi
echo "PASS: found, replaced all and saved through the real dialogs"
