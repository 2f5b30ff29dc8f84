// The preview with the real web engine: the main window on the offscreen
// platform, a page shown from its copy (F11) and through PHP's built-in
// server (F12), read back from the engine and photographed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>
#include <fstream>
#include <functional>

#include <unistd.h>

#include "app/browserdlg.h"
#include "app/folderschemecatalogue.h"
#include "app/localwebserver.h"
#include "app/systopt.h"
#include "platform/headlessplatform.h"
#include "platform/localfilesystem.h"
#include "platform/process.h"
#include "qt/mainwindow.h"
#include "qt/qtbrowserpanel.h"
#include "qt/qtmemowidget.h"
#include "qt/qtpreviewviews.h"
#include "qt/qtwebbrowser.h"
#include "support/utf8.h"

namespace qs::qt {
namespace {

constexpr int kF11 = Qt::Key_F11;
constexpr int kF12 = Qt::Key_F12;

// The headless services with the host's files and the real web view.
struct WebPlatform {
  HeadlessPlatform headless;
  LocalFileSystem files;
  QtWebBrowser browser;
  Platform platform{files,          headless.clipboard, headless.clock,
                    headless.clock, headless.dialogs,   headless.forms,
                    headless.shell, headless.printer,   browser,
                    headless.help,  headless.screen};
  PlatformInstallation installed{platform};
};

class PreviewQtTest : public ::testing::Test, public WebPlatform {
 protected:
  PreviewQtTest() {
    m_dir =
        std::filesystem::temp_directory_path() / ("quillon-qtpreview-" + std::to_string(getpid()));
    std::filesystem::create_directories(m_dir / "private");
  }
  ~PreviewQtTest() override { std::filesystem::remove_all(m_dir); }

  void Open(MainWindow& window, const std::string& name, const std::string& text) {
    const std::string path = (m_dir / name).string();
    std::ofstream(path, std::ios::binary) << text;
    window.Form().OpenFile(path, okText);
    window.Form().PrivateTempFolder = [this] { return (m_dir / "private").string(); };
    window.show();
    QApplication::processEvents();
  }
  // A key as the user presses it: to the widget with the focus.
  static void PressKey(MainWindow& window, int key,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(focus != nullptr ? focus : &window, &press);
  }
  // Runs the event loop until done says so or 30 seconds are over.
  static bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
      if (timer.elapsed() > 30000) return false;
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
  }
  // The text of the shown page, as the engine lays it out.
  std::string PageText() {
    std::string text;
    bool answered = false;
    browser.View().page()->runJavaScript(QStringLiteral("document.body.innerText"),
                                         [&](const QVariant& result) {
                                           text = result.toString().toStdString();
                                           answered = true;
                                         });
    EXPECT_TRUE(WaitFor([&] { return answered; }));
    return text;
  }
  // Pixels darker than mid grey in the part of shot (of the window) that widget covers.
  static int DarkPixels(const QImage& shot, QWidget& widget) {
    const QRect area(widget.mapTo(widget.window(), QPoint()), widget.size());
    int dark = 0;
    for (int y = area.top(); y <= area.bottom() && y < shot.height(); ++y)
      for (int x = area.left(); x <= area.right() && x < shot.width(); ++x)
        if (qGray(shot.pixel(x, y)) < 64) ++dark;
    return dark;
  }
  bool WaitForPageText(const std::string& wanted) {
    return WaitFor([&] { return PageText().find(wanted) != std::string::npos; });
  }

  std::filesystem::path m_dir;
  TFolderSchemeCatalogue schemes{files, std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes"};
  TSysOptions options;
};

TEST_F(PreviewQtTest, F11ShowsTheEditedPageAndF11ReturnsToTheCode) {
  MainWindow window(platform, schemes, options, {}, false);
  window.resize(800, 600);
  Open(window, "page.html", "<html><body><h1>Saved heading</h1></body></html>");
  window.Editor().Memo().Source().TypeChar(U'!');

  PressKey(window, kF11);
  ASSERT_EQ(window.Form().TabIndex(), 1);
  EXPECT_EQ(window.PreviewViews().Tabs().currentIndex(), 1);
  EXPECT_EQ(window.PreviewViews().Tabs().tabText(1).toStdString(), "Preview F11");
  ASSERT_TRUE(WaitForPageText("Saved heading")) << PageText();
  EXPECT_EQ(PageText().rfind("!", 0), 0u) << "the unsaved edit is shown";
  EXPECT_FALSE(window.Editor().isVisible());
  EXPECT_TRUE(browser.View().isVisible());

  // The engine draws its frames after the page has loaded: the heading's
  // dark glyphs turn up in the page area of a picture of the window.
  const std::string shotPath = std::string(QUILLON_BINARY_DIR) + "/test-logs/preview-f11.png";
  QImage shot;
  EXPECT_TRUE(WaitFor([&] {
    shot = window.grab().toImage();
    return DarkPixels(shot, browser.View()) > 50;
  })) << "no text drawn in "
      << shotPath;
  shot.save(QString::fromStdString(shotPath));

  PressKey(window, kF11);
  EXPECT_EQ(window.Form().TabIndex(), 0);
  EXPECT_TRUE(window.Editor().isVisible());
  EXPECT_FALSE(std::filesystem::exists(m_dir / "qwil_tempfile.html"));
}

TEST_F(PreviewQtTest, F12ShowsThePageThroughALoopbackPhpServer) {
  if (FindProgram("php").empty()) GTEST_SKIP() << "php is not installed";
  TPhpWebServer server;
  server.Start(m_dir.string());
  options.SetServerPath(FromUtf8(m_dir.string() + "/"));
  options.SetServerUrl(FromUtf8(server.Url()));

  MainWindow window(platform, schemes, options, {}, false);
  window.resize(800, 600);
  Open(window, "script.php", "<p><?php echo 'six times seven is ' . (6 * 7); ?></p>");

  PressKey(window, kF12);
  ASSERT_EQ(window.Form().TabIndex(), 2);
  ASSERT_TRUE(WaitForPageText("six times seven is 42")) << PageText();
  EXPECT_EQ(browser.CurrentUrl(), server.Url() + "qwil_tempfile.php");

  // A link followed in the page, then Back in the browser window.
  TBrowserDlg& dialog = *window.Form().BrowserDlg();
  dialog.SetAddressText(FromUtf8(server.Url() + "nothing-here.php"));
  dialog.NavigateToAddress();
  ASSERT_TRUE(WaitFor([&] { return dialog.Action("BackBtn").Enabled(); }));
  PressKey(window, Qt::Key_Left, Qt::AltModifier);
  ASSERT_TRUE(WaitForPageText("six times seven is 42")) << PageText();
  EXPECT_EQ(dialog.HistoryIndex(), 0);
}

}  // namespace
}  // namespace qs::qt
