#!/usr/bin/env bash
# Edits a shipped scheme through the real windows: Tools > Edit Syntax
# Schemes, Edit... on SQL, a keyword added to "Reserved words" and the set's
# colour changed, Apply, then OK. The open document must show the change at
# once (its RTF copy on the clipboard), the user's copy of the scheme must
# hold it, and a new start of the program must show it again.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
command -v xclip >/dev/null || fail "xclip is not installed (tools/install-deps.sh installs it)"

printf 'select foo\n' >"$work/q.sql"
user_copy="$XDG_DATA_HOME/quillon/syntaxschemes/sql.sch"

# The document's RTF as the window shows it: the whole text copied.
copy_rtf() {
  xdotool key --delay 80 ctrl+Home ctrl+shift+End ctrl+c
  sleep 0.3
  for _ in $(seq 100); do
    xclip -o -selection clipboard -t text/rtf >"$1" 2>/dev/null && [ -s "$1" ] && return 0
    sleep 0.05
  done
  fail "the clipboard holds no text/rtf after Ctrl+C"
}

# The colour index a word is written in ("\cfN word").
colour_of() {
  grep -o "\\\\cf[0-9]* $2" "$1" | head -n1 | sed 's/^\\cf\([0-9]*\).*/\1/'
}

# Whether the RTF's colour table holds pure green, the colour chosen below.
has_lime() {
  grep -q '\\red0\\green255\\blue0;' "$1"
}

start_quillon "$work/q.sql"
main=$(activate_window '^q\.sql - Quillon$')
sleep 0.5
copy_rtf "$work/before.rtf"
[ -n "$(colour_of "$work/before.rtf" select)" ] || fail "select is not highlighted before the edit"
[ "$(colour_of "$work/before.rtf" select)" != "$(colour_of "$work/before.rtf" foo)" ] ||
  fail "foo is highlighted as a keyword before the edit"

# Tools > Edit Syntax Schemes...: from the Insert menu one to the right, the
# third entry.
xdotool key --delay 120 alt+i Right Down Down Return
sleep 0.5
activate_window '^Syntax Schemes$' >/dev/null
# SQL is the row that typing its name reaches; Edit... is two Tabs on.
xdotool type --delay 80 'SQL'
xdotool key --delay 120 Tab Tab space
sleep 0.8
editor=$(activate_window '^Syntax Scheme Editor$')

# The Keywords page. The focus is in the name box; going back from it
# passes the dialog's buttons, then the page's two lists.
xdotool key --delay 120 alt+7
sleep 0.3
xdotool key --delay 120 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
  shift+Tab shift+Tab shift+Tab
# "Reserved words", then its keyword list's Add.
xdotool key --delay 120 Home Tab Tab Tab Tab Tab space
sleep 0.5
xdotool type --delay 80 'foo'
xdotool key --delay 120 Return
sleep 0.5
# Back to the set's Edit: the style becomes "Custom" in green (Lime).
xdotool key --delay 120 shift+Tab shift+Tab shift+Tab space
sleep 0.5
xdotool key --delay 120 Tab Home Tab Tab
xdotool type --delay 80 'L'
xdotool key --delay 120 Return
sleep 0.5

# Apply and OK end the row of buttons at the dialog's foot, right and left.
click_foot() {
  eval "$(xdotool getwindowgeometry --shell "$editor")"
  xdotool mousemove --window "$editor" "$1" $((HEIGHT - 32)) click 1
}
eval "$(xdotool getwindowgeometry --shell "$editor")"
click_foot $((WIDTH - 60))
for _ in $(seq 100); do [ -f "$user_copy" ] && break; sleep 0.05; done
[ -f "$user_copy" ] || fail "Apply wrote no user copy of the scheme"
# Long strings are written in pieces joined with "+".
joined=$(tr -d '\r\n' <"$user_copy" | sed "s/' *+ *'//g")
grep -q ",exists,foo,foreign," <<<"$joined" || fail "the user copy lacks the added keyword"
grep -q "GlobalAttrID = 'Custom'  *Font.Color = clLime" <<<"$joined" ||
  fail "the user copy lacks the keyword set's new colour"

click_foot 60
sleep 0.5
activate_window '^Syntax Schemes$' >/dev/null
xdotool key --delay 120 Escape
sleep 0.5
main=$(activate_window '^q\.sql - Quillon$')
sleep 0.3

# The document shows the scheme as saved: foo in the colour of select, green.
check_document() {
  copy_rtf "$work/$1.rtf"
  has_lime "$work/$1.rtf" || fail "$2: the document's RTF has no green"
  [ "$(colour_of "$work/$1.rtf" select)" = "$(colour_of "$work/$1.rtf" foo)" ] ||
    fail "$2: foo is not highlighted as the keyword select is"
}
check_document after "after OK"

kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
start_quillon "$work/q.sql"
main=$(activate_window '^q\.sql - Quillon$')
sleep 0.5
check_document restarted "after a restart"
[ "$(cat "$work/q.sql")" = "select foo" ] || fail "the document itself changed"
echo "PASS: a keyword and a colour edited in the scheme editor show at once and after a restart"
