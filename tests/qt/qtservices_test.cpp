#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt/qtdialogs.h"
#include "qt/qtfilefilter.h"
#include "qt/qtscreen.h"
#include "qt/qttimers.h"

namespace qs::qt {
namespace {

TEST(QtTimers, FiresRepeatedlyUntilStoppedFromItsOwnCallback) {
  QtTimers timers;
  QEventLoop loop;
  int ticks = 0;
  timers.StartTimer(1, 5, [&] {
    if (++ticks == 3) {
      timers.StopTimer(1);
      loop.quit();
    }
  });
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);  // bound the wait
  loop.exec();
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(timers.IsRunning(1));
  QCoreApplication::processEvents();  // the stopped timer is deleted here
}

TEST(QtFileFilter, TranslatesIntoQtNameFilters) {
  struct Case {
    const char32_t* filter;
    QStringList expected;
  };
  const Case cases[] = {
      {U"HTML files|*.htm;*.html|All files|*.*",
       {QStringLiteral("HTML files (*.htm *.html)"), QStringLiteral("All files (*)")}},
      {U"Scripts (*.php;*.js)|*.php;*.js", {QStringLiteral("Scripts (*.php *.js)")}},
      {U"Text|*.txt|Dangling", {QStringLiteral("Text (*.txt)")}},
      {U"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ToQtNameFilters(c.filter), c.expected);
}

// Answers the message box that is about to open by pressing the button with
// that role, after checking what it shows.
void AnswerNextMessageBox(QMessageBox::StandardButton press, QString* title,
                          QMessageBox::StandardButtons* offered) {
  auto attempts = std::make_shared<int>(0);
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [=] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *title = box->windowTitle();
      *offered = box->standardButtons();
      box->button(press)->click();
    } else if (++*attempts < 500) {
      QTimer::singleShot(10, *poll);
    }
  };
  QTimer::singleShot(0, *poll);
}

TEST(QtDialogs, MessageBoxesShowTheCaptionAndButtonsAndReturnThePressedOne) {
  QtDialogs dialogs;
  QString title;
  QMessageBox::StandardButtons offered;
  AnswerNextMessageBox(QMessageBox::No, &title, &offered);
  EXPECT_EQ(dialogs.Confirm(U"Save changes?", true), MsgResult::No);
  EXPECT_EQ(title, QStringLiteral("Confirm"));
  EXPECT_EQ(offered, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

  AnswerNextMessageBox(QMessageBox::Ok, &title, &offered);
  dialogs.ShowError(U"Invalid Tab Rack");
  EXPECT_EQ(title, QStringLiteral("Error"));
  EXPECT_EQ(offered, QMessageBox::Ok);
}

TEST(QtScreen, ReportsUsableDesktopSettings) {
  QtScreen screen;
  EXPECT_GT(screen.Size().cx, 0);
  EXPECT_GT(screen.DoubleClickTime(), 0);
  EXPECT_GE(screen.WheelScrollLines(), 1);
  EXPECT_GE(screen.CaretWidth(), 1);
  EXPECT_TRUE(TRect(0, 0, screen.Size().cx, screen.Size().cy).Contains(screen.WorkArea()));
}

}  // namespace
}  // namespace qs::qt
