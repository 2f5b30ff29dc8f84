#include "textmodel/tstrings.h"

#include <algorithm>

namespace qs {

String TStrings::Text() const {
  String out;
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (i > 0) out += U"\r\n";
    out += Get(i);
  }
  return out;
}

void TStrings::SetText(StringView text) {
  BeginUpdate();
  Clear();
  for (const String& line : SplitLines(text)) Add(line);
  EndUpdate();
}

void TStrings::Assign(const TStrings& other) {
  if (&other == this) return;
  BeginUpdate();
  Clear();
  const int count = other.Count();
  for (int i = 0; i < count; ++i) {
    Add(other.Get(i));
    PutObject(i, other.GetObject(i));
  }
  EndUpdate();
}

std::vector<String> SplitLines(StringView text) {
  std::vector<String> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    if (c != U'\r' && c != U'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

String TStringList::Get(int index) const {
  return Valid(index) ? m_lines[index].text : String();
}

void* TStringList::GetObject(int index) const {
  return Valid(index) ? m_lines[index].obj : nullptr;
}

void TStringList::Put(int index, StringView text) {
  if (Valid(index)) m_lines[index].text.assign(text);
}

void TStringList::PutObject(int index, void* obj) {
  if (Valid(index)) m_lines[index].obj = obj;
}

void TStringList::Insert(int index, StringView text) {
  index = std::clamp(index, 0, Count());
  m_lines.insert(m_lines.begin() + index, Line{String(text), nullptr});
}

void TStringList::Delete(int index) {
  if (Valid(index)) m_lines.erase(m_lines.begin() + index);
}

}  // namespace qs
