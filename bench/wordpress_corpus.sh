#!/usr/bin/env bash
# Prepares the PHP corpus of the export benchmark and prints its path:
# the PHP sources of Debian's "wordpress" package (a public, versioned
# source every Debian mirror serves), concatenated in path order and
# repeated until the corpus holds BYTES bytes (default 21 000 000), cut at a
# line end. Everything is kept in CACHE (the package, its files, the corpus),
# so a second run costs nothing.
# Usage: wordpress_corpus.sh CACHE [BYTES]
set -euo pipefail
cache=$1
bytes=${2:-21000000}
corpus="$cache/wordpress-$bytes.php"
if [ -s "$corpus" ]; then
  echo "$corpus"
  exit 0
fi
mkdir -p "$cache"
cd "$cache"
if ! ls wordpress_*.deb >/dev/null 2>&1; then
  apt-get download wordpress >&2 || { echo "cannot download the wordpress package" >&2; exit 1; }
fi
rm -rf tree
dpkg-deb -x "$(ls wordpress_*.deb | head -n1)" tree
# Regular files only: the package links some of its PHP to other packages.
mapfile -d '' sources < <(find tree -type f -name '*.php' -print0 | LC_ALL=C sort -z)
[ ${#sources[@]} -gt 0 ] || { echo "the package holds no PHP files" >&2; exit 1; }
partial="$corpus.partial"
: >"$partial"
while [ "$(stat -c %s "$partial")" -lt "$bytes" ]; do
  cat "${sources[@]}" >>"$partial"
done
# Cut to the wanted size, then back to the last complete line.
head -c "$bytes" "$partial" | sed '$d' >"$partial.cut"
mv "$partial.cut" "$corpus"
rm -rf "$partial" tree
echo "$corpus"
