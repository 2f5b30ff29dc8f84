# Sourced by the tests that drive the real program: the virtual display, a
# settings file, config, data and state folders of the test's own, and
# helpers to start the program and wait for one of its windows.
# The test sets `quillon` (the program) before sourcing.

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/quillon.log" ] && { echo "--- program output:" >&2; cat "$work/quillon.log" >&2; }
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh" xdotool
export QUILLON_SETTINGS_FILE="$work/settings.ini"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"

# Starts the program with the given arguments in the background.
start_quillon() {
  "$quillon" "$@" >"$work/quillon.log" 2>&1 &
  pids+=($!)
}

# Waits for a visible window whose title matches $1, makes it the active one
# and prints its id.
activate_window() {
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1) ||
    fail "no window titled $1 appeared"
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  echo "$window"
}

# Waits up to five seconds for file $1 to differ from its copy $2; fails
# with message $3 when it never does.
wait_for_save() {
  for _ in $(seq 100); do
    cmp -s "$1" "$2" || return 0
    sleep 0.05
  done
  fail "$3"
}
