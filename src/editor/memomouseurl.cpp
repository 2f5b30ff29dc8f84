#include "editor/memomouseurl.h"

#include <algorithm>

#include "support/unicodecase.h"
#include "textmodel/urlmarker.h"

namespace qs {

namespace {

bool IsUrlCell(const std::string& styleBytes, std::int64_t i) {
  return i >= 0 && i < static_cast<std::int64_t>(styleBytes.size()) &&
         static_cast<std::uint8_t>(styleBytes[static_cast<std::size_t>(i)]) == kUrlStyleByte;
}

bool StartsWithMailto(StringView run) {
  constexpr StringView kMailto = U"mailto:";
  if (run.size() < kMailto.size()) return false;
  for (std::size_t i = 0; i < kMailto.size(); ++i)
    if (ToLowerChar(run[i]) != kMailto[i]) return false;
  return true;
}

bool IsWordChar(Char c) {
  return c == U'_' || (c >= U'0' && c <= U'9') || IsLetter(c);
}

bool LooksLikeMailAddress(StringView run) {
  if (run.find(U"://") != StringView::npos) return false;
  if (std::count(run.begin(), run.end(), U'@') != 1) return false;
  const std::size_t at = run.find(U'@');
  const std::size_t lastDot = run.rfind(U'.');
  if (at + 1 >= run.size() || lastDot == StringView::npos || lastDot < at) return false;
  return IsWordChar(run[at + 1]);
}

}  // namespace

std::optional<String> UrlRunAt(StringView text, const std::string& styleBytes,
                               std::int64_t column) {
  const auto size = static_cast<std::int64_t>(std::min(text.size(), styleBytes.size()));
  if (column < 0 || column >= size || !IsUrlCell(styleBytes, column)) return std::nullopt;
  std::int64_t first = column;
  while (IsUrlCell(styleBytes, first - 1)) --first;
  std::int64_t end = column + 1;
  while (end < size && IsUrlCell(styleBytes, end)) ++end;
  return String(
      text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(end - first)));
}

TUrlTarget ClassifyUrl(StringView run) {
  if (StartsWithMailto(run)) return {String(run), true};
  if (LooksLikeMailAddress(run)) return {U"mailto:" + String(run), true};
  return {String(run), false};
}

}  // namespace qs
