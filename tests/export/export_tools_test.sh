#!/usr/bin/env bash
# Checks the exports of the samples with outside readers: tidy finds no
# errors in the HTML, its text (read by html5lib) is the document's, and
# LibreOffice reads each RTF back to the document's text, accents included,
# with every colour of the HTML export present in its own HTML.
# Usage: export_tools_test.sh QUILLON   (exit 77: a tool is missing)
set -euo pipefail
quillon=$1
here=$(cd "$(dirname "$0")" && pwd)
samples=$here/../syntax/golden
# Debian's own interpreter, which python3-html5lib installs into.
python=/usr/bin/python3
for tool in tidy soffice $python; do
  command -v $tool >/dev/null || { echo "$tool missing"; exit 77; }
done
$python -c 'import html5lib' 2>/dev/null || { echo "python3-html5lib missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/out" "$work/lo"
cp "$samples"/sample.{css,html,java,js,log,php,shtml,sql,txt,vbs,xml} "$work/in/"
printf 'caf\xc3\xa9 \xe2\x82\xac \xc3\xbcn\xc3\xaf\n\xd0\xbf\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82 {x}\\y\n' >"$work/in/accents.txt"

# The batch mode needs no display.
for f in "$work"/in/*; do
  name=$(basename "$f")
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$quillon" --export-html "$f" "$work/out/$name.html"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$quillon" --export-rtf "$f" "$work/out/$name.rtf"
done

failed=0
for f in "$work"/out/*.html; do
  status=0
  tidy -e -q "$f" 2>"$work/tidy.log" || status=$?
  if [ "$status" -ge 2 ]; then echo "tidy reports errors in $(basename "$f"):"; cat "$work/tidy.log"; failed=1; fi
done

$python - "$work" <<'PY' || failed=1
import html5lib, pathlib, sys
work = pathlib.Path(sys.argv[1])
def text_of(node):
    # <br> is the only line end; the line end after it only formats the file.
    out = []
    def text(s): return (s or '').replace('\r', '').replace('\n', '')
    def walk(n):
        if n.tag.endswith('br'): out.append('\n')
        out.append(text(n.text))
        for c in n: walk(c)
        out.append(text(n.tail))
    walk(node)
    return ''.join(out).replace('\xa0', ' ')
bad = 0
for src in sorted((work / 'in').iterdir()):
    doc = html5lib.parse((work / 'out' / (src.name + '.html')).read_bytes(), namespaceHTMLElements=False)
    got = text_of(doc.find('body'))
    want = src.read_text(encoding='utf-8').replace('\r\n', '\n')
    if got.rstrip('\n') != want.rstrip('\n'):
        print('html text differs:', src.name); bad = 1
    title = doc.find('head/title').text
    if title != src.name:
        print('title differs:', src.name, repr(title)); bad = 1
sys.exit(bad)
PY

# One LibreOffice run per format over all samples.
export HOME=$work/home
soffice --headless --convert-to 'txt:Text (encoded):UTF8' --outdir "$work/lo" "$work"/out/*.rtf >/dev/null 2>&1
soffice --headless --convert-to html --outdir "$work/lo" "$work"/out/*.rtf >/dev/null 2>&1
$python - "$work" <<'PY' || failed=1
import pathlib, re, sys
work = pathlib.Path(sys.argv[1])
bad = 0
for src in sorted((work / 'in').iterdir()):
    base = src.name + '.rtf'
    txt = work / 'lo' / (src.name + '.txt')
    if not txt.exists():
        print('LibreOffice made no text of', base); bad = 1; continue
    got = txt.read_text(encoding='utf-8-sig').replace('\r\n', '\n').rstrip('\n')
    want = src.read_text(encoding='utf-8').replace('\r\n', '\n').rstrip('\n')
    if got != want:
        print('rtf text differs:', src.name); bad = 1
    ours = (work / 'out' / (src.name + '.html')).read_text(encoding='utf-8')
    theirs = (work / 'lo' / (src.name + '.html')).read_text(encoding='utf-8', errors='replace').lower()
    colours = set(re.findall(r'color="(#[0-9A-F]{6})"', ours)) - {'#000000', '#FFFFFF'}
    missing = [c for c in sorted(colours) if c.lower() not in theirs]
    if missing:
        print('colours lost in', base, missing); bad = 1
sys.exit(bad)
PY
exit $failed
