#!/usr/bin/env bash
# Types into a file in the real main window, waits past the idle point, kills
# the program with SIGKILL, starts it again and answers Recover: the file on
# disk is still the old one until Ctrl+S writes what was typed.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf 'first line\nsecond line\n' >"$work/notes.txt"
cp "$work/notes.txt" "$work/original.txt"
records="$XDG_STATE_HOME/quillon/recovery"

start_quillon "$work/notes.txt"
victim=${pids[-1]}
activate_window '^notes\.txt - Quillon$' >/dev/null
sleep 0.5
xdotool key --delay 80 ctrl+Home
xdotool type --delay 80 'typed '
sleep 3
ls "$records"/*.recovery >/dev/null 2>&1 || fail "no recovery record 3 s after typing"
kill -9 "$victim"
wait "$victim" 2>/dev/null || true
expect_same_bytes "$work/notes.txt" "$work/original.txt" "the kill changed the file"

start_quillon
activate_window '^Quillon$' >/dev/null
sleep 0.5
xdotool key --delay 80 Return  # Recover, the box's first button
activate_window '^notes\.txt - Quillon$' >/dev/null
sleep 0.5
expect_same_bytes "$work/notes.txt" "$work/original.txt" "recovering wrote the file"
xdotool key --delay 80 ctrl+s
wait_for_change "$work/notes.txt" "$work/original.txt" "Ctrl+S did not save the recovered text"
printf 'typed first line\nsecond line\n' >"$work/expected.txt"
expect_same_bytes "$work/notes.txt" "$work/expected.txt" "the recovered text is not what was typed"
sleep 0.5
if ls "$records"/*.recovery >/dev/null 2>&1; then fail "a record outlived the save"; fi
echo "PASS: the killed program's typing came back"
