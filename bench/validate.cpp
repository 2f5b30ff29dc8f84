// Benchmarks of the web tools: the markup check of a 1 MB page beside a pass
// that only masks its server code, and the code explorer's update after one
// keystroke in a 100 000-line PHP file beside a reading of the whole file.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/codeexplorer.h"
#include "export/htmlvalidator.h"
#include "export/servercodemask.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"
#include "textmodel/qsstring.h"

namespace {

using Clock = std::chrono::steady_clock;
using qs::String;

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name, value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}

// The best of a few runs, in milliseconds.
double Milliseconds(const std::function<void()>& run, int runs = 3) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

// The shipped schemes: QUILLON_SCHEMES_DIR, else the nearest syntaxschemes/
// above the executable.
std::string SchemeDir() {
  if (const char* dir = std::getenv("QUILLON_SCHEMES_DIR")) return dir;
  std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  for (; !p.empty() && p != p.root_path(); p = p.parent_path())
    if (std::filesystem::is_directory(p / "syntaxschemes")) return (p / "syntaxschemes").string();
  return "syntaxschemes";
}

// About 1 MB of a PHP page with a fault in every section.
String Page() {
  String page = U"<!DOCTYPE html>\n<html>\n<head><title>t</title></head>\n<body>\n";
  for (int i = 0; page.size() < 1'000'000; ++i) {
    const String n = qs::FromUtf8(std::to_string(i));
    page += U"<div id=\"s" + n +
            U"\" class=\"<?= $cls ?>\">\n"
            U"  <h2>Section " +
            n +
            U"</h2>\n"
            U"  <p>Some <b>text</b> with <a href=\"?p=" +
            n +
            U"\">a link</a>.</p>\n"
            U"  <ul><li>one<li>two</ul>\n"
            U"  <?php foreach ($rows as $r) { echo '<tr>' . $r . '</tr>'; } ?>\n"
            U"  <span foo=\"" +
            n +
            U"\">x</span>\n"
            U"</div>\n";
  }
  return page + U"</body>\n</html>\n";
}

void BenchValidation() {
  const String page = Page();
  std::size_t found = 0;
  const double check = Milliseconds([&] { found = qs::ValidateHtml(page, {}).size(); });
  const double mask = Milliseconds([&] { (void)qs::MaskServerCode(page).size(); });
  std::printf("# %zu characters, %zu messages\n", page.size(), found);
  Report("validate_1mb_page", check, "ms", mask);
}

void BenchExplorer() {
  qs::TSyntaxScheme scheme;
  scheme.LoadFromFile(SchemeDir() + "/php.sch");
  qs::TSyntaxParser parser;
  parser.SetSyntaxScheme(scheme);
  qs::TMemoSource doc;
  doc.Lines().Insert(0, U"<?php");
  for (int c = 0; doc.LineCount() < 100'000; ++c) {
    const String n = qs::FromUtf8(std::to_string(c));
    doc.Lines().Insert(doc.LineCount(), U"class Query" + n + U" {");
    for (int m = 0; m < 40; ++m) {
      const String name = U"method_" + qs::FromUtf8(std::to_string(m));
      doc.Lines().Insert(doc.LineCount(), U"  public function " + name + U"($a, $b = 'x') {");
      doc.Lines().Insert(doc.LineCount(), U"    return $this->" + name + U" + $a; // note");
    }
    doc.Lines().Insert(doc.LineCount(), U"}");
  }
  doc.SetSyntaxParser(&parser);
  const double full = Milliseconds([&] {
    qs::TCodeExplorer explorer(doc);
    explorer.Update();
  });
  qs::TCodeExplorer explorer(doc);
  explorer.Update();
  const std::int32_t line = doc.LineCount() / 2;
  String text(doc.StoredLine(line));
  const double keystroke = Milliseconds(
      [&] {
        text.insert(text.size() / 2, 1, U'x');
        doc.Lines().Put(line, text);
        explorer.Update();
      },
      10);
  // A keystroke in a method's name changes the tree itself, which is then
  // built again from the kept findings (no line is read again but this one).
  std::int32_t declaration = line;
  while (doc.StoredLine(declaration).find(U"function") == qs::StringView::npos) ++declaration;
  String name(doc.StoredLine(declaration));
  const double rename = Milliseconds(
      [&] {
        name.insert(name.find(U'('), 1, U'x');
        doc.Lines().Put(declaration, name);
        explorer.Update();
      },
      10);
  std::printf("# %d lines\n", doc.LineCount());
  Report("explorer_keystroke_100k_lines", keystroke, "ms", full);
  Report("explorer_rename_100k_lines", rename, "ms", full);
}

}  // namespace

int main() {
  BenchValidation();
  BenchExplorer();
  return 0;
}
