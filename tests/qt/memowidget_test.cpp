#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QPixmap>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <set>

#include "editorwindow.h"
#include "qt/qtmemowidget.h"

namespace {

// The shipped schemes of the source tree.
QString SchemeFolder() {
  return QString::fromStdString(
      (std::filesystem::path(QUILLON_SOURCE_DIR) / "syntaxschemes").string());
}

QString WriteFile(const QTemporaryDir& dir, const char* name, const char* text) {
  const QString path = dir.filePath(QString::fromUtf8(name));
  std::ofstream(path.toStdString()) << text;
  return path;
}

constexpr const char* kPhp =
    "<?php\n"
    "// a comment line\n"
    "$total = 42;\n"
    "function greet($name) {\n"
    "  echo \"Hello, \" . $name;\n"
    "}\n"
    "?>\n"
    "<p>plain html</p>\n";

TEST(MemoWidget, AHighlightedPhpFileIsPaintedWithGutterAndTokenColours) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  qs::qt::EditorWindow window(SchemeFolder());
  window.OpenFile(WriteFile(dir, "page.php", kPhp));
  window.resize(640, 400);
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(window.windowTitle().toStdString(), "page.php - Quillon");
  EXPECT_EQ(window.SchemeName().toStdString(), "PHP");

  qs::qt::QtMemoWidget& editor = window.Editor();
  const QImage shot = editor.viewport()->grab().toImage();
  ASSERT_FALSE(shot.isNull());
  shot.save(QStringLiteral("memowidget.png"));
  qs::TQSMemo& memo = editor.Memo();
  const qs::TMemoLayout layout = memo.Layout();
  const int lh = memo.LineHeight();
  const double ratio = shot.devicePixelRatio();
  const auto px = [&](int x, int y) { return shot.pixel(int(x * ratio), int(y * ratio)); };

  // The gutter: its own fill, then an edge line, unlike the text background.
  ASSERT_GT(layout.gutter, 2);
  const QRgb textBack = px(shot.width() / ratio - 20, 8 * lh + lh / 2);
  EXPECT_NE(px(2, lh * 9), textBack);
  EXPECT_NE(px(layout.gutter - 1, lh * 9), textBack);

  // Numbers ink the gutter on the rows that hold lines.
  std::set<QRgb> gutterColours;
  for (int y = 0; y < lh; ++y)
    for (int x = 0; x < layout.gutter - 2; ++x) gutterColours.insert(px(x, y));
  EXPECT_GE(gutterColours.size(), 2u) << "no line number in the gutter";

  // The text area holds several ink colours: comments, numbers, strings,
  // keywords and html differ.
  std::set<QRgb> inks;
  for (int y = 0; y < 8 * lh; ++y)
    for (int x = layout.textLeft; x < layout.textLeft + 300; ++x) {
      const QRgb c = px(x, y);
      if (c != textBack) inks.insert(c & 0xF0F0F0);
    }
  EXPECT_GE(inks.size(), 4u);
}

TEST(MemoWidget, AFileWithoutAKnownExtensionGetsNoSchemeAndNoGutter) {
  QTemporaryDir dir;
  qs::qt::EditorWindow window(SchemeFolder());
  window.OpenFile(WriteFile(dir, "notes.unknown", "just words\n"));
  EXPECT_TRUE(window.SchemeName().isEmpty());
  EXPECT_FALSE(window.Editor().Memo().HasOption(qs::moDrawGutter));
  EXPECT_EQ(window.windowTitle().toStdString(), "notes.unknown - Quillon");
}

TEST(MemoWidget, AMissingFileGivesAnEmptyDocumentOfThatName) {
  qs::qt::EditorWindow window(SchemeFolder());
  EXPECT_NO_THROW(window.OpenFile(QStringLiteral("/nonexistent/page.php")));
  EXPECT_EQ(window.windowTitle().toStdString(), "page.php - Quillon");
  EXPECT_EQ(window.Editor().Memo().Source().SavedText(), U"");
}

TEST(MemoWidget, TheScrollBarMovesTheView) {
  QTemporaryDir dir;
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line\n";
  qs::qt::EditorWindow window(SchemeFolder());
  window.OpenFile(WriteFile(dir, "long.txt", text.c_str()));
  window.resize(400, 300);
  window.show();
  QApplication::processEvents();
  qs::qt::QtMemoWidget& editor = window.Editor();
  EXPECT_GT(editor.verticalScrollBar()->maximum(), 200);
  editor.verticalScrollBar()->setValue(120);
  EXPECT_EQ(editor.Memo().TopLine(), 120);
  editor.Memo().SetTopLine(5);
  EXPECT_EQ(editor.verticalScrollBar()->value(), 5);
}

}  // namespace

namespace {

void Press(QWidget& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, mods);
  QApplication::sendEvent(&w, &event);
}

TEST(MemoWidget, CaretKeysMoveTheCaretAndShiftSelects) {
  QTemporaryDir dir;
  qs::qt::EditorWindow window(SchemeFolder());
  window.OpenFile(WriteFile(dir, "keys.txt", "first line\nsecond line\n"));
  qs::qt::QtMemoWidget& editor = window.Editor();
  // One row a line: the keys move by lines, whatever size the window has.
  editor.Memo().SetWordWrap(false);
  qs::TCustomMemoSource& source = editor.Memo().Source();
  Press(editor, Qt::Key_Down);
  Press(editor, Qt::Key_End);
  EXPECT_EQ(source.CaretLine(), 1);
  EXPECT_EQ(source.CaretColumn(), 11);
  Press(editor, Qt::Key_Home);
  Press(editor, Qt::Key_Right, Qt::ShiftModifier);
  Press(editor, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(source.SelectionType(), qs::stStreamSel);
  EXPECT_EQ(source.SelectedRange(1), std::make_pair(0, 2));
  Press(editor, Qt::Key_Left);
  EXPECT_FALSE(source.HasSelection());
  Press(editor, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(source.CaretLine(), 0);
}

// Text dropped from another program reaches the editor where it was let go;
// dropped files are not the editor's (the window opens them).
TEST(MemoWidget, TextDroppedFromAnotherProgramIsInsertedAtTheDropPoint) {
  QTemporaryDir dir;
  qs::qt::EditorWindow window(SchemeFolder());
  window.OpenFile(WriteFile(dir, "drop.txt", "first line\n"));
  window.resize(400, 300);
  window.show();
  QApplication::processEvents();
  qs::qt::QtMemoWidget& editor = window.Editor();
  qs::TQSMemo& memo = editor.Memo();
  // The first point of the viewport that lands after "first".
  QPoint afterFirst(0, memo.LineHeight() / 2);
  while (afterFirst.x() < 400 && memo.PointToPosition({afterFirst.x(), afterFirst.y()}).Column < 5)
    afterFirst.rx()++;

  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("other.txt")))});
  QDropEvent dropFiles(QPointF(afterFirst), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor.viewport(), &dropFiles);
  EXPECT_EQ(memo.Source().Lines().Text(), U"first line");

  QMimeData text;
  text.setText(QStringLiteral(" dropped"));
  QDragEnterEvent enter(afterFirst, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor.viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(afterFirst), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor.viewport(), &drop);
  EXPECT_EQ(memo.Source().Lines().Text(), U"first dropped line");
}

}  // namespace
