#!/usr/bin/env bash
# Prints documents to PDF with "quillon --print-pdf IN OUT.pdf" and no display
# at all, and reads the files back with poppler's tools: every shipped sample
# comes out line for line, the header counts the pages the file has, a long
# line wraps on to the next row and over a page break, colour reaches the
# paper only when asked for, and a print that fails leaves no file behind.
set -euo pipefail

quillon=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
samples="$(cd "$(dirname "$0")/../syntax/golden" && pwd)"

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/err" ] && { echo "--- program output:" >&2; cat "$work/err" >&2; }
  exit 1
}
for tool in pdftotext pdfinfo pdftoppm python3; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh installs it)"
done

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
export QUILLON_SETTINGS_FILE="$work/settings.ini"

# Saved print options, as bits: 1 wrap, 2 colour, 8 header, 16 line numbers,
# 32 syntax, 64 progress.
use_options() {
  printf '; Quillon settings 1\n[HKEY_CURRENT_USER\\Software\\Quillon Project\\Quillon\\System]\n"PrintOptions"=dword:%08x\n; end\n' "$1" >"$QUILLON_SETTINGS_FILE"
}

# Prints $1 to $2 with no display and no platform named.
print_pdf() {
  env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$quillon" --print-pdf "$1" "$2" 2>"$work/err"
}

source "$(dirname "$0")/pdf_text.sh"

# 1. Every sample, plain (with the progress option on, which a print without
#    a window leaves out): the document's lines and nothing else.
use_options 64
for sample in "$samples"/sample.*; do
  case "$sample" in *.dump) continue ;; esac
  out="$work/$(basename "$sample").pdf"
  print_pdf "$sample" "$out" || fail "printing $(basename "$sample") failed"
  diff <(file_lines "$sample") <(pdf_lines "$out" 1 999) >"$work/diff" ||
    { cat "$work/diff" >&2; fail "$(basename "$sample") did not print line for line"; }
done

# 2. Header and line numbers: "Page i/N" on each of the N pages the file has.
for i in $(seq 1 400); do echo "row $i"; done >"$work/long.txt"
use_options $((8 + 16))
print_pdf "$work/long.txt" "$work/long.pdf" || fail "printing long.txt failed"
pages=$(pdf_pages "$work/long.pdf")
[ "$pages" -ge 2 ] || fail "400 lines printed on $pages page(s)"
for page in $(seq 1 "$pages"); do
  pdf_lines "$work/long.pdf" "$page" "$page" | head -n1 | grep -q "long.txt .*Page $page/$pages$" ||
    fail "page $page does not carry the header \"... Page $page/$pages\""
done
[ "$(pdf_lines "$work/long.pdf" 1 1 | sed -n 2p)" = "1 row 1" ] || fail "line numbers are missing"
rows=$(pdf_lines "$work/long.pdf" 1 1 | grep -c ' row ')
last=$(pdf_lines "$work/long.pdf" "$pages" "$pages" | tail -n1)
[ "$last" = "400 row 400" ] || fail "the last page ends with \"$last\""

# 3. A long line after rows-1 short ones starts on the last row of page 1 and
#    continues on the next rows of page 2.
{
  for i in $(seq 1 $((rows - 1))); do echo "short $i"; done
  for i in $(seq -w 1 60); do printf 'word%s ' "$i"; done
  echo
} >"$work/wrap.txt"
use_options $((1 + 8))
print_pdf "$work/wrap.txt" "$work/wrap.pdf" || fail "printing wrap.txt failed"
[ "$(pdf_pages "$work/wrap.pdf")" = 2 ] || fail "the wrapped line did not reach page 2"
pdf_lines "$work/wrap.pdf" 1 1 | tail -n1 | grep -q '^word01 ' || fail "page 1 does not end with the long line's start"
page2=$(pdf_lines "$work/wrap.pdf" 2 2 | sed 1d)
[ "$(printf '%s\n' "$page2" | wc -l)" -ge 1 ] || fail "nothing on page 2 below the header"
joined=$(
  pdf_lines "$work/wrap.pdf" 1 1 | tail -n1
  printf '%s\n' "$page2"
)
expected=$(for i in $(seq -w 1 60); do printf 'word%s\n' "$i"; done)
[ "$(printf '%s\n' "$joined" | tr -s ' ' '\n')" = "$expected" ] ||
  fail "the wrapped rows do not give back the line"

# 4. Colour reaches the paper only with the colour option.
coloured_pixels() {
  pdftoppm -png -r 50 -f 1 -l 1 "$1" "$work/shot"
  python3 - "$work/shot-1.png" <<'PY'
import sys, zlib, struct
data = open(sys.argv[1], 'rb').read()
pos, idat, width, height = 8, b'', 0, 0
while pos < len(data):
    length, kind = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    if kind == b'IHDR':
        width, height, depth, ctype = struct.unpack('>IIBB', body[:10])
        assert depth == 8 and ctype == 2, 'expected 8-bit RGB'
    if kind == b'IDAT':
        idat += body
    pos += 12 + length
raw, stride, prev, coloured = zlib.decompress(idat), width * 3, bytearray(width * 3), 0
for y in range(height):
    f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - 3] if i >= 3 else 0
        b, c = prev[i], (prev[i - 3] if i >= 3 else 0)
        p = a + b - c
        pred = [0, a, b, (a + b) // 2, a if abs(p - a) <= min(abs(p - b), abs(p - c)) else (b if abs(p - b) <= abs(p - c) else c)][f]
        line[i] = (line[i] + pred) & 0xFF
    for x in range(width):
        r, g, b = line[3 * x:3 * x + 3]
        coloured += max(r, g, b) - min(r, g, b) > 40
    prev = line
print(coloured)
PY
}
use_options $((32 + 2))
print_pdf "$samples/sample.html" "$work/colour.pdf" || fail "colour print failed"
[ "$(coloured_pixels "$work/colour.pdf")" -gt 20 ] || fail "the colour print shows no colour"
use_options 32
print_pdf "$samples/sample.html" "$work/mono.pdf" || fail "monochrome print failed"
[ "$(coloured_pixels "$work/mono.pdf")" = 0 ] || fail "the monochrome print shows colour"

# 5. A print that fails writes nothing: a missing document keeps the old file,
#    a missing folder gets none, and no temporary is left.
mkdir "$work/out"
echo old >"$work/out/keep.pdf"
print_pdf "$work/missing.txt" "$work/out/keep.pdf" && fail "a missing document printed"
grep -q 'does not exist' "$work/err" || fail "no message for the missing document"
[ "$(cat "$work/out/keep.pdf")" = old ] || fail "the old file was changed"
print_pdf "$work/long.txt" "$work/nowhere/x.pdf" && fail "printing into a missing folder succeeded"
[ ! -e "$work/nowhere" ] || fail "a folder was made"
[ "$(ls -A "$work/out")" = keep.pdf ] || fail "files were left in the folder: $(ls -A "$work/out")"
print_pdf "$work/long.txt" "$work/out/keep.pdf" || fail "printing over an old file failed"
[ "$(head -c 5 "$work/out/keep.pdf")" = "%PDF-" ] || fail "the old file was not replaced"
[ "$(ls -A "$work/out")" = keep.pdf ] || fail "files were left in the folder: $(ls -A "$work/out")"
"$quillon" --print-pdf "$work/long.txt" 2>"$work/err" && fail "one argument was accepted"
grep -q usage "$work/err" || fail "no usage line for a wrong call"

echo "PASS: $(ls "$samples" | grep -vc dump) samples, $pages pages of 400 lines, wrapping, colour and failures"
