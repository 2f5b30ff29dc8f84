#!/usr/bin/env bash
# Starts the program on a settings file it cannot read: a window tells the
# user that the file was moved aside and the defaults are used, once, and
# the main window follows.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf '; Quillon settings 1\n[broken\n' >"$QUILLON_SETTINGS_FILE"

start_quillon
activate_window '^Quillon$' >/dev/null
[ -f "$work/settings.ini.bad" ] || fail "the unreadable settings were not kept aside"
xdotool key --delay 80 Return
activate_window '^Untitled - Quillon$' >/dev/null
grep -q 'settings.ini.bad' "$work/quillon.log" || fail "the message did not name the kept file"
echo "PASS: the unreadable settings were reported in a window"
