// Benchmarks of the RTF and HTML readers: our own export of a highlighted
// 100 000-line PHP document read back, each beside the time the export of
// that document took; and the same import of half the document, so a reader
// that grows worse than linearly shows as a ratio above 1.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "benchreport.h"
#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "editor/qsmemo.h"
#include "export/htmlexporter.h"
#include "export/htmlimporter.h"
#include "export/rtfexporter.h"
#include "export/rtfimporter.h"
#include "platform/headlesscanvas.h"
#include "platform/headlesswindowhost.h"
#include "platform/localfilesplatform.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "bench_import: %s\n", why.c_str());
  std::exit(1);
}

std::string SchemeFile() {
  if (const char* dir = std::getenv("QUILLON_SCHEMES_DIR")) return std::string(dir) + "/php.sch";
  std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  for (; !p.empty() && p != p.root_path(); p = p.parent_path())
    if (std::filesystem::exists(p / "syntaxschemes/php.sch")) return p / "syntaxschemes/php.sch";
  Fail("syntaxschemes/php.sch not found above the executable");
}

// Lines of a page with PHP in it, so every line carries several colours.
std::string PageLines(int lines) {
  static const char* const kLines[] = {
      "<p class=\"item\">Hello <?php echo $name; ?> &amp; welcome</p>",
      "<?php foreach ($items as $key => $value) { echo \"<li>$key</li>\"; } ?>",
      "<!-- a comment that runs on -->",
      "<?php if ($count >= 10 && $flag !== false) { $count = 0; } // reset ?>",
  };
  std::string text;
  for (int i = 0; i < lines; ++i) (text += kLines[i % 4]) += '\n';
  return text;
}

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

struct Exported {
  std::string bytes;
  double seconds = 0;
};

Exported Export(int lines, qs::TExporterClass exporter) {
  qs::TGlobalStyleResolver resolver{qs::MemoEnvOptions()};
  qs::TSyntaxParser parser;
  parser.SetStyleResolver(&resolver);
  parser.SetUseGlobalOptions(true);
  qs::TSyntaxScheme scheme;
  scheme.LoadFromFile(SchemeFile());
  parser.SetSyntaxScheme(scheme);
  qs::HeadlessWindowHost host;
  qs::HeadlessCanvas canvas;
  qs::TQSMemo memo{host, canvas};
  memo.Source().LoadFromBytes(PageLines(lines));
  memo.SetSyntaxParser(&parser);
  memo.Source().ParseLines(0, memo.Source().LineCount() - 1, false);
  qs::TStringStream out;
  const auto t0 = Clock::now();
  memo.ExportToStream(out, exporter, false);
  Exported result{out.TakeBytes(), Seconds(t0)};
  memo.SetSyntaxParser(nullptr);
  return result;
}

// The best of three imports; every run's characters are counted so nothing
// is optimised away.
double ImportSeconds(qs::TQSImporter& importer, const std::string& bytes) {
  double best = 1e9;
  std::size_t characters = 0;
  importer.OnImportText = [&characters](qs::TQSImporter&, qs::StringView text, qs::TColor,
                                        const qs::TImportFont&) { characters += text.size(); };
  for (int round = 0; round < 3; ++round) {
    const auto t0 = Clock::now();
    importer.Import(bytes);
    best = std::min(best, Seconds(t0));
  }
  if (characters == 0) Fail("the import gave no text");
  return best;
}

template <typename Importer>
void Measure(const char* name, qs::TExporterClass exporter) {
  constexpr int kLines = 100000;
  const Exported whole = Export(kLines, exporter);
  const Exported half = Export(kLines / 2, exporter);
  Importer importer;
  const double wholeSeconds = ImportSeconds(importer, whole.bytes);
  const double halfSeconds = ImportSeconds(importer, half.bytes);
  Report(std::string("import_") + name + "_100k_lines", wholeSeconds, "s", whole.seconds);
  Report(std::string("import_") + name + "_linearity", wholeSeconds / (2 * halfSeconds), "x", 1.0);
  Report(std::string("import_") + name + "_throughput",
         static_cast<double>(whole.bytes.size()) / 1e6 / wholeSeconds, "MB/s", 0);
}

}  // namespace

int main() {
  qs::LocalFilesPlatform local;
  const qs::PlatformInstallation installed(local.platform);
  Measure<qs::TQSHTMLImporter>("html", &qs::TQSHTMLExporter::Create);
  Measure<qs::TQSRtfImporter>("rtf", &qs::TQSRTFExporter::Create);
}
