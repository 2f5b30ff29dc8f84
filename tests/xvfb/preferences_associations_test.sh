#!/usr/bin/env bash
# Preferences > Integration in the real window: checking PHP and typing
# "html" makes the program the default for both types (as the desktop's own
# xdg-mime reads it); unchecking them again gives PHP files back to the
# program that had them before.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
unset XDG_CURRENT_DESKTOP
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
command -v xdg-mime >/dev/null || { echo "SKIP: xdg-mime is not installed"; exit 77; }
xdg-mime default vim.desktop application/x-php
# Esc ends the program normally, so the settings are saved: after a dialog
# the menu bar's mnemonics do not reach the window here.
cat >"$QUILLON_SETTINGS_FILE" <<'INI'
; Quillon settings 1
[HKEY_CURRENT_USER\Software\Quillon Project\Quillon\System]
"UseEscKey"=dword:00000001
; end
INI

# Opens Tools > Preferences... (the Insert menu has a mnemonic, Tools is the
# next one, and Preferences its second entry, after Editor Options), then
# types the keys.
preferences() {
  local main
  main=$(activate_window '^Untitled - Quillon$')
  sleep 0.5
  xdotool key --delay 80 alt+i Right Down Return
  activate_window '^Preferences$' >/dev/null
  sleep 0.3
  xdotool key --delay 80 "$@"
  xdotool key --delay 80 Return
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  sleep 0.3
  xdotool key --delay 120 Escape
  for _ in $(seq 100); do kill -0 "${pids[-1]}" 2>/dev/null || break; sleep 0.05; done
  kill -0 "${pids[-1]}" 2>/dev/null && fail "Esc did not end the program"
  return 0
}

# From the page tab: two Tabs reach the PHP group, ten more "Other extensions:".
start_quillon
preferences Tab Tab space Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab h t m l
[ "$(xdg-mime query default application/x-php)" = quillon.desktop ] ||
  fail "PHP files open with $(xdg-mime query default application/x-php)"
[ "$(xdg-mime query default text/html)" = quillon.desktop ] ||
  fail "HTML files open with $(xdg-mime query default text/html)"
grep -q '"UserExts"="html"' "$QUILLON_SETTINGS_FILE" || fail "the typed extension is not tracked"

start_quillon
preferences Tab Tab space Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+a BackSpace
[ "$(xdg-mime query default application/x-php)" = vim.desktop ] ||
  fail "PHP files did not go back to the program before: $(xdg-mime query default application/x-php)"
[ "$(xdg-mime query default text/html)" != quillon.desktop ] || fail "HTML files stayed ours"
[ ! -e "$XDG_DATA_HOME/applications/quillon.desktop" ] || fail "the desktop entry was left behind"
echo "PASS: Preferences associated PHP and HTML files and gave them back"
