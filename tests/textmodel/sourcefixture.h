// Helpers shared by the document model tests: a document built from lines and
// a listener that records every notification.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "support/utf8.h"
#include "textmodel/qsstring.h"

namespace qs {
inline void PrintTo(const TPosition& p, std::ostream* os) {
  *os << "(line " << p.Line << ", column " << p.Column << ")";
}
}  // namespace qs

namespace qs::test {

inline String U(std::string_view utf8) {
  return FromUtf8(utf8);
}
inline std::string S(StringView text) {
  return ToUtf8(text);
}

// A document holding lines (stored as given, trailing blanks kept).
inline void Fill(TCustomMemoSource& source, std::initializer_list<std::string_view> lines) {
  TStringList list;
  for (std::string_view line : lines) list.Add(U(line));
  source.Lines().Assign(list);
}

inline std::vector<std::string> StoredLines(const TCustomMemoSource& source) {
  std::vector<std::string> out;
  for (std::int32_t i = 0; i < source.LineCount(); ++i) out.push_back(S(source.StoredLine(i)));
  return out;
}

struct Notification {
  std::int32_t first;
  std::int32_t last;
  TMemoStates changes;
};

class Recorder {
 public:
  explicit Recorder(TCustomMemoSource& source, bool notifyNow = false)
      : m_link(source.Listen(
            [this](TCustomMemoSource& s, std::int32_t first, std::int32_t last) {
              calls.push_back({first, last, s.Changes()});
            },
            this, notifyNow)) {}
  std::vector<Notification> calls;
  const Notification& Last() const { return calls.back(); }

 private:
  TListenerLink m_link;
};

}  // namespace qs::test
