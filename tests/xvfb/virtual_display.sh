# Sourced by the scripted desktop tests: a work folder removed at the end,
# the processes started (their pids in `pids`) stopped then, and a virtual X
# display the Qt programs draw on. The test defines `fail` before sourcing.
# Exits 77 (skipped) only when no virtual display can be started.

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if ! command -v Xvfb >/dev/null; then
  echo "SKIP: Xvfb is not installed (tools/install-deps.sh installs it)"
  exit 77
fi
for tool in "$@"; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh installs it)"
done

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
if [ ! -s "$work/display" ]; then
  echo "SKIP: Xvfb could not start: $(head -c 300 "$work/xvfb.log")"
  exit 77
fi
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
