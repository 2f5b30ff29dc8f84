#include "app/functionhints.h"

#include <algorithm>

#include "app/callfinder.h"
#include "app/hinttext.h"
#include "editor/qsmemo.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "support/guardedcall.h"
#include "syntax/qsparser.h"

namespace qs {

TFunctionHints::TFunctionHints(TQSMemo& editor, TSyntaxParser& parser, Platform& platform,
                               std::string dataFolder, std::string helpFolder)
    : m_editor(editor),
      m_parser(parser),
      m_platform(platform),
      m_lists(platform.files, std::move(dataFolder)),
      m_helpFolder(std::move(helpFolder)) {
  m_ownList.OnAccept = [this](int) { AcceptCompletion(); };
  m_link = editor.Source().Listen(
      [this](TCustomMemoSource&, std::int32_t, std::int32_t) { SourceChanged(); }, this, false);
}

TFunctionHints::~TFunctionHints() {
  LoggedCall("closing the hints", [this] {
    HideAll();
    CloseHelpWindows();
  });
}

void TFunctionHints::SetWindows(IHintWindow& hint, IPopupList& list) {
  HideAll();
  m_hint = &hint;
  m_list = &list;
  m_list->OnAccept = [this](int) { AcceptCompletion(); };
}

// ---- Function hint --------------------------------------------------------------

void TFunctionHints::ShowFuncHint() {
  TCustomMemoSource& source = m_editor.Source();
  const std::optional<TFunctionHintInfo> call = FindCall(source, m_parser);
  std::optional<String> value;
  if (call) value = m_lists.GetFunctionList(call->language).ValueOf(call->functionName);
  if (!value) {
    if (m_hint->IsHintVisible()) m_hint->HideHint();
    return;
  }
  const String text = FunctionHintText(*value, call->argumentNumber);
  if (m_hint->IsHintVisible() && m_hintBracket == call->bracket &&
      m_hintCaretLine == source.CaretLine()) {
    m_hint->SetHintText(text);
    return;
  }
  m_hintBracket = call->bracket;
  m_hintCaretLine = source.CaretLine();
  const TPoint caret = m_editor.ClientToScreen(m_editor.PositionToClient(source.Caret()));
  m_hint->ShowHint(text, {caret.X + 2, caret.Y + m_editor.LineHeight() + 2});
}

// Typing "(" opens a hint; while one shows, every change moves its bold
// argument or hides it. The list follows the word being typed.
void TFunctionHints::SourceChanged() {
  if (m_changing) return;
  TCustomMemoSource& source = m_editor.Source();
  if (m_hint->IsHintVisible() ||
      (source.Changes().Has(msEdited) && CallOpenedAtCaret(source, m_parser)))
    ShowFuncHint();
  if (m_listMode == TListMode::Functions) RefillFunctions();
  if (m_listMode == TListMode::Templates) FollowTemplatePrefix();
}

// Below the line at `at`; above it where the screen ends below, and left of
// it where the screen ends to the right.
TPoint TFunctionHints::PopupPoint(TPosition at, TSize size) {
  const int lineHeight = m_editor.LineHeight();
  TPoint p = m_editor.ClientToScreen(m_editor.PositionToClient(at));
  p.Y += lineHeight;
  const TRect work = m_platform.screen.WorkArea();
  if (p.Y + size.cy > work.Bottom) p.Y -= lineHeight + size.cy;
  if (p.X + size.cx > work.Right) p.X -= size.cx;
  return p;
}

// ---- Keys and closing ----------------------------------------------------------

bool TFunctionHints::KeyDown(TKey key, TShiftState shift) {
  const TShiftState mods = shift & (ssShift | ssCtrl | ssAlt);
  if (key == vk::Escape) return HidePopups();
  if (key == vk::Space && mods == ssCtrl) {
    ShowCompletion();
    return true;
  }
  switch (m_listMode) {
    case TListMode::Functions:
      return FunctionListKey(key, mods);
    case TListMode::Templates:
      return TemplateListKey(key, mods);
    case TListMode::Closed:
      break;
  }
  return false;
}

bool TFunctionHints::HidePopups() {
  const bool shown = m_hint->IsHintVisible() || CompletionVisible();
  HideAll();
  return shown;
}

void TFunctionHints::HideAll() {
  if (m_hint->IsHintVisible()) m_hint->HideHint();
  CloseList();
}

}  // namespace qs
