// The Qt widget hands its pointer input to the control: presses, moves and
// releases select, the wheel scrolls, and the hand cursor is our own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QWheelEvent>

#include "platform/headlessplatform.h"
#include "qt/qtcursors.h"
#include "qt/qtmemowidget.h"

namespace {

class QtMouseTest : public ::testing::Test {
 protected:
  QtMouseTest() {
    widget.resize(400, 300);
    widget.show();
    widget.activateWindow();
    widget.setFocus();
    QApplication::processEvents();
  }

  // The centre of the left half of column c's cell on row r.
  QPointF Cell(int column, int row) {
    qs::TQSMemo& memo = widget.Memo();
    return QPointF(memo.Layout().textLeft + column * memo.CharWidth() + 1,
                   row * memo.LineHeight() + memo.LineHeight() / 2);
  }
  void Send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget.viewport(), &event);
  }

  qs::HeadlessPlatform platform;
  qs::PlatformInstallation installed{platform};
  qs::qt::QtMemoWidget widget;
};

TEST_F(QtMouseTest, PressMoveAndReleaseSelectText) {
  qs::TCustomMemoSource& source = widget.Memo().Source();
  source.LoadFromText(U"alpha beta gamma\nsecond");
  Send(QEvent::MouseButtonPress, Cell(6, 0), Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, Cell(10, 0), Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Cell(10, 0), Qt::LeftButton, Qt::NoButton);
  ASSERT_TRUE(source.HasSelection());
  EXPECT_EQ(source.SelectedRange(0), std::make_pair(6, 10));
  EXPECT_EQ(widget.Memo().MouseState(), qs::TMouseState::Idle);

  Send(QEvent::MouseButtonPress, Cell(1, 1), Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Cell(1, 1), Qt::LeftButton, Qt::NoButton);
  Send(QEvent::MouseButtonDblClick, Cell(1, 1), Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Cell(1, 1), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(source.SelectedRange(1), std::make_pair(0, 6));
}

TEST_F(QtMouseTest, TheWheelScrollsTheView) {
  std::u32string text;
  for (int i = 0; i < 200; ++i) text += U"line\n";
  widget.Memo().Source().LoadFromText(text);
  platform.screen.wheelScrollLines = 3;
  const QPointF at = Cell(1, 1);
  QWheelEvent down(at, widget.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget.viewport(), &down);
  EXPECT_EQ(widget.Memo().TopLine(), 6);
}

TEST(QtCursors, TheHandOverLinksIsOurOwnPictureWithItsFingertipAsHotSpot) {
  const QCursor hand = qs::qt::ToQCursor(qs::Cursor::HandPoint);
  EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
  EXPECT_EQ(hand.hotSpot(), QPoint(6, 1));
  EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
  EXPECT_EQ(qs::qt::ToQCursor(qs::Cursor::IBeam).shape(), Qt::IBeamCursor);
}

}  // namespace
