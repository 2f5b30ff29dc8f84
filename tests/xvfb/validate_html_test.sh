#!/usr/bin/env bash
# Opens a page with an unclosed <div> and PHP inside an attribute in the real
# window, runs Tools > Validate HTML, chooses the first message of the
# validator panel with Down and Enter, types a character there and saves:
# the character must stand at the line and column of the unclosed element.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

printf '<!DOCTYPE html>\n<html>\n<head><title>t</title></head>\n<body>\n\t<div class="<?= $c ?>">\n<p>x</p>\n</body>\n</html>\n' >"$work/page.php"
cp "$work/page.php" "$work/original.php"

start_quillon "$work/page.php"
activate_window '^page\.php - Quillon$' >/dev/null
sleep 0.5

# From the View menu four menus right to Tools; from its last entry (the
# wizard) three up, past the validator's options and the batch validator.
xdotool key --delay 120 alt+v
sleep 0.3
xdotool key --delay 120 Right Right Right Right
sleep 0.3
xdotool key --delay 120 End Up Up Up Return
sleep 0.5
# The panel's list has the focus on its first message: chosen.
xdotool key --delay 120 Return
sleep 0.3
xdotool type --delay 80 'X'
xdotool key --delay 80 ctrl+s

wait_for_change "$work/page.php" "$work/original.php" "nothing was typed and saved"
expected="$work/expected.php"
printf '<!DOCTYPE html>\n<html>\n<head><title>t</title></head>\n<body>\n\tX<div class="<?= $c ?>">\n<p>x</p>\n</body>\n</html>\n' >"$expected"
expect_same_bytes "$work/page.php" "$expected" "the message did not lead to the unclosed <div>"
echo "PASS: the validator's message led to the unclosed element"
