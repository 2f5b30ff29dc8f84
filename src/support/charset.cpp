#include "support/charset.h"

#include <algorithm>

#include "support/utf8.h"

namespace qs {

CharSet CharSet::Range(Char first, Char last) {
  CharSet set;
  set.AddRange(first, last);
  return set;
}

void CharSet::Add(Char c) noexcept {
  if (c < 256) m_words[c >> 6] |= std::uint64_t{1} << (c & 63);
}

void CharSet::AddRange(Char first, Char last) noexcept {
  const Char low = std::min(first, last);
  const Char high = std::min<Char>(std::max(first, last), 255);
  // Counting in a wide type: a range ending at 255 must not wrap around.
  for (Char c = low; c <= high; ++c) Add(c);
}

void CharSet::Remove(Char c) noexcept {
  if (c < 256) m_words[c >> 6] &= ~(std::uint64_t{1} << (c & 63));
}

namespace {

void AppendMember(std::string& out, Char c, bool escape) {
  if (escape && (c == U'\\' || c == U'-')) out.push_back('\\');
  AppendUtf8(out, c);
}

}  // namespace

std::string CharSetToText(const CharSet& set) {
  std::string out;
  for (Char c = 0; c < 256; ++c) {
    if (!set.Contains(c)) continue;
    Char last = c;
    while (last < 255 && set.Contains(last + 1)) ++last;
    AppendMember(out, c, true);
    if (last > c) {
      out.push_back('-');
      AppendMember(out, last, false);
    }
    c = last;
  }
  return out;
}

CharSet CharSetFromText(StringView text) {
  CharSet set;
  bool hasPrevious = false;
  Char previous = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    Char c = text[i];
    if (c == U'-' && hasPrevious && i + 1 < text.size()) {
      // The range end is taken plain: "a-\" ends at the backslash.
      c = text[++i];
      set.AddRange(previous, c);
    } else {
      if (c == U'\\' && i + 1 < text.size()) c = text[++i];
      set.Add(c);
    }
    previous = c;
    hasPrevious = true;
  }
  return set;
}

}  // namespace qs
