// Benchmarks of the document's search and replace. A forward search through a
// 100 MB document, for a literal and for a class-and-repeat pattern, is timed
// beside grep -c and pcre2grep -c over the same file; replace-all of 1 M
// matches in 100 MB is timed beside 100 K matches in 10 MB (linear: ratio
// near 10), on the wall clock and in processor time, with the time of its
// undo and the memory its one undo step holds.
#include <malloc.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/localfilesplatform.h"
#include "support/registry.h"
#include "textmodel/qsstring.h"
#include "textmodel/searchoptions.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point begin) {
  return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

// The processor time this process has used: on a machine shared with other
// builds it tells more about an algorithm's growth than the wall clock does.
double CpuMillis() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
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

// Bytes the heap hands out now, small blocks and mapped ones alike.
double HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

struct ReplaceAllCost {
  double millis = 0;
  double cpuMillis = 0;
  double undoMillis = 0;
  double undoMegabytes = 0;  // what the heap gives back when the undo history goes
  double heldMegabytes = 0;  // what the undo list counts as its own
};

// Replace-all of every "cat" by "dog": its time, the time of undoing it and
// the memory its undo step holds, after checking the count and that one undo
// step restores the text.
ReplaceAllCost ReplaceAll(const std::string& file) {
  qs::TMemoSource doc;
  doc.LoadFromFile(file);
  qs::TSearchOptions& o = qs::TSearchOptions::Instance();
  o.SetTextToFind(U"cat");
  o.SetReplaceWith(U"dog");
  o.SetRegularExpr(false);
  o.SetCaseSensitive(true);
  o.SetOrigin(qs::soEntireScope);
  o.SetReplaceAll(true);
  ReplaceAllCost cost;
  auto begin = Clock::now();
  const double cpuBegin = CpuMillis();
  doc.ReplaceText();
  cost.cpuMillis = CpuMillis() - cpuBegin;
  cost.millis = MillisSince(begin);
  o.SetReplaceAll(false);
  // Edited lines leave the loaded blocks for buffers of their own, so the
  // heap's growth over the replace-all is not the undo step: what clearing
  // the history frees is.
  const double heapWithHistory = HeapBytes();
  cost.heldMegabytes = static_cast<double>(doc.UndoRecords().HeldBytes()) / 1e6;
  std::printf("replace-all of %s: %d matches\n", file.c_str(), doc.ReplacedCount());
  const qs::String first = doc.ExpandedLine(0);
  begin = Clock::now();
  doc.Undo();
  cost.undoMillis = MillisSince(begin);
  if (doc.ExpandedLine(0).substr(0, 3) != U"cat" || first.substr(0, 3) != U"dog" || doc.CanUndo())
    std::printf("replace-all was not one undo step\n");
  doc.ClearUndo();
  cost.undoMegabytes = (heapWithHistory - HeapBytes()) / 1e6;
  return cost;
}

// ReplaceAll in a child process. Run in this one, a case would find the heap
// pages an earlier document freed already touched and look faster than a
// case that has to fault fresh pages in: each case starts alike instead.
ReplaceAllCost ReplaceAllInFreshProcess(const std::string& file) {
  ReplaceAllCost cost;
  int channel[2];
  if (pipe(channel) != 0) return ReplaceAll(file);
  std::fflush(stdout);
  const pid_t child = fork();
  if (child < 0) {
    close(channel[0]);
    close(channel[1]);
    return ReplaceAll(file);
  }
  if (child == 0) {
    close(channel[0]);
    cost = ReplaceAll(file);
    std::fflush(stdout);
    const bool sent = write(channel[1], &cost, sizeof cost) == sizeof cost;
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  const bool received = read(channel[0], &cost, sizeof cost) == sizeof cost;
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::printf("the replace-all of %s did not report\n", file.c_str());
  return cost;
}

}  // namespace

int main() {
  qs::SettingsStore store;
  qs::OptionRegistry::SetStore(&store);
  // The documents are read from the host's disk.
  qs::LocalFilesPlatform platform;
  qs::PlatformInstallation installed(platform.platform);
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
  const ReplaceAllCost smallCost = ReplaceAllInFreshProcess(small);
  const ReplaceAllCost largeCost = ReplaceAllInFreshProcess(large);
  Report("replace_all_1M_in_100MB", largeCost.millis, "ms", smallCost.millis);
  Report("replace_all_cpu_1M_in_100MB", largeCost.cpuMillis, "ms", smallCost.cpuMillis);
  Report("undo_of_replace_all_1M_in_100MB", largeCost.undoMillis, "ms", smallCost.undoMillis);
  Report("replace_all_undo_memory_1M_in_100MB", largeCost.undoMegabytes, "MB",
         smallCost.undoMegabytes);
  Report("replace_all_undo_held_1M_in_100MB", largeCost.heldMegabytes, "MB",
         smallCost.heldMegabytes);
  std::remove(large.c_str());
  std::remove(small.c_str());
  return 0;
}
