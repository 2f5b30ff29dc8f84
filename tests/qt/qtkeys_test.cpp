#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "editor/memocommands.h"
#include "qt/qtcommands.h"
#include "qt/qtconvert.h"
#include "qt/qtmemowidget.h"
#include "qt/qtmouseinput.h"

namespace qs::qt {
namespace {

bool Send(QWidget& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
          const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(&w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QApplication::sendEvent(&w, &release);
  return press.isAccepted();
}

void TypeText(QWidget& w, const QString& text) {
  for (const QChar c : text) {
    const bool upper = c.isUpper();
    const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
    Send(w, key, upper ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
  }
}

struct QtKeyCase {
  int qtKey;
  Qt::KeyboardModifiers mods;
  TKey key;
  TShiftState shift;
};

// The editor's keys, the window's shortcuts and the pointer's held keys all
// come from the one translation: a punctuation or keypad key that reached the
// editor as one code must not reach the command table as another, or as none.
TEST(QtKeys, EveryUseTranslatesAKeyAndItsModifiersAlike) {
  constexpr auto None = Qt::NoModifier;
  constexpr auto Shift = Qt::ShiftModifier;
  constexpr auto Ctrl = Qt::ControlModifier;
  constexpr auto Alt = Qt::AltModifier;
  constexpr auto Keypad = Qt::KeypadModifier;
  const QtKeyCase cases[] = {
      {Qt::Key_A, None, 'A', 0},
      {Qt::Key_Q, Ctrl, 'Q', ssCtrl},
      {Qt::Key_7, None, '7', 0},
      {Qt::Key_7, Keypad, vk::Numpad0 + 7, 0},
      {Qt::Key_5, Keypad | Ctrl, vk::Numpad0 + 5, ssCtrl},
      {Qt::Key_Minus, Keypad, vk::Subtract, 0},
      {Qt::Key_Minus, Ctrl, vk::OemMinus, ssCtrl},
      {Qt::Key_Plus, Keypad, vk::Add, 0},
      {Qt::Key_Asterisk, Keypad, vk::Multiply, 0},
      {Qt::Key_Slash, Keypad, vk::Divide, 0},
      {Qt::Key_Period, Keypad, vk::Decimal, 0},
      {Qt::Key_Enter, Keypad, vk::Return, 0},
      {Qt::Key_Home, Keypad, vk::Home, 0},
      {Qt::Key_BracketLeft, Ctrl, vk::OemOpenBracket, ssCtrl},
      {Qt::Key_BraceRight, Shift, vk::OemCloseBracket, ssShift},
      {Qt::Key_Equal, Ctrl | Alt, vk::OemPlus, ssCtrl | ssAlt},
      {Qt::Key_Question, Shift | Ctrl, vk::OemSlash, ssShift | ssCtrl},
      {Qt::Key_Percent, Shift | Ctrl, '5', ssShift | ssCtrl},
      {Qt::Key_ParenRight, Shift, '0', ssShift},
      {Qt::Key_Backtab, Shift, vk::Tab, ssShift},
      {Qt::Key_PageDown, Alt, vk::Next, ssAlt},
      {Qt::Key_F12, Shift | Alt | Keypad, vk::Function(12), ssShift | ssAlt},
      {Qt::Key_Control, Ctrl, vk::Control, ssCtrl},
      {Qt::Key_unknown, Ctrl, 0, ssCtrl},
  };
  for (const QtKeyCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "Qt key 0x" << std::hex << c.qtKey);
    EXPECT_EQ(KeyFromQt(c.qtKey, c.mods), c.key);
    EXPECT_EQ(ShiftFromQt(c.mods), c.shift);
    const TShortCut expected = c.key == 0 ? TShortCut{} : TShortCut{c.key, c.shift};
    EXPECT_EQ(ShortCutFromQt(c.qtKey, c.mods), expected);
    EXPECT_EQ(ToShiftState(c.mods, Qt::LeftButton), c.shift | ssLeft);
  }
}

class QtMemoKeys : public ::testing::Test {
 protected:
  QtMemoKeys() {
    widget.resize(400, 300);
    widget.show();
    QApplication::processEvents();
    widget.Memo().OnCommand = [this](TCustomQSMemo&, TKeyCommand c, bool&) { run.push_back(c); };
  }
  TCustomMemoSource& Source() { return widget.Memo().Source(); }
  String Line(int n) { return Source().ExpandedLine(n); }

  QtMemoWidget widget;
  std::vector<TKeyCommand> run;
};

TEST_F(QtMemoKeys, TypingBracketsAndKeypadDigits) {
  TypeText(widget, QStringLiteral("a[b]"));
  Send(widget, Qt::Key_BraceLeft, Qt::ShiftModifier, QStringLiteral("{"));
  Send(widget, Qt::Key_3, Qt::KeypadModifier, QStringLiteral("3"));
  Send(widget, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"));
  EXPECT_EQ(Line(0), U"a[b]{3+");
  EXPECT_EQ(Source().CaretColumn(), 7);
  // Ctrl and Alt chords type nothing even when the event carries text.
  Send(widget, Qt::Key_M, Qt::AltModifier, QStringLiteral("m"));
  EXPECT_EQ(Line(0), U"a[b]{3+");
}

TEST_F(QtMemoKeys, ShiftArrowsSelectAndEnterBreaksTheLine) {
  TypeText(widget, QStringLiteral("hello"));
  Send(widget, Qt::Key_Left, Qt::ShiftModifier);
  Send(widget, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(Source().SelectionType(), stStreamSel);
  EXPECT_EQ(Source().SelectedRange(0), std::make_pair(3, 5));
  Send(widget, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Source().SelectedRange(0), std::make_pair(0, 5));
  Send(widget, Qt::Key_Right);
  EXPECT_FALSE(Source().HasSelection());
  Send(widget, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_EQ(Line(0), U"h");
  EXPECT_EQ(Line(1), U"ello");
  Send(widget, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_TRUE(Source().HasSelection());
}

TEST_F(QtMemoKeys, KeypadKeysReachTheirBindings) {
  widget.Memo().SetKeyMapping(U"Brief");
  TypeText(widget, QStringLiteral("xy"));
  Send(widget, Qt::Key_Asterisk, Qt::KeypadModifier, QStringLiteral("*"));
  EXPECT_EQ(run.back(), ecUndo);
  EXPECT_NE(Line(0), U"xy*") << "the keypad key ran its binding instead of typing";
  Send(widget, Qt::Key_Asterisk, Qt::ShiftModifier, QStringLiteral("*"));
  EXPECT_EQ(Line(0).back(), U'*') << "the main keyboard's * types";
}

TEST_F(QtMemoKeys, TwoStrokeSequencesGoBeforeMenuShortcuts) {
  TypeText(widget, QStringLiteral("text"));
  // The shortcut map sends the override query ignored and looks whether
  // someone took it.
  QKeyEvent idle(QEvent::ShortcutOverride, Qt::Key_B, Qt::ControlModifier);
  idle.ignore();
  QApplication::sendEvent(&widget, &idle);
  EXPECT_FALSE(idle.isAccepted()) << "in state 0 menu shortcuts come first";
  Send(widget, Qt::Key_K, Qt::ControlModifier, QStringLiteral("\x0b"));
  Send(widget, Qt::Key_Control, Qt::ControlModifier);
  QKeyEvent second(QEvent::ShortcutOverride, Qt::Key_B, Qt::ControlModifier);
  second.ignore();
  QApplication::sendEvent(&widget, &second);
  EXPECT_TRUE(second.isAccepted());
  Send(widget, Qt::Key_B, Qt::ControlModifier, QStringLiteral("\x02"));
  ASSERT_FALSE(run.empty());
  EXPECT_EQ(run.back(), ecMarkBlockBegin);
  EXPECT_EQ(Line(0), U"text");
}

TEST_F(QtMemoKeys, TabMovesTheFocusUnlessTheControlWantsTabs) {
  QWidget form;
  auto* layout = new QVBoxLayout(&form);
  auto* memo = new QtMemoWidget;
  auto* next = new QLineEdit;
  layout->addWidget(memo);
  layout->addWidget(next);
  form.show();
  QApplication::processEvents();
  memo->setFocus();
  memo->Memo().SetWantTabs(false);
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  QApplication::sendEvent(memo, &tab);
  EXPECT_EQ(memo->Memo().Source().ExpandedLine(0), U"");
  memo->Memo().SetWantTabs(true);
  Send(*memo, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  EXPECT_NE(memo->Memo().Source().ExpandedLine(0), U"");
}

TEST_F(QtMemoKeys, AThrowingCommandDoesNotLeaveTheKeyEvent) {
  std::vector<std::string> errors;
  widget.Memo().OnCommand = [](TCustomQSMemo&, TKeyCommand, bool&) { throw Error("boom"); };
  widget.Memo().OnCommandError = [&](TCustomQSMemo&, const Error& e) {
    errors.push_back(e.what());
  };
  EXPECT_NO_THROW(Send(widget, Qt::Key_Down));
  EXPECT_EQ(errors, std::vector<std::string>{"boom"});
}

}  // namespace
}  // namespace qs::qt
