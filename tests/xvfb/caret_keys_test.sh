#!/usr/bin/env bash
# In the real main window: with a selection, each caret key moves the caret
# and drops the selection, so the letter typed next is inserted where the
# caret went and replaces nothing. Saves with Ctrl+S and reads the file.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf 'line one\nline two\n' >"$work/keys.txt"
cp "$work/keys.txt" "$work/original.txt"

start_quillon "$work/keys.txt"
activate_window '^keys\.txt - Quillon$' >/dev/null
sleep 0.5

# Select, press a caret key, type a letter: with Ctrl+A and with Shift+Down.
letters=(A B C D E F G H)
keys=(ctrl+End ctrl+Home Next ctrl+Right ctrl+End ctrl+Home Next ctrl+Right)
for i in "${!keys[@]}"; do
  if [ "$i" -lt 4 ]; then
    xdotool key --delay 60 ctrl+a
  else
    xdotool key --delay 60 ctrl+Home shift+Down
  fi
  xdotool key --delay 60 "${keys[$i]}"
  xdotool type --delay 60 "${letters[$i]}"
done
xdotool key --delay 80 ctrl+s

for _ in $(seq 100); do
  cmp -s "$work/keys.txt" "$work/original.txt" || break
  sleep 0.05
done
saved=$(cat "$work/keys.txt")
for letter in "${letters[@]}"; do
  [ "$(tr -cd "$letter" <"$work/keys.txt" | wc -c)" = 1 ] ||
    fail "letter $letter is not in the saved text once: $saved"
done
tr -d 'ABCDEFGH' <"$work/keys.txt" >"$work/stripped.txt"
cmp -s "$work/stripped.txt" "$work/original.txt" ||
  fail "a typed letter replaced a selection: $saved"
echo "PASS: every caret key dropped the selection"
