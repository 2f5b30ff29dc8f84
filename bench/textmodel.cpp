// Benchmarks of the document model: loading a 100 MB file against reading it
// into plain strings, and the cost of caret, selection and bookmark changes
// in a large document against a small one.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/localfilesplatform.h"
#include "support/documentfile.h"
#include "support/utf8.h"
#include "textmodel/qsstring.h"

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name, value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}

// About 100 MB in 1.5 M lines of mixed length, mostly ASCII with some
// two-byte characters, CR LF breaks.
std::string MakeInput(std::size_t lines, std::size_t targetBytes) {
  std::mt19937 rng(42);
  std::string text;
  text.reserve(targetBytes + 4096);
  const char* words[] = {"<div class=\"x\">",
                         "function",
                         "return",
                         "caf\xC3\xA9",
                         "{",
                         "}",
                         "$value",
                         "=",
                         "'text'",
                         "// comment",
                         "    ",
                         "stra\xC3\x9F"
                         "e"};
  const std::size_t perLine = targetBytes / lines;
  for (std::size_t i = 0; i < lines; ++i) {
    const std::size_t want = perLine / 2 + rng() % perLine;
    const std::size_t start = text.size();
    while (text.size() - start < want) {
      text += words[rng() % (sizeof words / sizeof *words)];
      text += ' ';
    }
    text += "x\r\n";
  }
  return text;
}

long PeakKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

struct Measured {
  double ms = 0;
  double peakBytes = 0;
};

// Runs work in a child process so each side's peak memory is its own.
Measured InChild(const std::function<void()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const auto t0 = Clock::now();
    work();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    const Measured m{ms, static_cast<double>(PeakKb()) * 1024.0};
    if (::write(fds[1], &m, sizeof m) != static_cast<ssize_t>(sizeof m)) _exit(1);
    _exit(0);
  }
  ::close(fds[1]);
  Measured m;
  if (::read(fds[0], &m, sizeof m) != static_cast<ssize_t>(sizeof m)) m = {};
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return m;
}

void BaselineLoad(const std::string& path) {
  const std::string bytes = qs::ReadDocumentFile(path);
  std::vector<std::u32string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.push_back(qs::FromUtf8(std::string_view(bytes).substr(start, stop - start)));
    start = end + 1;
  }
  if (lines.size() < 2) std::abort();
}

void DocumentLoad(const std::string& path) {
  qs::TMemoSource source;
  source.LoadFromFile(path);
  if (source.LineCount() < 2) std::abort();
}

void BenchLoad() {
  const std::string path = "/tmp/qs_bench_textmodel_" + std::to_string(::getpid()) + ".txt";
  const std::string input = MakeInput(1'500'000, 100'000'000);
  std::ofstream(path, std::ios::binary)
      .write(input.data(), static_cast<std::streamsize>(input.size()));
  const double size = static_cast<double>(input.size());
  Measured doc, base;
  doc.ms = base.ms = 1e300;
  for (int run = 0; run < 3; ++run) {  // best of three; memory is the same each time
    const Measured b = InChild([&] { BaselineLoad(path); });
    const Measured d = InChild([&] { DocumentLoad(path); });
    if (b.ms < base.ms) base = b;
    if (d.ms < doc.ms) doc = d;
  }
  ::unlink(path.c_str());
  Report("load_100mb", doc.ms, "ms", base.ms);
  Report("load_peak_memory", doc.peakBytes / size, "bytes_per_input_byte", base.peakBytes / size);
}

// Nanoseconds per call of op, a listener (a view) attached.
double PerOp(qs::TMemoSource& source, const std::function<void(int)>& op) {
  long calls = 0;
  auto link = source.Listen([&](qs::TCustomMemoSource&, std::int32_t, std::int32_t) { ++calls; },
                            nullptr, false);
  constexpr int kOps = 200'000;
  for (int i = 0; i < 1000; ++i) op(i);  // warm up
  const auto t0 = Clock::now();
  for (int i = 0; i < kOps; ++i) op(i);
  const double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / kOps;
  if (calls == 0) std::abort();
  return ns;
}

struct Costs {
  double caret, selection, bookmark;
};

Costs MeasureCosts(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += "some text on line " + std::to_string(i) + "\n";
  qs::TMemoSource source;
  source.LoadFromBytes(text);
  const int middle = lines / 2;
  Costs c{};
  source.SetCaretPos(4, middle);
  c.caret = PerOp(source, [&](int i) { i % 2 ? source.CursorUp() : source.CursorDown(); });
  source.SetCaretPos(4, middle);
  c.selection = PerOp(source, [&](int i) { i % 2 ? source.SelectLeft() : source.SelectRight(); });
  c.bookmark = PerOp(source, [&](int) { source.ToggleBookmark(3); });
  return c;
}

void BenchCosts() {
  // The best of five alternating rounds, so a busy machine does not pick a side.
  Costs small{1e300, 1e300, 1e300}, large = small;
  const auto keepBest = [](Costs& best, const Costs& c) {
    best = {std::min(best.caret, c.caret), std::min(best.selection, c.selection),
            std::min(best.bookmark, c.bookmark)};
  };
  for (int round = 0; round < 5; ++round) {
    keepBest(small, MeasureCosts(1'000));
    keepBest(large, MeasureCosts(1'000'000));
  }
  Report("caret_move_1m_vs_1k_lines", large.caret, "ns", small.caret);
  Report("selection_change_1m_vs_1k_lines", large.selection, "ns", small.selection);
  Report("bookmark_toggle_1m_vs_1k_lines", large.bookmark, "ns", small.bookmark);
}

}  // namespace

int main() {
  // The document is read from the host's disk.
  qs::LocalFilesPlatform platform;
  const qs::PlatformInstallation installed(platform.platform);
  BenchCosts();
  BenchLoad();
  return 0;
}
