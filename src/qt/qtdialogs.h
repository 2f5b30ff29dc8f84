// Message boxes and common dialogs with Qt Widgets. Each call translates its
// arguments, runs the Qt dialog modally and translates the answer back.
#pragma once

#include <QPointer>
#include <QPrinter>
#include <QWidget>
#include <memory>

#include "platform/dialogs.h"

namespace qs::qt {

class QtDialogs final : public IDialogs {
 public:
  // parent: the window the dialogs are modal to (may be null).
  explicit QtDialogs(QWidget* parent = nullptr);
  ~QtDialogs() override;

  MsgResult MessageBox(const String& text, const String& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  bool InputQuery(const String& caption, const String& prompt, String& value) override;
  std::optional<FileChoice> OpenFile(const FileDialogOptions& options) override;
  std::optional<FileChoice> SaveFile(const FileDialogOptions& options) override;
  // Qt's font dialog has no colour: color comes back unchanged.
  bool ChooseFont(FontSpec& font, TColor& color) override;
  bool ChooseColor(TColor& color) override;
  std::optional<std::string> BrowseFolder(const String& title,
                                          const std::string& initialDir) override;
  bool PrinterSetup() override;
  int AskChoice(const String& text, const String& caption, const std::vector<String>& buttons,
                MsgIcon icon) override;

  // The printer the set-up dialog configures, for the printing layer to share.
  QPrinter& Printer() { return *m_printer; }

 private:
  std::optional<FileChoice> RunFileDialog(const FileDialogOptions& options, bool save);

  QPointer<QWidget> m_parent;
  std::unique_ptr<QPrinter> m_printer;
};

}  // namespace qs::qt
