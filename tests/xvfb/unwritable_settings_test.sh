#!/usr/bin/env bash
# Runs the program where its settings cannot be written (the settings file's
# folder is a plain file, which stops root too): at exit a window says the
# settings could not be saved and where, and the program still ends normally.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

: >"$work/not-a-folder"
export QUILLON_SETTINGS_FILE="$work/not-a-folder/settings.ini"

start_quillon
activate_window '^Untitled - Quillon$' >/dev/null
xdotool key --delay 120 alt+f x
activate_window '^(Quillon|Error)$' >/dev/null
grep -q 'could not save its settings' "$work/quillon.log" || fail "the failure was not told"
grep -q 'not-a-folder' "$work/quillon.log" || fail "the message did not say where"
xdotool key --delay 80 Return
status=0
wait "${pids[-1]}" || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "PASS: the unsaved settings were told and the program ended normally"
