#!/usr/bin/env bash
# Opens a PHP class file in the real window (the query class of the
# wordpress package when it is installed, else one written here), shows
# View > Code Explorer, goes down the tree to the class's first method with
# the keys, chooses it with Enter, types a character and saves: the character
# must stand before that method's name.
# Exits 77 (skipped) only when no virtual display can be started.
set -euo pipefail

quillon=$1
source "$(dirname "$0")/quillon_window.sh"

query=/usr/share/wordpress/wp-includes/class-wp-query.php
if [ -f "$query" ]; then
  cp "$query" "$work/class-wp-query.php"
else
  cat >"$work/class-wp-query.php" <<'PHP'
<?php
/**
 * Query API: a class { that } only looks like one in a comment
 */
#[AllowDynamicProperties]
class WP_Query {
	public $query;

	public function init_query_flags() {
		$this->is_single = false;
	}

	public function init() {
		unset( $this->posts );
	}
}
PHP
fi
cp "$work/class-wp-query.php" "$work/original.php"
# The line of the first method and where its name starts.
method_line=$(grep -n -m1 -E '^\s*(public |private |protected |static )*function ' "$work/original.php" | cut -d: -f1)
[ -n "$method_line" ] || fail "the class file has no method"

start_quillon "$work/class-wp-query.php"
activate_window '^class-wp-query\.php - Quillon$' >/dev/null
sleep 0.5

xdotool key --delay 120 alt+v
sleep 0.3
xdotool key --delay 120 c
sleep 0.5
# The tree has the focus on its first row, the class: down to its first method.
xdotool key --delay 120 Down Return
sleep 0.3
xdotool type --delay 80 'X'
xdotool key --delay 80 ctrl+s

wait_for_change "$work/class-wp-query.php" "$work/original.php" "nothing was typed and saved"
line=$(sed -n "${method_line}p" "$work/class-wp-query.php")
echo "$line" | grep -qE 'function X[A-Za-z_]' || fail "line $method_line reads '$line', not X before the method's name"
changed=$(diff "$work/original.php" "$work/class-wp-query.php" | grep -c '^[<>]' || true)
[ "$changed" = 2 ] || fail "diff shows $changed changed lines, not one line each side"
echo "PASS: the code explorer led to the class's first method"
