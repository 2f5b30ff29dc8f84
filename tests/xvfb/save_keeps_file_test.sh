#!/usr/bin/env bash
# Opens a TAB-indented file with LF breaks, trailing blanks and no final
# break in the real main window, types one character on one line, saves with
# Ctrl+S, and checks that only that line changed: every other byte, every
# TAB, blank and break is the file's own.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf '<?php\nfunction f() {\n\tif ($a) {  \n\t\treturn 1;\t\n\t}\n}\n\n// end  ' >"$work/page.php"
cp "$work/page.php" "$work/original.php"

start_quillon "$work/page.php"
activate_window '^page\.php - Quillon$' >/dev/null
sleep 0.5

# Line 4 ("\t\treturn 1;\t"): to its start, past the TABs, and type.
xdotool key --delay 80 ctrl+Home Down Down Down Home
xdotool type --delay 80 'X'
xdotool key --delay 80 ctrl+s

wait_for_save "$work/page.php" "$work/original.php" "Ctrl+S did not save"

expected="$work/expected.php"
printf '<?php\nfunction f() {\n\tif ($a) {  \nX\t\treturn 1;\t\n\t}\n}\n\n// end  ' >"$expected"
if ! cmp -s "$work/page.php" "$expected"; then
  echo "--- diff against the expected file:" >&2
  diff <(od -c "$expected") <(od -c "$work/page.php") >&2 || true
  fail "the save changed more than the typed line"
fi
changed=$(diff "$work/original.php" "$work/page.php" | grep -c '^[<>]' || true)
[ "$changed" = 2 ] || fail "diff shows $changed changed lines, not one line each side"
echo "PASS: only the typed line changed"
