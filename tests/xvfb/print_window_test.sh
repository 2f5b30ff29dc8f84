#!/usr/bin/env bash
# Prints from the real main window: Ctrl+P opens the program's "Print"
# dialog, "Setup..." the desktop's print dialog, whose PDF output (the only
# one where no printer is installed) takes the file name it offers in the
# current folder; OK prints with the progress window. A second print with a
# selection prints only the selected lines under "<Selected block>".
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
source "$(dirname "$0")/pdf_text.sh"
command -v pdftotext >/dev/null || fail "pdftotext is not installed (tools/install-deps.sh installs it)"

# The desktop's dialog offers a file in the current folder (or the home folder).
export HOME="$work"
cd "$work"
printf 'one\n\ttwo\nthree\nfour\n' >"$work/page.txt"
# Header, line numbers, syntax, colour and the progress window.
printf '; Quillon settings 1\n[HKEY_CURRENT_USER\\Software\\Quillon Project\\Quillon\\System]\n"PrintOptions"=dword:%08x\n; end\n' \
  $((8 + 16 + 32 + 2 + 64)) >"$QUILLON_SETTINGS_FILE"

start_quillon "$work/page.txt"
main=$(activate_window '^page\.txt - Quillon$')
sleep 0.5

# Waits for the file to be written in full (the progress window prints a
# page a tick) and prints its lines.
wait_for_pdf() {
  for _ in $(seq 100); do
    [ -s "$work/print.pdf" ] && pdfinfo "$work/print.pdf" >/dev/null 2>&1 && break
    sleep 0.1
  done
  [ -s "$work/print.pdf" ] || fail "no PDF was written: $(ls -A "$work")"
  pdf_lines "$work/print.pdf" 1 999
}

xdotool key --delay 80 ctrl+p
activate_window '^Print$' >/dev/null
xdotool key --delay 80 alt+t
# The desktop's dialog is the second window titled "Print".
for _ in $(seq 100); do
  [ "$(xdotool search --onlyvisible --name '^Print$' | wc -l)" -ge 2 ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --name '^Print$' | wc -l)" -ge 2 ] || fail "Setup... opened no dialog"
sleep 0.5
xdotool key --delay 100 Return
sleep 0.5
xdotool key --delay 100 Return
text=$(wait_for_pdf)
expected=$(printf '%s\n' "$work/page.txt Page 1/1" "1 one" "2 two" "3 three" "4 four")
[ "$(printf '%s\n' "$text" | tr -s ' ')" = "$expected" ] ||
  fail "the document printed as: $text"

# Select the first two lines and print again: the same PDF file, the selection only.
rm "$work/print.pdf"
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --delay 80 ctrl+Home shift+Down shift+Down
xdotool key --delay 80 ctrl+p
activate_window '^Print Selection$' >/dev/null
sleep 0.3
xdotool key --delay 100 Return
text=$(wait_for_pdf)
# The selection ends at the start of line 3, which it holds as an empty line.
expected=$(printf '%s\n' "<Selected block> Page 1/1" "1 one" "2 two" "3")
[ "$(printf '%s\n' "$text" | tr -s ' ')" = "$expected" ] ||
  fail "the selection printed as: $text"
leftovers=$(ls -A "$work" | grep -v -x -e display -e xvfb.log -e quillon.log -e settings.ini \
  -e page.txt -e print.pdf -e config -e data -e state -e .config -e .local -e .cache || true)
[ -z "$leftovers" ] || fail "files were left behind: $leftovers"
echo "PASS: printed the document and a selection to PDF from the window"
