#include "qt/printpdf.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/appoptions.h"
#include "app/mainform.h"
#include "app/schemefolders.h"
#include "app/syntaxlist.h"
#include "app/systopt.h"
#include "editor/offscreenhost.h"
#include "platform/filesystem.h"
#include "qt/qtcanvas.h"
#include "qt/qtplatform.h"
#include "support/errors.h"
#include "support/guardedcall.h"
#include "support/registry.h"

namespace qs::qt {

namespace {

void Say(const std::string& text) {
  std::fprintf(stderr, "quillon: %s\n", text.c_str());
}

// The document is opened and its scheme chosen as the window would, so the
// page looks as a print from the window does; only the progress window is
// left out, having no one to show it to.
void PrintDocument(QtPlatform& platform, const std::string& in, const std::string& out) {
  Platform& services = platform.Get();
  if (!services.files.Exists(in)) throw Error("\"" + in + "\" does not exist");
  TSchemeFolders folders(services.files, DefaultShippedSchemeFolder(services.files),
                         DefaultUserDataFolder());
  TSyntaxList schemes(folders);
  QImage measureImage(1, 1, QImage::Format_RGB32);
  QPainter measurePainter(&measureImage);
  QtCanvas measure(measurePainter);
  TOffscreenHost host({800, 600});
  TQSMemo editor(host, measure);
  TMainForm form(editor, schemes, services, TSysOptions::Instance(), {});
  form.OpenFile(in, okText);
  TQSPrintOptions options = editor.PrintOptions();
  options.Exclude(poShowProgress);
  editor.SetPrintOptions(options);
  platform.Printer().SetPdfOutput(std::filesystem::absolute(out).string());
  editor.Print();
}

}  // namespace

bool IsPrintPdfCommand(int argc, char** argv) {
  return argc >= 2 && std::strcmp(argv[1], kPrintPdfSwitch) == 0;
}

int PrintPdfMain(int argc, char** argv) {
  if (argc != 4) {
    Say(std::string("usage: quillon ") + kPrintPdfSwitch + " IN OUT.pdf");
    return 2;
  }
  const std::string in = argv[2];
  const std::string out = argv[3];
  TApplicationOptions options(SettingsStore::Instance());
  // No window is ever shown, so no display is needed, whatever the
  // environment names.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QtPlatform platform;
  PlatformInstallation installed(platform.Get());
  const bool printed = GuardedCall(Say, [&] { PrintDocument(platform, in, out); });
  return printed ? 0 : 1;
}

}  // namespace qs::qt
