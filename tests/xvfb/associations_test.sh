#!/usr/bin/env bash
# The start-up check in the real window: extensions the settings track but
# the desktop does not associate are offered in "File Associations Changed";
# OK makes the program their default (as the desktop's own xdg-mime reads
# it), and a default another program takes afterwards is offered again but
# never taken back without the user's OK.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"
unset XDG_CURRENT_DESKTOP
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

cat >"$QUILLON_SETTINGS_FILE" <<'INI'
; Quillon settings 1
[HKEY_CURRENT_USER\Software\Quillon Project\Quillon\System]
"AssocExts"="php,"
"UserExts"="html"
; end
INI

# The default program of MIME type $1, as the desktop tools see it.
default_of() {
  if command -v xdg-mime >/dev/null; then
    xdg-mime query default "$1"
  else
    sed -n "s|^$1=\([^;]*\).*|\1|p" "$XDG_CONFIG_HOME/mimeapps.list"
  fi
}

stop_quillon() {
  kill "${pids[-1]}"
  wait "${pids[-1]}" 2>/dev/null || true
}

start_quillon
activate_window '^File Associations Changed$' >/dev/null
xdotool key --delay 80 Return
activate_window '^Untitled - Quillon$' >/dev/null

for _ in $(seq 100); do [ -f "$XDG_DATA_HOME/applications/quillon.desktop" ] && break; sleep 0.05; done
entry="$XDG_DATA_HOME/applications/quillon.desktop"
[ -f "$entry" ] || fail "no desktop entry was written"
grep -qxF "Exec=$quillon %F" "$entry" || grep -qF "Exec=\"$quillon\" %F" "$entry" ||
  fail "the desktop entry does not start this program: $(grep ^Exec "$entry")"
for type in application/x-php text/html; do
  [ "$(default_of "$type")" = quillon.desktop ] ||
    fail "$type opens with '$(default_of "$type")', not quillon.desktop"
done
if command -v update-desktop-database >/dev/null; then
  [ -f "$XDG_DATA_HOME/applications/mimeinfo.cache" ] || fail "the desktop's cache was not refreshed"
fi
stop_quillon

# Another program takes PHP files; the next start offers them back, and
# Cancel leaves the other program's choice alone.
if command -v xdg-mime >/dev/null; then
  xdg-mime default vim.desktop application/x-php
else
  sed -i 's|^application/x-php=.*|application/x-php=vim.desktop;|' "$XDG_CONFIG_HOME/mimeapps.list"
fi
start_quillon
activate_window '^File Associations Changed$' >/dev/null
xdotool key --delay 80 Escape
activate_window '^Untitled - Quillon$' >/dev/null
stop_quillon
[ "$(default_of application/x-php)" = vim.desktop ] || fail "the other program's default was taken back"
[ "$(default_of text/html)" = quillon.desktop ] || fail "an untouched association was lost"
echo "PASS: lost associations were offered at start and restored only on OK"
