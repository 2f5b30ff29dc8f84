// The completion lists of the main window: function names of the language at
// the caret (Ctrl+Space) and code templates (Ctrl+J), one list window at a
// time, steered by the editor's keys while the editor keeps the focus.
#include <algorithm>

#include "app/callfinder.h"
#include "app/functionhints.h"
#include "app/hinttext.h"
#include "editor/qsmemo.h"
#include "support/unicodecase.h"
#include "syntax/qsparser.h"
#include "textmodel/codetemplates.h"
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

namespace {

// Rows a page key moves the list by.
constexpr int kListPage = 7;

// The identifier around the caret; empty, starting at the caret, when the
// caret is beyond its line.
TTemplateWord WordAroundCaret(const TCustomMemoSource& source) {
  const TPosition caret = source.Caret();
  TTemplateWord word = TemplateWordAt(source, caret.Line, caret.Column);
  if (word.Word.empty()) word.Start = word.End = caret.Column;
  return word;
}

// The identifier that ends at the caret; empty when the caret stands inside
// a word or beyond its line.
TTemplateWord WordBeforeCaret(const TCustomMemoSource& source) {
  const TPosition caret = source.Caret();
  const String text = source.ExpandedLine(caret.Line);
  TTemplateWord word;
  word.Start = word.End = caret.Column;
  const auto column = static_cast<std::size_t>(std::max(caret.Column, 0));
  if (column > text.size() || (column < text.size() && IsIdentifierChar(text[column]))) return word;
  while (word.Start > 0 && IsIdentifierChar(text[static_cast<std::size_t>(word.Start - 1)]))
    --word.Start;
  word.Word = text.substr(static_cast<std::size_t>(word.Start), column - word.Start);
  return word;
}

bool StartsWithNoCase(StringView name, const String& lowerPrefix) {
  return name.size() >= lowerPrefix.size() &&
         ToLower(name.substr(0, lowerPrefix.size())) == lowerPrefix;
}

std::vector<TPopupEntry> FunctionEntries(const TFunctionsListItem& list, StringView word) {
  std::vector<TPopupEntry> entries;
  if (!list.HasNames()) return entries;
  const String prefix = ToLower(word);
  for (std::size_t i = 0; i < list.names->size(); ++i) {
    const String& name = (*list.names)[i];
    if (!StartsWithNoCase(name, prefix)) continue;
    const String& line = (*list.lines)[i];
    const String value = line.substr(std::min(line.size(), name.size() + 1));
    entries.push_back({U"function ", name, ArgumentPart(SplitFunctionValue(value).declaration)});
  }
  return entries;
}

}  // namespace

bool TFunctionHints::CompletionVisible() const {
  return m_listMode != TListMode::Closed && m_list->IsListVisible();
}

void TFunctionHints::OpenList(std::vector<TPopupEntry> entries, TPosition wordStart,
                              TListMode mode) {
  m_list->SetEntries(std::move(entries));
  m_listStart = wordStart;
  m_listMode = mode;
  m_list->ShowList(PopupPoint(wordStart, m_list->ListSize()));
}

void TFunctionHints::CloseList() {
  m_listMode = TListMode::Closed;
  if (m_list->IsListVisible()) m_list->HideList();
}

void TFunctionHints::MoveSelection(int by) {
  const int count = static_cast<int>(m_list->Entries().size());
  if (count == 0) return;
  const int selected = m_list->Selected();
  m_list->SetSelected(selected < 0 ? 0 : std::clamp(selected + by, 0, count - 1));
}

void TFunctionHints::AcceptCompletion() {
  const int selected = m_list->Selected();
  const auto& entries = m_list->Entries();
  if (m_listMode == TListMode::Closed || selected < 0 ||
      selected >= static_cast<int>(entries.size())) {
    CloseList();
    return;
  }
  if (m_listMode == TListMode::Functions)
    AcceptFunction(entries[static_cast<std::size_t>(selected)].name);
  else
    AcceptTemplate(selected);
}

// ---- Function names ----------------------------------------------------------------

void TFunctionHints::ShowCompletion() {
  CloseList();
  TCustomMemoSource& source = m_editor.Source();
  m_listLanguage = LanguageAtCaret(source, m_parser);
  const TFunctionsListItem& list = m_lists.GetFunctionList(m_listLanguage);
  if (!list.HasNames()) return;
  const TTemplateWord word = WordAroundCaret(source);
  std::vector<TPopupEntry> entries = FunctionEntries(list, word.Word);
  if (entries.empty()) return;
  OpenList(std::move(entries), {source.CaretLine(), word.Start}, TListMode::Functions);
}

void TFunctionHints::RefillFunctions() {
  const TCustomMemoSource& source = m_editor.Source();
  if (source.CaretLine() != m_listStart.Line) {
    CloseList();
    return;
  }
  const TTemplateWord word = WordAroundCaret(source);
  std::vector<TPopupEntry> entries =
      FunctionEntries(m_lists.GetFunctionList(m_listLanguage), word.Word);
  if (entries.empty()) {
    CloseList();
    return;
  }
  m_listStart.Column = word.Start;
  m_list->SetEntries(std::move(entries));
}

bool TFunctionHints::FunctionListKey(TKey key, TShiftState mods) {
  const bool plain = (mods & (ssCtrl | ssAlt)) == 0;
  if (key == vk::Up || key == vk::Down) {
    MoveSelection(key == vk::Up ? -1 : 1);
    return true;
  }
  if (key == vk::Return) {
    AcceptCompletion();
    return true;
  }
  // What extends or shortens the word is typed and refills the list.
  const bool letter = key >= 'A' && key <= 'Z' && plain;
  const bool digit = key >= '0' && key <= '9' && mods == 0;
  const bool underscore = key == vk::OemMinus && mods == ssShift;
  const bool modifier = key == vk::Shift || key == vk::Control || key == vk::Menu;
  if (letter || digit || underscore || modifier || key == vk::Back) return false;
  CloseList();
  return false;
}

// The word at the caret becomes name. A "(" already after the word is kept
// and the caret goes past it; otherwise "()" follows a name whose
// declaration takes arguments, with the caret between them.
void TFunctionHints::AcceptFunction(const String& name) {
  TCustomMemoSource& source = m_editor.Source();
  const TTemplateWord word = WordAroundCaret(source);
  const std::int32_t line = source.CaretLine();
  const String text = source.ExpandedLine(line);
  std::size_t after = static_cast<std::size_t>(word.End);
  while (after < text.size() && (text[after] == U' ' || text[after] == U'\t')) ++after;
  const bool bracketFollows = after < text.size() && text[after] == U'(';
  const std::optional<String> value = m_lists.GetFunctionList(m_listLanguage).ValueOf(name);
  const bool takesArguments =
      value && SplitFunctionValue(*value).declaration.find(U'(') != String::npos;
  const auto nameEnd = static_cast<std::int32_t>(word.Start + name.size());
  std::int32_t caretColumn = nameEnd;
  if (bracketFollows)
    caretColumn = nameEnd + static_cast<std::int32_t>(after) - word.End + 1;
  else if (takesArguments)
    caretColumn = nameEnd + 1;
  m_changing = true;
  try {
    const TUpdateBracket update(source, upd::kInsertText);
    source.ClearSelection();
    if (word.End > word.Start) {
      source.SelectRange(stStreamSel, word.Start, line, word.End, line);
      source.DeleteBlock();
    }
    source.SetCaretPos(word.Start, line);
    source.InsertText(!bracketFollows && takesArguments ? name + U"()" : name);
    source.SetCaretPos(caretColumn, line);
  } catch (...) {
    m_changing = false;
    throw;
  }
  m_changing = false;
  CloseList();
  ShowFuncHint();
}

// ---- Code templates ----------------------------------------------------------------

void TFunctionHints::InsertCodeTemplate() {
  TCustomMemoSource& source = m_editor.Source();
  if (source.TemplatesType() == kTemplatesNone) return;
  CloseList();
  const TTemplateWord word = WordBeforeCaret(source);
  std::vector<int> found;
  m_templateIndexes.clear();
  m_listStart = {source.CaretLine(), word.Start};
  if (FindTemplates(source.CodeTemplates(), word.Word, found)) {
    m_templateIndexes = found;
    m_listMode = TListMode::Templates;
    AcceptTemplate(0);
    return;
  }
  std::vector<TPopupEntry> entries;
  for (int index : found) {
    const TMemoCodeTemplate& code = source.CodeTemplates().Items(index);
    entries.push_back({U"", code.Name(), code.Description()});
  }
  if (entries.empty()) return;
  m_templateIndexes = found;
  OpenList(std::move(entries), m_listStart, TListMode::Templates);
}

// The entry whose name starts with what was typed since the list opened.
void TFunctionHints::FollowTemplatePrefix() {
  const TCustomMemoSource& source = m_editor.Source();
  const TPosition caret = source.Caret();
  if (caret.Line != m_listStart.Line || caret.Column < m_listStart.Column) {
    CloseList();
    return;
  }
  const String text = source.ExpandedLine(caret.Line);
  const auto from = std::min(text.size(), static_cast<std::size_t>(m_listStart.Column));
  const auto to = std::min(text.size(), static_cast<std::size_t>(caret.Column));
  const String prefix = ToLower(StringView(text).substr(from, to - from));
  const auto& entries = m_list->Entries();
  const auto match = std::find_if(entries.begin(), entries.end(), [&](const TPopupEntry& e) {
    return StartsWithNoCase(e.name, prefix);
  });
  m_list->SetSelected(match == entries.end() ? -1 : static_cast<int>(match - entries.begin()));
}

bool TFunctionHints::TemplateListKey(TKey key, TShiftState mods) {
  switch (key) {
    case vk::Return:
      AcceptCompletion();
      return true;
    case vk::Up:
    case vk::Down:
      MoveSelection(key == vk::Up ? -1 : 1);
      return true;
    case vk::Prior:
    case vk::Next:
      MoveSelection(key == vk::Prior ? -kListPage : kListPage);
      return true;
    case vk::Space:
      if (mods != 0) return false;
      AcceptCompletion();
      return true;
    case vk::OemPeriod:  // accepts, then the "." is typed
      if (mods == 0) AcceptCompletion();
      return false;
    case vk::Left:
    case vk::Right:
      CloseList();
      return false;
    default:
      return false;
  }
}

// Replaces only the word the list was opened for (from its start to the
// caret): a selection elsewhere, kept by persistent blocks, is left alone.
void TFunctionHints::AcceptTemplate(int entry) {
  TCustomMemoSource& source = m_editor.Source();
  const int index = m_templateIndexes.at(static_cast<std::size_t>(entry));
  const TPosition caret = source.Caret();
  const TPosition start = m_listStart;
  CloseList();
  if (index < 0 || index >= source.CodeTemplates().Count()) return;
  const TUpdateBracket update(source, upd::kTemplate);
  source.ClearSelection();
  if (caret.Line == start.Line && caret.Column > start.Column) {
    source.SelectRange(stStreamSel, start.Column, start.Line, caret.Column, caret.Line);
  }
  InsertTemplate(source, source.CodeTemplates().Items(index));
}

}  // namespace qs
