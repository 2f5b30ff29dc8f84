#include "qt/mainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

#include <unistd.h>

#include "app/folderschemecatalogue.h"
#include "app/systopt.h"
#include "common/localfilesplatform.h"
#include "editor/memocommands.h"
#include "platform/headlessplatform.h"
#include "platform/localfilesystem.h"
#include "qt/qtmemowidget.h"
#include "support/utf8.h"

static void InitIcons() {
  Q_INIT_RESOURCE(icons);
}

namespace qs::qt {
namespace {

class MainWindowTest : public ::testing::Test, public qs::testing::LocalFilesPlatform {
 protected:
  MainWindowTest() {
    InitIcons();
    m_dir =
        std::filesystem::temp_directory_path() / ("quillon-qtwindow-" + std::to_string(getpid()));
    std::filesystem::create_directories(m_dir);
  }
  ~MainWindowTest() override { std::filesystem::remove_all(m_dir); }

  std::string Write(const std::string& name, const std::string& content) {
    const std::string path = (m_dir / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  std::filesystem::path m_dir;
  TFolderSchemeCatalogue schemes{files, std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes"};
  TSysOptions options;
};

// The distinct colours of the editor's text area.
std::set<QRgb> EditorColours(QtMemoWidget& editor) {
  const QImage shot = editor.viewport()->grab().toImage();
  std::set<QRgb> colours;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) colours.insert(shot.pixel(x, y));
  return colours;
}

TEST_F(MainWindowTest, ShowsMenuToolbarStatusBarAndAHighlightedDocument) {
  const std::string page =
      Write("page.php", "<?php\n// a comment\n$name = \"text\";\necho strlen($name) + 42;\n?>\n");
  MainWindow window(platform, schemes, options, {page}, false);
  window.show();
  window.Form().FormShow();
  QApplication::processEvents();

  EXPECT_EQ(window.windowTitle().toStdString(), "page.php - Quillon");
  QStringList menus;
  for (QAction* action : window.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Convert", "&Search", "&Insert",
                                "&Tools", "&Help"}));

  QToolBar& bar = window.ToolBar();
  int withIcon = 0;
  for (QAction* action : bar.actions())
    if (!action->isSeparator() && !action->icon().isNull()) ++withIcon;
  EXPECT_GE(withIcon, 12);
  EXPECT_EQ(window.SchemeSelector().currentText().toStdString(), "PHP");
  // The selector sits at the right end of the toolbar.
  const QRect selector = window.SchemeSelector().geometry();
  EXPECT_GT(selector.right(), bar.width() - 40);

  const auto labels = window.statusBar()->findChildren<QLabel*>();
  QStringList texts;
  for (QLabel* label : labels) texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("Line:   1   Col:   0")))
      << texts.join('|').toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("Insert")));

  const QImage shot = window.grab().toImage();
  ASSERT_FALSE(shot.isNull());
  shot.save(QStringLiteral("mainwindow.png"));

  // Highlighting paints colours that the same text without a scheme lacks.
  const std::set<QRgb> highlighted = EditorColours(window.Editor());
  window.Form().SyntaxComboBoxChange(0);
  QApplication::processEvents();
  EXPECT_EQ(window.SchemeSelector().currentIndex(), 0);
  const std::set<QRgb> plain = EditorColours(window.Editor());
  EXPECT_GT(highlighted.size(), plain.size() + 1);
}

// The scroll bar's range shrinking under the old position must not move the
// view of the new document: it starts at its top, where its caret is.
TEST_F(MainWindowTest, ANewlyOpenedDocumentStartsAtItsTop) {
  std::string longText;
  for (int i = 1; i <= 600; ++i) longText += "line " + std::to_string(i) + "\n";
  std::string shortText;
  for (int i = 1; i <= 200; ++i) shortText += "short " + std::to_string(i) + "\n";
  const std::string first = Write("long.txt", longText);
  const std::string second = Write("short.txt", shortText);
  MainWindow window(platform, schemes, options, {first}, false);
  window.resize(800, 600);
  window.show();
  window.Form().FormShow();
  QApplication::processEvents();
  window.Editor().verticalScrollBar()->setValue(419);
  QApplication::processEvents();
  ASSERT_EQ(window.Form().Editor().TopLine(), 419);
  window.Form().OpenFile(second, okText);
  QApplication::processEvents();
  EXPECT_EQ(window.Form().Editor().TopLine(), 0);
  EXPECT_EQ(window.Editor().verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, CommandsWithoutOperationAreDisabledInTheMenus) {
  MainWindow window(platform, schemes, options, {}, false);
  QMenu* tools = nullptr;
  for (QAction* action : window.menuBar()->actions())
    if (action->text() == QStringLiteral("&Tools")) tools = action->menu();
  ASSERT_NE(tools, nullptr);
  emit tools->aboutToShow();
  QStringList captions;
  QStringList enabled;
  for (QAction* action : tools->actions()) {
    if (action->isSeparator()) continue;
    captions << action->text().section('\t', 0, 0);
    if (action->isEnabled()) enabled << captions.last();
  }
  EXPECT_EQ(captions.first().toStdString(), "Editor Options...");
  EXPECT_TRUE(captions.contains(QStringLiteral("Validate HTML")));
  // Without a form host even Preferences waits; the validator needs no form.
  EXPECT_EQ(enabled.join('|').toStdString(), "Validate HTML");
}

TEST_F(MainWindowTest, KeysReachTheCommandTableBeforeTheEditor) {
  MainWindow window(platform, schemes, options, {}, false);
  window.show();
  window.activateWindow();
  window.Editor().setFocus();
  QApplication::processEvents();
  if (QApplication::focusWidget() != &window.Editor()) GTEST_SKIP() << "no keyboard focus here";

  window.Editor().Memo().Source().TypeChar(U'a');
  QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
  QApplication::sendEvent(&window.Editor(), &undo);
  EXPECT_EQ(window.Editor().Memo().Source().SavedText(), U"");

  // Esc closes the window when nothing else takes it and Quick exit is on.
  options.SetUseEscKey(true);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&window.Editor(), &escape);
  QApplication::processEvents();
  EXPECT_TRUE(window.Form().IsClosed());
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace qs::qt

namespace qs::qt {
namespace {

TEST_F(MainWindowTest, AClickInTheGutterOpensTheBookmarkMenu) {
  const std::string page = Write("g.php", "<?php\necho 1;\n");
  MainWindow window(platform, schemes, options, {page}, false);
  window.show();
  window.Form().FormShow();
  QApplication::processEvents();
  ASSERT_TRUE(window.Editor().Memo().HasOption(moDrawGutter));

  QWidget* viewport = window.Editor().viewport();
  const QPointF inGutter(2, 5);
  QMouseEvent press(QEvent::MouseButtonPress, inGutter, viewport->mapToGlobal(inGutter),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &press);
  QApplication::processEvents();
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->objectName(), QStringLiteral("GutterMenu"));
  QStringList captions;
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) captions << action->text();
  EXPECT_EQ(captions.size(), 22);
  EXPECT_EQ(captions.first(), QStringLiteral("Toggle"));
  menu->close();
}

}  // namespace
}  // namespace qs::qt

namespace qs::qt {
namespace {

std::string ReadLogFile() {
  const char* path = std::getenv("QUILLON_LOG_FILE");
  if (path == nullptr) return {};
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fault that is no qs::Error, from a menu command or from a key's command,
// stops at the boundary: it is shown as an internal error and logged, and
// the window goes on working.
TEST_F(MainWindowTest, AFaultInAMenuCommandOrAKeyIsShownLoggedAndOutlived) {
  const std::string tag = std::to_string(getpid());
  headless.clipboard.SetText(U"pasted");
  MainWindow window(platform, schemes, options, {}, false);
  window.show();
  QApplication::processEvents();
  TQSMemo& memo = window.Editor().Memo();

  memo.Source().OnPasteFromClipboard = [&](TCustomMemoSource&, TStrings&) {
    throw std::length_error("paste " + tag);
  };
  auto* paste = window.findChild<QAction*>(QStringLiteral("PasteAct"));
  ASSERT_NE(paste, nullptr);
  ASSERT_TRUE(paste->isEnabled());
  headless.dialogs.AnswerMessage(MsgResult::OK);
  EXPECT_NO_THROW(paste->trigger());

  memo.OnCommand = [&](TCustomQSMemo&, TKeyCommand command, bool&) {
    if (command == ecCaretDown) throw std::length_error("key " + tag);
  };
  headless.dialogs.AnswerMessage(MsgResult::OK);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  EXPECT_NO_THROW(QApplication::sendEvent(&window.Editor(), &down));

  std::vector<std::string> shown;
  for (const Prompt& p : headless.dialogs.Prompts()) shown.push_back(ToUtf8(p.text));
  EXPECT_EQ(shown, (std::vector<std::string>{"Internal error: paste " + tag,
                                             "Internal error: key " + tag}));
  const std::string log = ReadLogFile();
  EXPECT_NE(log.find("Internal error: paste " + tag), std::string::npos) << log;
  EXPECT_NE(log.find("Internal error: key " + tag), std::string::npos) << log;

  // Both the menus and the keys still work.
  memo.Source().OnPasteFromClipboard = nullptr;
  paste->trigger();
  QKeyEvent type(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(&window.Editor(), &type);
  EXPECT_EQ(memo.Source().ExpandedLine(0), U"pastedx");
  EXPECT_EQ(headless.dialogs.Prompts().size(), 2u);
}

}  // namespace
}  // namespace qs::qt
