#!/usr/bin/env bash
# In the real main window: rich text another program put on the clipboard
# (text/rtf, placed with xclip) is pasted with Ctrl+V into a document without
# a scheme; selecting everything and copying it back gives RTF in which the
# pasted word is still bold and red, and plain text that is the pasted text.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
command -v xclip >/dev/null || fail "xclip is not installed (tools/install-deps.sh installs it)"

printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red255\green0\blue0;}' \
  '\pard\plain\f0\fs20 plain {\b\cf1 red}\par}' >"$work/pasted.rtf"

start_quillon
activate_window '^Untitled - Quillon$' >/dev/null
sleep 0.5

# Another program owns the clipboard and offers only rich text.
xclip -selection clipboard -t text/rtf -i "$work/pasted.rtf"
xdotool key --delay 80 ctrl+v ctrl+a ctrl+c

# The program owns the clipboard from the copy on; xclip asks it.
plain=
for _ in $(seq 100); do
  plain=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | tr -d "\r\n" || true)
  [ "$plain" = "plain red" ] && break
  sleep 0.05
done
[ "$plain" = "plain red" ] || fail "the pasted text reads \"$plain\", not \"plain red\""
xclip -o -selection clipboard -t text/rtf >"$work/copied.rtf" ||
  fail "the copy after the paste put no RTF on the clipboard"

grep -q '\\red255\\green0\\blue0' "$work/copied.rtf" ||
  fail "the pasted word lost its red colour: $(cat "$work/copied.rtf")"
grep -Eq '\\b[ {\\]' "$work/copied.rtf" ||
  fail "the pasted word lost its bold: $(cat "$work/copied.rtf")"
echo "PASS: RTF from another program pasted with its colour and bold"
