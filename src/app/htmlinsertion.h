// The HTML insertion commands of the main window: tags around the selection,
// colours, fonts, tables, links, images and files, and the toolbar's colour
// selector. Each insertion replaces the selection (or goes in at the caret)
// as one undo step; a cancelled dialog inserts nothing. The dialogs are made
// on first use and kept, so they remember their fields.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

class TCustomMemoSource;
class TInsertTableForm;
class TInsertLinkForm;
class TInsertImageForm;
class TInsertFilesForm;
struct Platform;

class THtmlInsertion {
 public:
  THtmlInsertion(TCustomMemoSource& source, Platform& platform);
  ~THtmlInsertion();
  THtmlInsertion(const THtmlInsertion&) = delete;
  THtmlInsertion& operator=(const THtmlInsertion&) = delete;

  void Bold();
  void Italic();
  void Underline();
  void ForegroundColor();
  void BackgroundColor();
  void Font();
  void Table();
  void Link();
  void Image();
  // folder: where the file dialog starts (the document's folder).
  void Files(const std::string& folder);

  // ---- The colour selector ----------------------------------------------
  // Looks for six hexadecimal digits under the caret; true when the shown
  // colour changed.
  bool FindSelectorColor();
  // The colour shown, or none when the caret is on no colour.
  [[nodiscard]] std::optional<TColor> SelectorColor() const { return m_selectorColor; }
  // Opens the colour picker with the last colour found; the choice replaces
  // the digits under the caret, or goes in at the caret.
  void ChooseSelectorColor();

  // The colour picker; returns false when cancelled. The desktop's colour
  // dialog until another is installed.
  std::function<bool(TColor& color)> PickColor;

  TInsertTableForm& TableForm();
  TInsertLinkForm& LinkForm();
  TInsertImageForm& ImageForm();
  TInsertFilesForm& FilesForm();

 private:
  // The selection as stored, split into the text the markup takes and the
  // line breaks at its end, which stay after the markup.
  struct TSelectedText {
    String text;
    String trailingBreaks;
  };
  [[nodiscard]] TSelectedText Selected() const;
  // Replaces the selection with the markup built around its text.
  void Wrap(const std::function<String(StringView selected)>& build);
  void ReplaceSelection(StringView text);
  // Inserts before at the selection's start and after at its end (before
  // its final line break when it ends with one), as one step.
  void InsertAround(StringView before, StringView after, bool endsWithBreak);

  TCustomMemoSource& m_source;
  Platform& m_platform;
  std::unique_ptr<TInsertTableForm> m_tableForm;
  std::unique_ptr<TInsertLinkForm> m_linkForm;
  std::unique_ptr<TInsertImageForm> m_imageForm;
  std::unique_ptr<TInsertFilesForm> m_filesForm;
  std::optional<TColor> m_selectorColor;
  TColor m_lastColor = clBlack;
};

}  // namespace qs
