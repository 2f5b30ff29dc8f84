#!/usr/bin/env bash
# Starts the program on a settings file it cannot read: a window tells the
# user that the file was moved aside and the defaults are used, once, and
# the main window follows.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/quillon.log" ] && { echo "--- program output:" >&2; cat "$work/quillon.log" >&2; }
  exit 1
}

source "$(dirname "$0")/virtual_display.sh" xdotool
export QUILLON_SETTINGS_FILE="$work/settings.ini"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
printf '; Quillon settings 1\n[broken\n' >"$QUILLON_SETTINGS_FILE"

"$quillon" >"$work/quillon.log" 2>&1 &
pids+=($!)
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillon$' | head -n1) ||
  fail "no window told of the unreadable settings"
[ -f "$work/settings.ini.bad" ] || fail "the unreadable settings were not kept aside"
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key --delay 80 Return
timeout 20 xdotool search --sync --onlyvisible --name '^Untitled - Quillon$' >/dev/null ||
  fail "the main window did not follow the message"
grep -q 'settings.ini.bad' "$work/quillon.log" || fail "the message did not name the kept file"
echo "PASS: the unreadable settings were reported in a window"
