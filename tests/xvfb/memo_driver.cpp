// Shows the editor widget with a given file for a scripted desktop test. It
// writes the document text to <out> after every edit and when it closes, and
// "<out>.view" with the view's place on the screen and its metrics:
//   screenX screenY textLeft lineHeight charWidth topLine
// which it rewrites whenever the view scrolls.
#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/fakeclock.h"
#include "platform/headlessbrowser.h"
#include "platform/headlessformhost.h"
#include "platform/headlesshelpviewer.h"
#include "platform/headlessprinter.h"
#include "platform/localfilesystem.h"
#include "platform/localshell.h"
#include "platform/platform.h"
#include "qt/qtclipboard.h"
#include "qt/qtdialogs.h"
#include "qt/qtmemowidget.h"
#include "qt/qtscreen.h"
#include "qt/qttimers.h"
#include "support/utf8.h"

namespace {

// Writes through a temporary file, so a reader never sees half a file.
void WriteAtomically(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::filesystem::rename(temp, path);
}

volatile std::sig_atomic_t g_stop = 0;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: memo_driver <file to show> <file to write the text to>\n";
    return 2;
  }
  QApplication app(argc, argv);
  const std::string input = argv[1];
  const std::string output = argv[2];

  // The desktop's services where the backend has them; the rest are not
  // used by the editor widget.
  qs::LocalFileSystem files;
  qs::qt::QtClipboard clipboard;
  qs::SteadyClock clock;
  qs::qt::QtTimers timers;
  qs::qt::QtDialogs dialogs;
  qs::HeadlessFormHost forms;
  qs::LocalShell shell;
  qs::HeadlessPrinter printer;
  qs::HeadlessWebBrowser browser;
  qs::HeadlessHelpViewer help;
  qs::qt::QtScreen screen;
  qs::Platform platform{files, clipboard, clock,   timers, dialogs, forms,
                        shell, printer,   browser, help,   screen};
  qs::PlatformInstallation installed(platform);

  qs::qt::QtMemoWidget widget;
  widget.setWindowTitle(QStringLiteral("memo_driver"));
  widget.resize(640, 400);
  qs::TQSMemo& memo = widget.Memo();
  qs::TCustomMemoSource& source = memo.Source();
  try {
    source.LoadFromFile(input);
  } catch (const std::exception& e) {
    std::cerr << "memo_driver: " << e.what() << "\n";
    return 1;
  }

  const auto writeText = [&] { WriteAtomically(output, qs::ToUtf8(source.Lines().Text())); };
  const auto writeView = [&] {
    const QPoint origin = widget.viewport()->mapToGlobal(QPoint(0, 0));
    const std::string view =
        std::to_string(origin.x()) + " " + std::to_string(origin.y()) + " " +
        std::to_string(memo.Layout().textLeft) + " " + std::to_string(memo.LineHeight()) + " " +
        std::to_string(memo.CharWidth()) + " " + std::to_string(memo.TopLine()) + "\n";
    WriteAtomically(output + ".view", view);
  };
  qs::TListenerLink link = source.Listen(
      [&](qs::TCustomMemoSource& s, std::int32_t, std::int32_t) {
        if (s.Changes().Has(qs::msEdited)) writeText();
      },
      &widget, false);
  memo.OnMemoScroll = [&](qs::TCustomQSMemo&, qs::TScrollStyle, int) { writeView(); };

  std::signal(SIGTERM, [](int) { g_stop = 1; });
  QTimer stopWatch;
  QObject::connect(&stopWatch, &QTimer::timeout, [&] {
    if (g_stop) widget.close();
  });
  stopWatch.start(50);

  widget.show();
  widget.activateWindow();
  widget.setFocus();
  // The place on the screen is known once the window is mapped.
  QTimer::singleShot(200, [&] {
    writeText();
    writeView();
  });
  QObject::connect(&app, &QApplication::lastWindowClosed, [&] { writeText(); });
  const int result = QApplication::exec();
  writeText();
  return result;
}
