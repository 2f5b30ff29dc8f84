// Benchmarks of the regular-expression engine. Patterns that make a
// backtracking matcher blow up are timed beside the same search on a tenth of
// the input (linear time gives a ratio near 10), and searches over 10 million
// characters of lines beside a plain library or hand-written search.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "regex/linesearch.h"
#include "regex/regex.h"

namespace {

using Clock = std::chrono::steady_clock;

long long g_sink = 0;  // keeps results alive so the searches are not optimised away

// Nanoseconds per call, over enough calls to fill about a quarter second.
template <typename F>
double NanosPerCall(F&& call) {
  long long calls = 0;
  const auto begin = Clock::now();
  auto now = begin;
  do {
    for (int i = 0; i < 8; ++i) g_sink += call();
    calls += 8;
    now = Clock::now();
  } while (now - begin < std::chrono::milliseconds(250));
  return std::chrono::duration<double, std::nano>(now - begin).count() / static_cast<double>(calls);
}

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.2f\n", name, value, unit, baseline,
              value / baseline);
}

long long SearchOnce(const qs::TRegExpr& re, const qs::String& text) {
  const auto found = re.Match(text, 1, true);
  return found ? found->position : 0;
}

// The same pattern on n and on n/10 characters of 'a', where it never matches.
void Scaling(const char* name, const char32_t* pattern, int n) {
  const qs::TRegExpr re(pattern, true);
  const qs::String full(n, U'a');
  const qs::String tenth(n / 10, U'a');
  const double value = NanosPerCall([&] { return SearchOnce(re, full); });
  const double baseline = NanosPerCall([&] { return SearchOnce(re, tenth); });
  Report(name, value / 1000.0, "us", baseline / 1000.0);
}

// About 10 million characters in lines of varied words and numbers; the one
// line that either search looks for comes last.
std::vector<qs::String> MakeDocument() {
  std::vector<qs::String> lines;
  std::size_t total = 0;
  unsigned seed = 12345;
  const char32_t* words[] = {U"item",   U"value",  U"count", U"total",    U"<div class=\"row\">",
                             U"return", U"width:", U"px;",   U"function", U"var"};
  while (total < 10'000'000) {
    qs::String line;
    while (line.size() < 60) {
      seed = seed * 1103515245u + 12345u;
      line += words[(seed >> 16) % 10];
      line += U' ';
      line += qs::String(1, U'0' + (seed >> 8) % 10);
      line += U"7 ";
    }
    total += line.size();
    lines.push_back(std::move(line));
  }
  lines.push_back(U"the needle is here: 2048x");
  return lines;
}

void OverLines(const char* name, const std::vector<qs::String>& lines, const char32_t* pattern,
               long long (*baselineSearch)(const std::vector<qs::String>&)) {
  const qs::TRegExpr re(pattern, true);
  const qs::LineText text = [&](int i) { return qs::StringView(lines[i]); };
  const int count = static_cast<int>(lines.size());
  const double value = NanosPerCall([&] {
    const auto found = qs::SearchLines(re, count, text, 0, 0, true);
    return found ? static_cast<long long>(found->line) : -1LL;
  });
  const double baseline = NanosPerCall([&] { return baselineSearch(lines); });
  Report(name, value / 1e6, "ms", baseline / 1e6);
}

long long FindLiteral(const std::vector<qs::String>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (qs::StringView(lines[i]).find(U"needle") != qs::StringView::npos) {
      return static_cast<long long>(i);
    }
  }
  return -1;
}

// A run of digits followed by "x", by hand.
long long FindDigitsThenX(const std::vector<qs::String>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const qs::String& line = lines[i];
    for (std::size_t at = 0; at < line.size();) {
      if (line[at] < U'0' || line[at] > U'9') {
        ++at;
        continue;
      }
      std::size_t end = at;
      while (end < line.size() && line[end] >= U'0' && line[end] <= U'9') ++end;
      if (end < line.size() && line[end] == U'x') return static_cast<long long>(i);
      at = end;
    }
  }
  return -1;
}

}  // namespace

int main() {
  Scaling("regex_nested_plus_40", U"{a+}+b", 40);
  Scaling("regex_nested_plus_400", U"{a+}+b", 400);
  Scaling("regex_star_chain_5000", U"a*a*a*a*a*a*b", 5000);
  const std::vector<qs::String> lines = MakeDocument();
  OverLines("regex_literal_10M_chars", lines, U"needle", FindLiteral);
  OverLines("regex_class_repeat_10M_chars", lines, U"[0-9]+x", FindDigitsThenX);
  return g_sink == 42 ? 1 : 0;
}
