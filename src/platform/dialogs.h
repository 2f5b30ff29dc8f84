// Message boxes and the desktop's common dialogs. Every call blocks until the
// user answers; a dialog that is cancelled gives an empty result.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/font.h"
#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

// YesNoCancelAll: a confirmation that may also accept every case still to come.
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, YesNoCancelAll };
enum class MsgResult { OK, Cancel, Yes, No, All };
enum class MsgIcon { None, Information, Warning, Error, Question };

struct FileDialogOptions {
  String title;
  // Pairs of a description and patterns, all separated by "|":
  // "HTML files|*.htm;*.html|All files|*.*" (see filefilter.h).
  String filter;
  int filterIndex = 1;  // 1-based, as the filter lists them
  std::string initialDir;
  std::string fileName;          // proposed name, or empty
  std::string defaultExt;        // without the dot; added to a typed name that has none
  bool multiSelect = false;      // open only
  bool overwritePrompt = false;  // save only: ask before choosing an existing file
};

struct FileChoice {
  std::vector<std::string> paths;  // one unless multiSelect
  int filterIndex = 1;             // the filter in force when the user accepted
};

class IDialogs {
 public:
  virtual ~IDialogs() = default;

  virtual MsgResult MessageBox(const String& text, const String& caption, MsgButtons buttons,
                               MsgIcon icon) = 0;
  // Asks for one line of text, starting from value; true and value changed on OK.
  virtual bool InputQuery(const String& caption, const String& prompt, String& value) = 0;

  [[nodiscard]] virtual std::optional<FileChoice> OpenFile(const FileDialogOptions& options) = 0;
  [[nodiscard]] virtual std::optional<FileChoice> SaveFile(const FileDialogOptions& options) = 0;
  // Starts from font and color; on OK both hold the choice.
  virtual bool ChooseFont(FontSpec& font, TColor& color) = 0;
  virtual bool ChooseColor(TColor& color) = 0;
  [[nodiscard]] virtual std::optional<std::string> BrowseFolder(const String& title,
                                                                const std::string& initialDir) = 0;
  // The printer set-up dialog of the current printer; true on OK.
  virtual bool PrinterSetup() = 0;
  // A question answered with buttons of its own captions, left to right: the
  // index of the one pressed, or -1 when the box was closed without one.
  virtual int AskChoice(const String& text, const String& caption,
                        const std::vector<String>& buttons, MsgIcon icon) = 0;

  // The two kinds of box the whole program uses: errors titled "Error" with
  // OK, questions titled "Confirm" with Yes and No, and Cancel on request.
  void ShowError(const String& text);
  MsgResult Confirm(const String& text, bool withCancel);
};

}  // namespace qs
