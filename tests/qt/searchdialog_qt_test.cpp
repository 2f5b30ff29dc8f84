// The search dialog through its Qt widgets: the edit part's caret reaches the
// model, the fragment menu keeps away from the focus and inserts there, and
// the radio groups and buttons work.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "app/searchdialog.h"
#include "platform/headlessplatform.h"
#include "qt/qtformhost.h"
#include "support/registry.h"
#include "support/utf8.h"

namespace qs::qt {
namespace {

// Fresh search options and histories in memory; dialogs shown by Qt.
class SearchDialogQt : public ::testing::Test {
 protected:
  SearchDialogQt() {
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&store);
  }
  ~SearchDialogQt() override { OptionRegistry::Reset(); }

  SettingsStore store;
  HeadlessPlatform headless;
  QtFormHost host;
  Platform platform{
      headless.files, headless.clipboard, headless.clock,   headless.clock, headless.dialogs, host,
      headless.shell, headless.printer,   headless.browser, headless.help,  headless.screen};
};

TEST_F(SearchDialogQt, TheFragmentMenuInsertsAtTheCaretTheUserLeft) {
  TSrchDialog form({platform, store, "/help"});
  QString shown;
  bool noFocus = false;
  int origin = -1;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = host.ActiveDialog();
    ASSERT_NE(dialog, nullptr);
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("SearText"));
    auto* button = dialog->findChild<QToolButton*>(QStringLiteral("FragmentBut"));
    auto* originGroup = dialog->findChild<QGroupBox*>(QStringLiteral("OriginGroup"));
    if (combo && combo->lineEdit() && button && button->menu() && originGroup) {
      combo->lineEdit()->setText(QStringLiteral("color: ;"));
      combo->lineEdit()->setCursorPosition(7);
      noFocus = button->focusPolicy() == Qt::NoFocus;
      for (QAction* action : button->menu()->actions())
        if (action->text() == QStringLiteral("HEX color")) action->trigger();
      shown = combo->lineEdit()->text() + QLatin1Char('|') +
              QString::number(combo->lineEdit()->cursorPosition());
      const QList<QRadioButton*> radios = originGroup->findChildren<QRadioButton*>();
      if (radios.size() == 2) radios[0]->click();
      origin = form.OriginGroup.ItemIndex();
    }
    dialog->findChild<QPushButton*>(QStringLiteral("OKBut"))->click();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(noFocus);
  EXPECT_EQ(shown, QStringLiteral("color: #[0-9a-fA-F]+;|20"));
  EXPECT_EQ(origin, 0);
  EXPECT_EQ(TSearchOptions::Instance().TextToFind(), U"color: #[0-9a-fA-F]+;");
  EXPECT_TRUE(TSearchOptions::Instance().RegularExpr());
  EXPECT_EQ(TSearchOptions::Instance().Origin(), soFromCursor);
}

// Typing over a text that was a history entry leaves that entry: the box
// must keep what is typed, not fall back to no text.
TEST_F(SearchDialogQt, TypingOverAHistoryEntryKeepsTheTypedText) {
  WriteEditHistory(store, "SrchDialogSearText", {U"beta", U"gamma"});
  TSearchOptions::Instance().SetTextToFind(U"beta");
  TSrchDialog form({platform, store, "/help"});
  QString shown;
  QTimer::singleShot(0, [&] {
    QDialog* dialog = host.ActiveDialog();
    ASSERT_NE(dialog, nullptr);
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("SearText"));
    if (combo && combo->lineEdit()) {
      combo->lineEdit()->selectAll();
      for (QChar c : QStringLiteral("line")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(combo->lineEdit(), &press);
      }
      shown = combo->currentText();
    }
    dialog->findChild<QPushButton*>(QStringLiteral("OKBut"))->click();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(shown, QStringLiteral("line"));
  EXPECT_EQ(TSearchOptions::Instance().TextToFind(), U"line");
}

}  // namespace
}  // namespace qs::qt
