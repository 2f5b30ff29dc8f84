#include "dialogs/keywordlist.h"

#include <algorithm>

#include "dialogs/blanks.h"
#include "support/unicodecase.h"
#include "syntax/syntaxtokens.h"

namespace qs {

namespace {

// A keyword holding a separator or a quote is quoted, so it splits back whole.
String Quoted(const String& keyword) {
  const bool plain = std::none_of(keyword.begin(), keyword.end(),
                                  [](Char c) { return c == U',' || c == U'"' || c <= U' '; });
  if (plain) return keyword;
  String quoted = U"\"";
  for (const Char c : keyword) {
    if (c == U'"') quoted += U'"';
    quoted += c;
  }
  return quoted + U"\"";
}

}  // namespace

bool KeywordLess(const String& a, const String& b) {
  const String la = ToLower(a);
  const String lb = ToLower(b);
  return la != lb ? la < lb : a < b;
}

TKeywordList::TKeywordList(StringView commaText) : m_items(SplitCommaText(commaText)) {
  Normalise();
}

void TKeywordList::Normalise() {
  std::sort(m_items.begin(), m_items.end(), KeywordLess);
  m_items.erase(std::unique(m_items.begin(), m_items.end()), m_items.end());
}

int TKeywordList::IndexOf(StringView keyword) const {
  const auto it = std::find(m_items.begin(), m_items.end(), keyword);
  return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

int TKeywordList::Add(StringView keyword) {
  const String text = TrimBlanks(keyword);
  if (text.empty()) return -1;
  if (IndexOf(text) < 0) {
    m_items.push_back(text);
    Normalise();
  }
  return IndexOf(text);
}

int TKeywordList::Replace(int index, StringView keyword) {
  const String text = TrimBlanks(keyword);
  if (index < 0 || index >= static_cast<int>(m_items.size()) || text.empty() || IndexOf(text) >= 0)
    return -1;
  m_items[static_cast<std::size_t>(index)] = text;
  Normalise();
  return IndexOf(text);
}

void TKeywordList::Remove(std::vector<int> indexes) {
  std::sort(indexes.rbegin(), indexes.rend());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  for (const int index : indexes)
    if (index >= 0 && index < static_cast<int>(m_items.size()))
      m_items.erase(m_items.begin() + index);
}

String TKeywordList::CommaText() const {
  String text;
  for (const String& keyword : m_items) {
    if (!text.empty()) text += U',';
    text += Quoted(keyword);
  }
  return text;
}

String TKeywordList::Lines() const {
  String text;
  for (const String& keyword : m_items) text += keyword + U"\n";
  return text;
}

}  // namespace qs
