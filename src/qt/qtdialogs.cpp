#include "qt/qtdialogs.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

#include <algorithm>

#include "qt/qtconvert.h"
#include "qt/qtfilefilter.h"

namespace qs::qt {
namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None:
      return QMessageBox::NoIcon;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OK:
      return QMessageBox::Ok;
    case MsgButtons::OKCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::YesNoCancelAll:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::YesToAll;
  }
  return QMessageBox::Ok;
}

// A box closed without a button (Esc, the window's close button) answers with
// its mildest button: Cancel where there is one, else No, else OK.
MsgResult Mildest(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OK:
      return MsgResult::OK;
    case MsgButtons::YesNo:
      return MsgResult::No;
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNoCancelAll:
      return MsgResult::Cancel;
  }
  return MsgResult::Cancel;
}

}  // namespace

QtDialogs::QtDialogs(QWidget* parent)
    : m_parent(parent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtDialogs::~QtDialogs() = default;

MsgResult QtDialogs::MessageBox(const String& text, const String& caption, MsgButtons buttons,
                                MsgIcon icon) {
  QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text), ToQtButtons(buttons),
                  m_parent);
  // The question accepts this case and every one still to come: "All".
  if (QAbstractButton* all = box.button(QMessageBox::YesToAll)) all->setText(QStringLiteral("&All"));
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
      return MsgResult::OK;
    case QMessageBox::Cancel:
      return MsgResult::Cancel;
    case QMessageBox::Yes:
      return MsgResult::Yes;
    case QMessageBox::No:
      return MsgResult::No;
    case QMessageBox::YesToAll:
      return MsgResult::All;
    default:
      return Mildest(buttons);
  }
}

int QtDialogs::AskChoice(const String& text, const String& caption,
                         const std::vector<String>& buttons, MsgIcon icon) {
  QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                  m_parent);
  std::vector<QPushButton*> added;
  for (const String& button : buttons)
    added.push_back(box.addButton(ToQString(button), QMessageBox::ActionRole));
  if (!added.empty()) box.setDefaultButton(added.front());
  box.exec();
  const auto pressed = std::find(added.begin(), added.end(), box.clickedButton());
  return pressed == added.end() ? -1 : static_cast<int>(pressed - added.begin());
}

bool QtDialogs::InputQuery(const String& caption, const String& prompt, String& value) {
  bool ok = false;
  const QString answer = QInputDialog::getText(m_parent, ToQString(caption), ToQString(prompt),
                                               QLineEdit::Normal, ToQString(value), &ok);
  if (ok) value = FromQString(answer);
  return ok;
}

std::optional<FileChoice> QtDialogs::RunFileDialog(const FileDialogOptions& options, bool save) {
  QFileDialog dialog(m_parent, ToQString(options.title), ToQString(options.initialDir));
  const QStringList filters = ToQtNameFilters(options.filter);
  dialog.setNameFilters(filters);
  if (options.filterIndex >= 1 && options.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[options.filterIndex - 1]);
  if (!options.fileName.empty()) dialog.selectFile(ToQString(options.fileName));
  if (!options.defaultExt.empty()) dialog.setDefaultSuffix(ToQString(options.defaultExt));
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.multiSelect ? QFileDialog::ExistingFiles
                                           : QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  FileChoice choice;
  for (const QString& file : dialog.selectedFiles()) choice.paths.push_back(Utf8FromQString(file));
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  choice.filterIndex = chosen >= 0 ? static_cast<int>(chosen) + 1 : options.filterIndex;
  return choice;
}

std::optional<FileChoice> QtDialogs::OpenFile(const FileDialogOptions& options) {
  return RunFileDialog(options, false);
}

std::optional<FileChoice> QtDialogs::SaveFile(const FileDialogOptions& options) {
  return RunFileDialog(options, true);
}

bool QtDialogs::ChooseFont(FontSpec& font, TColor&) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), m_parent);
  if (ok) font = FromQFont(chosen);
  return ok;
}

bool QtDialogs::ChooseColor(TColor& color) {
  const QColor chosen = QColorDialog::getColor(ToQColor(color), m_parent);
  if (!chosen.isValid()) return false;
  color = FromQColor(chosen);
  return true;
}

std::optional<std::string> QtDialogs::BrowseFolder(const String& title,
                                                   const std::string& initialDir) {
  const QString folder =
      QFileDialog::getExistingDirectory(m_parent, ToQString(title), ToQString(initialDir));
  if (folder.isEmpty()) return std::nullopt;
  return Utf8FromQString(folder);
}

bool QtDialogs::PrinterSetup() {
  QPrintDialog dialog(m_printer.get(), m_parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace qs::qt
