#!/usr/bin/env bash
# Opens a KOI8-R file that the settings have read as windows-1251, runs
# "KOI >> WIN" from the Convert menu of the real window, saves with Ctrl+S
# and checks that the file now holds the same text in windows-1251 bytes,
# its NUL, signs and line breaks kept.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

cat >"$QUILLON_SETTINGS_FILE" <<'SETTINGS'
; Quillon settings 1
[HKEY_CURRENT_USER\Software\Quillon Project\Quillon\System]
"CodePage"="windows-1251"
; end
SETTINGS

# "Hello, world!" in Russian, a NUL, KOI8-R's copyright sign (0xBF) and its
# small and capital a (0xC1, 0xE1).
printf '\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2!\n\x00\xBF \xC1\xE1\n' >"$work/koi.txt"
cp "$work/koi.txt" "$work/original.txt"

start_quillon "$work/koi.txt"
# The NUL makes the program ask before it opens the file as text: Yes.
activate_window '^Quillon$' >/dev/null
xdotool key --delay 80 Return
activate_window '^koi\.txt - Quillon$' >/dev/null
sleep 0.5

# Convert menu, its third entry.
xdotool key --delay 120 alt+c
sleep 0.3
xdotool key --delay 120 Down Down Return
sleep 0.3
xdotool key --delay 80 ctrl+s

wait_for_change "$work/koi.txt" "$work/original.txt" "the file was not converted and saved"

expected="$work/expected.txt"
printf '\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!\n\x00\xA9 \xE0\xC0\n' >"$expected"
expect_same_bytes "$work/koi.txt" "$expected" "the saved file is not the windows-1251 text"
echo "PASS: the KOI8-R file was saved as windows-1251 text"
