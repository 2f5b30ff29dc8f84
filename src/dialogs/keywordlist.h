// The keywords of one keyword set as the scheme editor shows them: sorted,
// without duplicates, written back to the set as comma text after each change.
#pragma once

#include <vector>

#include "support/qschar.h"

namespace qs {

class TKeywordList {
 public:
  TKeywordList() = default;
  // From a set's comma text (or a keyword file's joined lines).
  explicit TKeywordList(StringView commaText);

  [[nodiscard]] const std::vector<String>& Items() const { return m_items; }
  [[nodiscard]] int IndexOf(StringView keyword) const;

  // Trims the keyword; returns its index after adding it, or the index of
  // the equal keyword already there, or -1 for a blank one.
  int Add(StringView keyword);
  // Replaces the keyword at index by the trimmed text; returns the new
  // index, or -1 (nothing changed) when the text is blank or already there.
  int Replace(int index, StringView keyword);
  // Removes the keywords at the given indexes.
  void Remove(std::vector<int> indexes);

  // Comma text that reads back as the same keywords.
  [[nodiscard]] String CommaText() const;
  // One keyword a line, each line ending in a line feed.
  [[nodiscard]] String Lines() const;

 private:
  void Normalise();
  std::vector<String> m_items;
};

// Ignoring case first, so that "Echo" sorts beside "echo".
[[nodiscard]] bool KeywordLess(const String& a, const String& b);

}  // namespace qs
