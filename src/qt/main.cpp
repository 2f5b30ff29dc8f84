#include <unistd.h>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "app/appoptions.h"
#include "app/batchexport.h"
#include "app/recoverykeeper.h"
#include "app/schemefolders.h"
#include "app/syntaxlist.h"
#include "app/systopt.h"
#include "qt/mainwindow.h"
#include "qt/printpdf.h"
#include "qt/qtconvert.h"
#include "qt/qtplatform.h"
#include "support/errorlog.h"
#include "support/errors.h"
#include "support/guardedcall.h"
#include "support/registry.h"

// The web engine's sandbox refuses to run as root; a user's own settings of
// the engine's flags are left as they are.
static void PrepareWebEngine() {
  if (::geteuid() == 0 && std::getenv("QTWEBENGINE_CHROMIUM_FLAGS") == nullptr)
    ::setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox", 0);
  // The engine shares its drawing contexts with the widgets; it must be told
  // before the application object exists.
  QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

static void InitIcons() {
  Q_INIT_RESOURCE(icons);
}

// Scheme files the catalogue had to leave out are told once, at start; the
// program runs on without them.
static void ReportSchemeProblems(qs::TSyntaxList& schemes) {
  if (schemes.Problems().empty()) return;
  QString text;
  for (const qs::String& problem : schemes.Problems())
    text += qs::qt::ToQString(qs::StringView(problem)) + QLatin1Char('\n');
  QMessageBox::warning(nullptr, QStringLiteral("Quillon"), text.trimmed());
  schemes.ClearProblems();
}

// A settings file that could not be read was moved aside and the defaults
// are in use: said once, in a window, before the main one opens.
static void ReportSettingsProblem(qs::SettingsStore& store) {
  if (const std::optional<std::string> problem = store.TakeLoadProblem())
    QMessageBox::warning(nullptr, QStringLiteral("Quillon"), QString::fromStdString(*problem));
}

int main(int argc, char** argv) {
  if (qs::qt::IsPrintPdfCommand(argc, argv)) return qs::qt::PrintPdfMain(argc, argv);
  // The option objects exist, loaded, before any window.
  qs::TApplicationOptions options(qs::SettingsStore::Instance());
  // Batch exports and --help run before Qt starts: they need no display.
  if (const std::optional<int> batch =
          qs::RunBatchMode(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr))
    return *batch;
  PrepareWebEngine();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  InitIcons();

  qs::qt::QtPlatform platform;
  qs::PlatformInstallation installed(platform.Get());
  // From here on the settings are written through the platform, as every file.
  qs::SettingsStore::Instance().SetFiles(platform.Get().files);
  qs::TSchemeFolders folders(platform.Get().files,
                             qs::DefaultShippedSchemeFolder(platform.Get().files),
                             qs::DefaultUserDataFolder());
  qs::TSyntaxList schemes(folders);
  ReportSettingsProblem(qs::SettingsStore::Instance());
  ReportSchemeProblems(schemes);

  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  int result = 0;
  {
    qs::qt::MainWindow window(platform.Get(), schemes, qs::TSysOptions::Instance(), std::move(args),
                              platform.FormsAvailable());
    window.show();
    QTimer::singleShot(0, &window, [&window] {
      qs::GuardedCall([&window] {
        if (const std::string folder = qs::RecoveryFolder(); !folder.empty())
          window.Form().EnableRecovery(folder);
        window.Form().FormShow();
      });
    });
    result = QApplication::exec();
  }
  // Settings that cannot be written (a home folder without write access) are
  // lost for this session only: the user is told where, and the program ends
  // as asked.
  qs::GuardedCall([&] {
    try {
      schemes.SaveCatalogue();
      options.SaveAll();
    } catch (const qs::Error& e) {
      // Logged as well: the window is gone, the terminal or the log may be read later.
      const std::string text = std::string(
                                   "Quillon could not save its settings; the changes made to "
                                   "them in this session are lost.\n\n") +
                               e.what();
      qs::LogLine(text);
      throw qs::Error(text);
    }
  });
  return result;
}
