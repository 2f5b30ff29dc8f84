#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "app/appoptions.h"
#include "app/schemefolders.h"
#include "app/syntaxlist.h"
#include "app/systopt.h"
#include "qt/mainwindow.h"
#include "qt/printpdf.h"
#include "qt/qtconvert.h"
#include "qt/qtplatform.h"
#include "support/guardedcall.h"
#include "support/registry.h"

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
    QTimer::singleShot(0, &window,
                       [&window] { qs::GuardedCall([&window] { window.Form().FormShow(); }); });
    result = QApplication::exec();
  }
  const bool saved = qs::GuardedCall([&] {
    schemes.SaveCatalogue();
    options.SaveAll();
  });
  return (saved || result != 0) ? result : 1;
}
