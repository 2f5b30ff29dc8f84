#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "app/appoptions.h"
#include "app/folderschemecatalogue.h"
#include "app/systopt.h"
#include "qt/mainwindow.h"
#include "qt/qtconvert.h"
#include "qt/qtplatform.h"
#include "support/errors.h"
#include "support/registry.h"

static void InitIcons() {
  Q_INIT_RESOURCE(icons);
}

int main(int argc, char** argv) {
  // The option objects exist, loaded, before any window.
  qs::TApplicationOptions options(qs::SettingsStore::Instance());
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  InitIcons();

  qs::qt::QtPlatform platform;
  qs::PlatformInstallation installed(platform.Get());
  const std::string schemeFolder =
      qs::qt::Utf8FromQString(QCoreApplication::applicationDirPath()) + "/syntaxschemes";
  qs::TFolderSchemeCatalogue schemes(platform.Get().files, schemeFolder);

  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  int result = 0;
  {
    qs::qt::MainWindow window(platform.Get(), schemes, qs::TSysOptions::Instance(), std::move(args),
                              platform.FormsAvailable());
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.Form().FormShow(); });
    result = QApplication::exec();
  }
  try {
    options.SaveAll();
  } catch (const qs::Error& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromUtf8(error.what()));
    return result == 0 ? 1 : result;
  }
  return result;
}
