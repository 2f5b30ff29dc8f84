#!/usr/bin/env bash
# Opens a page in the real main window, types into it, presses F11 and checks
# that the preview copy beside the page holds the unsaved text and that the
# web engine drew the page; F11 again returns to the code and removes the copy.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
# The engine runs without its sandbox as root and without a GPU here.
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu"

printf '<html><body><h1>Preview heading</h1></body></html>\n' >"$work/page.html"
copy="$work/qwil_tempfile.html"

start_quillon "$work/page.html"
activate_window '^page\.html - Quillon$' >/dev/null
sleep 0.5
xdotool key --delay 80 ctrl+Home
xdotool type --delay 80 'Z'
xdotool key --delay 80 F11

for _ in $(seq 100); do [ -s "$copy" ] && break; sleep 0.05; done
[ -s "$copy" ] || fail "F11 wrote no preview copy"
grep -q '^Z<html>' "$copy" || fail "the preview copy lacks the unsaved edit: $(head -c 200 "$copy")"
cmp -s "$work/page.html" <(printf '<html><body><h1>Preview heading</h1></body></html>\n') ||
  fail "the preview changed the document's own file"

# The page area turns from blank to drawn text: the window's picture changes
# once the engine has painted, and keeps dark pixels of the heading.
if command -v xwd >/dev/null; then
  drawn=""
  for _ in $(seq 60); do
    sleep 0.25
    # The web view may make the window native anew: look it up each time.
    window=$(xdotool search --onlyvisible --name '^page\.html - Quillon$' | tail -n1)
    xwd -silent -id "$window" >"$work/window.xwd" 2>/dev/null || continue
    # Count pixels of the 24-bit picture darker than grey, skipping its header.
    dark=$(python3 - "$work/window.xwd" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
header = struct.unpack(">25I", data[:100])
size, width, height, bpl, ncolors = header[0], header[4], header[5], header[12], header[19]
pixels = data[size + ncolors * 12:]
top = 80  # below the menu and the toolbars
dark = 0
for y in range(top, height - 40):
    row = pixels[y * bpl:(y + 1) * bpl]
    for x in range(0, width * 4, 16):
        b, g, r = row[x], row[x + 1], row[x + 2]
        if r + g + b < 150:
            dark += 1
print(dark)
PY
)
    [ "$dark" -gt 20 ] && { drawn=yes; break; }
  done
  [ -n "$drawn" ] || fail "the preview shows no page (dark pixels: $dark)"
fi

xdotool key --delay 80 F11
for _ in $(seq 100); do [ -e "$copy" ] || break; sleep 0.05; done
[ ! -e "$copy" ] || fail "F11 back to the code left the preview copy behind"
echo "PASS: F11 shows the edited page and F11 returns to the code"
