// Benchmarks of the document's search and replace. A forward search through a
// 100 MB document, for a literal and for a class-and-repeat pattern, is timed
// beside grep -c and pcre2grep -c over the same file; replace-all of 1 M
// matches in 100 MB is timed beside 100 K matches in 10 MB (linear: ratio
// near 10) and must come back with one undo step.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/headlessplatform.h"
#include "support/registry.h"
#include "textmodel/qsstring.h"
#include "textmodel/searchoptions.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point begin) {
  return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.2f\n", name, value, unit, baseline,
              value / baseline);
}

// Lines of at least width ASCII characters up to bytes in all, each starting
// with "cat" when cats is set, and the line the searches look for at the end.
std::string MakeFile(const std::string& path, std::size_t bytes, std::size_t width, bool cats) {
  std::ofstream out(path, std::ios::binary);
  const char* words[] = {"item",   "value",  "count", "total",    "<div class=\"row\">",
                         "return", "width:", "px;",   "function", "var"};
  unsigned seed = 12345;
  std::size_t total = 0;
  while (total < bytes) {
    std::string line;
    if (cats) line += "cat ";
    while (line.size() < width) {
      seed = seed * 1103515245u + 12345u;
      line += words[(seed >> 16) % 10];
      line += ' ';
      line += static_cast<char>('0' + (seed >> 8) % 10);
      line += "7 ";
    }
    line += '\n';
    total += line.size();
    out << line;
  }
  out << "the needle is here: 2048x\n";
  return path;
}

// Wall time of a shell command, or a negative value when it failed to run.
double CommandMillis(const std::string& command) {
  const auto begin = Clock::now();
  const int rc = std::system((command + " >/dev/null 2>&1").c_str());
  if (rc == -1 || !WIFEXITED(rc) || WEXITSTATUS(rc) > 1) return -1;
  return MillisSince(begin);
}

bool HaveCommand(const char* name) {
  return std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0;
}

double FindMillis(qs::TMemoSource& doc, const char32_t* pattern, bool regex) {
  qs::TSearchOptions& o = qs::TSearchOptions::Instance();
  o.SetTextToFind(pattern);
  o.SetRegularExpr(regex);
  o.SetCaseSensitive(true);
  o.SetOrigin(qs::soEntireScope);
  const auto begin = Clock::now();
  const bool found = doc.FindText();
  const double ms = MillisSince(begin);
  if (!found || doc.ExpandedLine(doc.CaretLine()).find(U"needle") == qs::String::npos)
    std::printf("search missed its line\n");
  return ms;
}

void SearchBeside(const char* name, qs::TMemoSource& doc, const std::string& file,
                  const char32_t* pattern, const std::string& grepPattern, bool regex) {
  const double ms = FindMillis(doc, pattern, regex);
  const double grep =
      CommandMillis("grep -c" + std::string(regex ? "E" : "F") + " '" + grepPattern + "' " + file);
  Report((std::string(name) + "_vs_grep").c_str(), ms, "ms", grep);
  if (HaveCommand("pcre2grep")) {
    const double pcre = CommandMillis("pcre2grep -c '" + grepPattern + "' " + file);
    Report((std::string(name) + "_vs_pcre2grep").c_str(), ms, "ms", pcre);
  } else {
    std::printf("pcre2grep is not installed: no %s_vs_pcre2grep figure\n", name);
  }
}

// Replace-all of every "cat" by "dog": the time, after checking the count and
// that one undo step restores the text.
double ReplaceAllMillis(const std::string& file) {
  qs::TMemoSource doc;
  doc.LoadFromFile(file);
  qs::TSearchOptions& o = qs::TSearchOptions::Instance();
  o.SetTextToFind(U"cat");
  o.SetReplaceWith(U"dog");
  o.SetRegularExpr(false);
  o.SetCaseSensitive(true);
  o.SetOrigin(qs::soEntireScope);
  o.SetReplaceAll(true);
  const auto begin = Clock::now();
  doc.ReplaceText();
  const double ms = MillisSince(begin);
  o.SetReplaceAll(false);
  std::printf("replace-all of %s: %d matches\n", file.c_str(), doc.ReplacedCount());
  const qs::String first = doc.ExpandedLine(0);
  doc.Undo();
  if (doc.ExpandedLine(0).substr(0, 3) != U"cat" || first.substr(0, 3) != U"dog" || doc.CanUndo())
    std::printf("replace-all was not one undo step\n");
  return ms;
}

}  // namespace

int main() {
  qs::SettingsStore store;
  qs::OptionRegistry::SetStore(&store);
  qs::HeadlessPlatform platform;
  qs::PlatformInstallation installed(platform);
  const std::string big = MakeFile("/tmp/quillon_bench_search_100M.txt", 100'000'000, 60, false);
  {
    qs::TMemoSource doc;
    doc.LoadFromFile(big);
    SearchBeside("search_literal_100MB", doc, big, U"needle", "needle", false);
    SearchBeside("search_class_repeat_100MB", doc, big, U"[0-9]+x", "[0-9]+x", true);
  }
  std::remove(big.c_str());
  // Lines of about 100 bytes, each with one "cat": a million in 100 MB.
  const std::string large = MakeFile("/tmp/quillon_bench_replace_100M.txt", 100'000'000, 94, true);
  const std::string small = MakeFile("/tmp/quillon_bench_replace_10M.txt", 10'000'000, 94, true);
  const double largeMs = ReplaceAllMillis(large);
  const double smallMs = ReplaceAllMillis(small);
  Report("replace_all_1M_in_100MB", largeMs, "ms", smallMs);
  std::remove(large.c_str());
  std::remove(small.c_str());
  return 0;
}
