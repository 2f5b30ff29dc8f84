// The commands around the search: the dialogs, the option toggles and the
// jump to a line by number.
#include <algorithm>
#include <string>

#include "platform/dialogs.h"
#include "platform/forms.h"
#include "platform/platform.h"
#include "support/utf8.h"
#include "textmodel/searchengine.h"

namespace qs {
namespace {

// A line number typed by the user: digits only (blanks around them allowed),
// 1..lineCount; nothing otherwise.
std::optional<std::int32_t> ParseLineNumber(StringView text, std::int32_t lineCount) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] == U' ') ++first;
  while (last > first && text[last - 1] == U' ') --last;
  if (first == last) return std::nullopt;
  std::int64_t n = 0;
  for (std::size_t i = first; i < last; ++i) {
    if (text[i] < U'0' || text[i] > U'9') return std::nullopt;
    n = n * 10 + (text[i] - U'0');
    if (n > lineCount) return std::nullopt;
  }
  if (n < 1) return std::nullopt;
  return static_cast<std::int32_t>(n);
}

bool RunDialog(TCustomMemoSource& s, TSearchKind kind) {
  if (kind == skReplace && s.GetReadOnly()) return false;
  TSearchEngine(s).PrepareOptions();
  std::unique_ptr<TForm> dialog;
  if (s.OnCreateDialog) s.OnCreateDialog(s, kind, dialog);
  if (!dialog) return false;
  const TModalResult result = dialog->ShowModal();
  if (result == mrOk) return kind == skFind ? s.FindText() : s.ReplaceText();
  if (result == mrAll && kind == skReplace) return s.ReplaceText();
  return false;
}

}  // namespace

void TSearchEngine::PrepareOptions() {
  if (m_source.HasOption(soFindTextAtCursor)) m_options.SetTextToFind(m_source.WordAtCaret());
  m_options.SetScope(CaretAtSelection() ? ssSelectedText : ssGlobal);
}

String TCustomMemoSource::WordAtCaret() const {
  const TPosition c = Caret();
  if (c.Line >= LineCount()) return {};
  const auto bounds = WordBounds(c.Column, c.Line, wsWordOnly);
  if (!bounds) return {};
  return ExpandedLine(c.Line).substr(static_cast<std::size_t>(bounds->first),
                                     static_cast<std::size_t>(bounds->second - bounds->first + 1));
}

bool TCustomMemoSource::ShowFindDialog() {
  return RunDialog(*this, skFind);
}

bool TCustomMemoSource::ShowReplaceDialog() {
  return RunDialog(*this, skReplace);
}

void TCustomMemoSource::ShowGotoLine() {
  String value = FromUtf8(std::to_string(std::int64_t{CaretLine()} + 1));
  if (!ThePlatform().dialogs.InputQuery(U"Go to line Number", U"&Enter new line number:", value))
    return;
  const std::int32_t count = std::max(LineCount(), 1);
  const std::optional<std::int32_t> n = ParseLineNumber(value, count);
  if (!n)
    throw Error("'" + ToUtf8(value) + "' is not a line number from 1 to " + std::to_string(count));
  SetCaretPos(0, *n - 1);
}

void TCustomMemoSource::ToggleCaseSensitive() {
  TSearchOptions& o = TSearchOptions::Instance();
  o.SetCaseSensitive(!o.CaseSensitive());
}

void TCustomMemoSource::ToggleRegularExpr() {
  TSearchOptions& o = TSearchOptions::Instance();
  o.SetRegularExpr(!o.RegularExpr());
}

}  // namespace qs
