#!/usr/bin/env bash
# Inserts a table through the real "Insert Table" dialog (opened from the
# Insert menu) and a link through the real "Hyperlink" dialog (Ctrl+L), saves
# with Ctrl+S and checks the saved bytes.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf 'top\n' >"$work/page.txt"
cp "$work/page.txt" "$work/original.txt"

start_quillon "$work/page.txt"
main=$(activate_window '^page\.txt - Quillon$')
sleep 0.5

# A table of two rows and one column; the rest stays as the dialog offers it.
xdotool key --delay 80 ctrl+End alt+i Down Down Down Return
activate_window '^Insert Table$' >/dev/null
xdotool key --delay 80 ctrl+a
xdotool type --delay 80 '2'
xdotool key --delay 80 Tab ctrl+a
xdotool type --delay 80 '1'
xdotool key --delay 80 Return
sleep 0.5

# A link with a double quote in its address, nothing selected.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --delay 80 ctrl+l
activate_window '^Hyperlink$' >/dev/null
xdotool key --delay 80 Tab ctrl+a
xdotool type --delay 80 'http://example.org/?q="x"'
xdotool key --delay 80 Return
sleep 0.5
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --delay 80 ctrl+s

wait_for_change "$work/page.txt" "$work/original.txt" "nothing was saved"

expected="$work/expected.txt"
{
  printf 'top\n'
  printf '<TABLE cellspacing="0" cellPadding="0" width="100%%" border="0">\n'
  printf '  <TR>\n    <TD>&nbsp;</TD>\n  </TR>\n'
  printf '  <TR>\n    <TD>&nbsp;</TD>\n  </TR>\n'
  printf '</TABLE>'
  printf '<A href="http://example.org/?q=&quot;x&quot;">http://example.org/?q="x"</A>'
} >"$expected"
expect_same_bytes "$work/page.txt" "$expected" "the saved file is not the inserted table and link"
echo "PASS: inserted a table and a link through the real dialogs"
