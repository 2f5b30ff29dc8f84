#!/usr/bin/env bash
# Changes the font size and the background colour through the real "Editor
# Properties" dialog, checks that the open document repaints in them at once,
# and that both are in the settings file after the program ends.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
command -v xwd >/dev/null || fail "xwd is not installed (tools/install-deps.sh installs it)"

# Prints how many pixels of the window have the colour $2 (six hex digits).
count_pixels() {
  xwd -silent -id "$1" >"$work/shot.xwd"
  python3 - "$work/shot.xwd" "$2" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header, width, height = fields[0], fields[4], fields[5]
bits, line, ncolors = fields[11], fields[12], fields[19]
order = fields[7]  # byte order of the pixels: 0 LSB first
assert bits == 32, bits
pixels = header + 12 * ncolors
want = int(sys.argv[2], 16)
count = 0
for y in range(height):
    row = data[pixels + y * line: pixels + y * line + 4 * width]
    for x in range(width):
        p = row[4 * x: 4 * x + 4]
        value = int.from_bytes(p, "little" if order == 0 else "big") & 0xFFFFFF
        count += value == want
print(count)
PY
}

# The value $2 of the settings key whose path ends in "Quillon\$1".
setting() {
  KEY="[HKEY_CURRENT_USER\Software\Quillon Project\Quillon\\$1]" NAME="\"$2\"" awk '
    /^\[/ { inside = ($0 == ENVIRON["KEY"]) }
    inside && index($0, ENVIRON["NAME"] "=") == 1 { print substr($0, length(ENVIRON["NAME"]) + 2) }
  ' "$work/settings.ini"
}

printf '<p>one</p>\n<p>two</p>\n' >"$work/page.html"
start_quillon "$work/page.html"
main=$(activate_window '^page\.html - Quillon$')
sleep 0.5
[ "$(count_pixels "$main" 000080)" -lt 100 ] || fail "the window is navy before the change"

xdotool key --delay 100 alt+t Return
activate_window '^Editor Properties$' >/dev/null
sleep 0.3
# Display: the font size; Colors: the background of "Whitespace" (the first style).
xdotool key --delay 100 ctrl+Tab alt+z ctrl+a
xdotool type --delay 50 '18'
xdotool key --delay 100 ctrl+Tab alt+c ctrl+a
xdotool type --delay 50 'clNavy'
xdotool key --delay 100 Return
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '^Editor Properties$' >/dev/null 2>&1 || break
  sleep 0.05
done
xdotool search --onlyvisible --name '^Editor Properties$' >/dev/null 2>&1 &&
  fail "the dialog did not close on OK"
sleep 0.5

navy=$(count_pixels "$main" 000080)
[ "$navy" -gt 20000 ] || fail "the editor did not repaint in navy ($navy pixels)"

# A click gives the window back the focus the dialog took (there is no
# window manager to do it), so that its menu keys work again.
xdotool mousemove --window "$main" 400 300 click 1
sleep 0.3
xdotool key --delay 120 alt+f x
status=0
wait "${pids[-1]}" || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
[ "$(setting 'CodeEdit\Font' Size)" = 'dword:00000012' ] ||
  fail "the font size is not in the settings"
[ "$(setting 'CodeEdit' Color)" = 'dword:00800000' ] ||
  fail "the background colour is not in the settings"
echo "PASS: the document followed the dialog and the settings kept it"
