# Sourced by the printing tests: the text of a PDF's pages and of a document,
# each line without the blanks around it, blank lines and page breaks left out.

# pdf_lines FILE FIRST LAST
pdf_lines() {
  pdftotext -layout -f "$2" -l "$3" "$1" - | tr -d '\f' | sed 's/^[[:space:]]*//; s/[[:space:]]*$//' | grep -v '^$' || true
}

# file_lines FILE, with TABs expanded
file_lines() {
  expand "$1" | sed 's/^[[:space:]]*//; s/[[:space:]]*$//' | grep -v '^$' || true
}

pdf_pages() {
  pdfinfo "$1" | awk '/^Pages:/ {print $2}'
}
