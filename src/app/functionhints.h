// The main window's help while typing: the function hint under the caret
// (declaration, the argument being typed in bold, a description), the
// completion list of function names and of code templates, and context help
// for the word at the caret. Driven by the document's changes and by the
// keys the window sees before the editor.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/functionlists.h"
#include "app/helptopics.h"
#include "platform/headlesspopups.h"
#include "platform/keys.h"
#include "textmodel/listeners.h"
#include "textmodel/position.h"

namespace qs {

class TQSMemo;
class TSyntaxParser;
struct Platform;

class TFunctionHints {
 public:
  // dataFolder holds the function lists, helpFolder the help books.
  TFunctionHints(TQSMemo& editor, TSyntaxParser& parser, Platform& platform, std::string dataFolder,
                 std::string helpFolder);
  // Closes the popups and the help windows the window opened.
  ~TFunctionHints();
  TFunctionHints(const TFunctionHints&) = delete;
  TFunctionHints& operator=(const TFunctionHints&) = delete;

  // The windows the hint and the list show in; headless ones (kept here)
  // until the desktop window gives its own, which must outlive this.
  void SetWindows(IHintWindow& hint, IPopupList& list);
  IHintWindow& HintWindow() noexcept { return *m_hint; }
  IPopupList& PopupList() noexcept { return *m_list; }
  TFunctionLists& FunctionLists() noexcept { return m_lists; }

  // ---- Function hint ----------------------------------------------------
  // Shows, moves or hides the hint for the call around the caret.
  void ShowFuncHint();

  // ---- Completion lists (completionlist.cpp) ------------------------------
  // The names of the language at the caret that start with the word there.
  void ShowCompletion();
  // The code templates for the word before the caret: an exact name is
  // inserted at once, otherwise the list of candidates opens.
  void InsertCodeTemplate();
  bool CompletionVisible() const;
  // Puts the list's chosen entry into the text and closes the list.
  void AcceptCompletion();

  // A key before the editor sees it: the list's keys, Ctrl+Space, Esc.
  // True when taken.
  bool KeyDown(TKey key, TShiftState shift);
  // Esc: true when a hint or list closed.
  bool HidePopups();
  // The window was resized, deactivated or clicked into: all popups close.
  void HideAll();

  // ---- Context help (contexthelp.cpp) ---------------------------------------
  // The page for the word at the caret, if any book has one.
  std::optional<THelpTopic> ContextTopic();
  void TopicSearch();
  // Shows a page of a book in the help viewer, keeping its window in slot
  // (1 main help, 2 PHP, 3 CSS, 4 HTML and context topics).
  void ShowHelp(const THelpTopic& topic, int slot);
  void CloseHelpWindows();

 private:
  enum class TListMode { Closed, Functions, Templates };

  void SourceChanged();
  TPoint PopupPoint(TPosition at, TSize size);
  void OpenList(std::vector<TPopupEntry> entries, TPosition wordStart, TListMode mode);
  void CloseList();
  void RefillFunctions();
  void FollowTemplatePrefix();
  bool FunctionListKey(TKey key, TShiftState shift);
  bool TemplateListKey(TKey key, TShiftState shift);
  void MoveSelection(int by);
  void AcceptFunction(const String& name);
  void AcceptTemplate(int entry);
  String CssWordAtCaret();

  TQSMemo& m_editor;
  TSyntaxParser& m_parser;
  Platform& m_platform;
  TFunctionLists m_lists;
  std::string m_helpFolder;
  HeadlessHintWindow m_ownHint;
  HeadlessPopupList m_ownList;
  IHintWindow* m_hint = &m_ownHint;
  IPopupList* m_list = &m_ownList;

  // The call the hint shows: its "(" and the caret line.
  TPosition m_hintBracket;
  std::int32_t m_hintCaretLine = -1;

  TListMode m_listMode = TListMode::Closed;
  String m_listLanguage;
  TPosition m_listStart;  // where the word the list completes starts
  std::vector<int> m_templateIndexes;
  bool m_changing = false;

  std::array<int, 4> m_helpWindows{};
  TListenerLink m_link;
};

}  // namespace qs
