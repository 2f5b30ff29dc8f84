#include "textmodel/urlmarker.h"

#include "textmodel/qsstring.h"

#include <algorithm>
#include <array>

namespace qs {
namespace {

bool IsWordChar(Char c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         c == U'_';
}

// A fragment ("#top") and percent-escapes belong to the address too.
bool IsUrlChar(Char c) {
  return IsWordChar(c) || StringView(U"#%&+-./:=?@~").find(c) != StringView::npos;
}

// Candidates hold only ASCII characters, so ASCII folding is exact here.
Char FoldAscii(Char c) {
  return c >= U'A' && c <= U'Z' ? c + 32 : c;
}

bool StartsWithNoCase(StringView s, StringView lowerPrefix) {
  if (s.size() < lowerPrefix.size()) return false;
  for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
    if (FoldAscii(s[i]) != lowerPrefix[i]) return false;
  return true;
}

bool LooksLikeMail(StringView s) {
  if (s.find(U"://") != StringView::npos) return false;
  const std::size_t at = s.find(U'@');
  if (at == StringView::npos || s.find(U'@', at + 1) != StringView::npos) return false;
  return at + 1 < s.size() && IsWordChar(s[at + 1]) && s.find(U'.', at) != StringView::npos;
}

bool IsUrl(StringView s) {
  // Secure web addresses are addresses too.
  static constexpr std::array<StringView, 6> kPrefixes = {U"www.",      U"http://", U"https://",
                                                          U"gopher://", U"ftp://",  U"mailto:"};
  return std::any_of(kPrefixes.begin(), kPrefixes.end(),
                     [&](StringView p) { return StartsWithNoCase(s, p); }) ||
         LooksLikeMail(s);
}

}  // namespace

void MarkUrls(StringView text, std::string& styleBytes) {
  if (styleBytes.size() != text.size()) return;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!IsWordChar(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && IsUrlChar(text[end])) ++end;
    // A full stop or comma that ends an address belongs to the sentence.
    while (end > i + 1 && (text[end - 1] == U'.' || text[end - 1] == U',')) --end;
    if (IsUrl(text.substr(i, end - i)))
      std::fill(styleBytes.begin() + static_cast<std::ptrdiff_t>(i),
                styleBytes.begin() + static_cast<std::ptrdiff_t>(end),
                static_cast<char>(kUrlStyleByte));
    i = end + (end < text.size() ? 1 : 0);
  }
}

void MarkLineUrls(TCustomMemoSource& source, std::int32_t line) {
  TStringItem* item = source.GetLineItem(line);
  if (!item || source.KeepsStyleBytes()) return;
  MarkUrls(item->Text(), item->StyleBytes);
}

bool MarksUrlsOnRead(const TCustomMemoSource& source) {
  return source.HighlightUrls() && source.KeepsStyleBytes();
}

std::string WithUrlMarks(StringView text, std::string bytes) {
  bytes.resize(text.size(), '\0');
  MarkUrls(text, bytes);
  return bytes;
}

}  // namespace qs
