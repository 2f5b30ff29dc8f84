#!/usr/bin/env bash
# In the real main window: selects one line of a script with the keyboard,
# copies it with Ctrl+C, and reads the system clipboard back with xclip. The
# plain text must be the selected line, and the rich text (text/rtf) must be
# byte for byte what the batch export writes for a file holding just that
# line, highlighted with the same scheme: colours, fonts and the accented
# letter included.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
command -v xclip >/dev/null || fail "xclip is not installed (tools/install-deps.sh installs it)"

selected='var greeting = "café", n = 0x1F; /* hi */ return greeting; // done'
printf 'function f() {\n%s\n}\n' "$selected" >"$work/page.js"
printf '%s' "$selected" >"$work/selected.js"
"$quillon" --export-rtf "$work/selected.js" "$work/expected.rtf" ||
  fail "the batch export of the selected line failed"

start_quillon "$work/page.js"
activate_window '^page\.js - Quillon$' >/dev/null
sleep 0.5

# The second line, from its start to its end.
xdotool key --delay 80 ctrl+Home Down Home shift+End ctrl+c

# The program owns the clipboard from the copy on; xclip asks it.
for _ in $(seq 100); do
  xclip -o -selection clipboard -t text/rtf >"$work/clipboard.rtf" 2>/dev/null && 
    [ -s "$work/clipboard.rtf" ] && break
  sleep 0.05
done
[ -s "$work/clipboard.rtf" ] || fail "the clipboard holds no text/rtf after Ctrl+C"

plain=$(xclip -o -selection clipboard -t UTF8_STRING)
[ "$plain" = "$selected" ] || fail "the clipboard's plain text is \"$plain\", not the selected line"

grep -q 'caf\\u233?' "$work/clipboard.rtf" || fail "the accented letter is not in the clipboard's RTF"
expect_same_bytes "$work/clipboard.rtf" "$work/expected.rtf" \
  "the clipboard's RTF is not the export of the selected line"
echo "PASS: Copy put the selection's RTF export and its text on the clipboard"
