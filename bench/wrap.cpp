// Benchmarks of word wrap in the editor control: wrapping a large document
// beside one a tenth of its size (linear), Ctrl+End, the scroll range and row
// lookups in a wrapped million-line document beside a thousand-line one
// (logarithmic), and how many lines a keystroke wraps again beside a full wrap.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>

#include "editor/qsmemo.h"
#include "platform/headlesscanvas.h"
#include "platform/headlesswindowhost.h"

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name, value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}

template <class Fn>
double Milliseconds(Fn fn) {
  const auto start = Clock::now();
  fn();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Lines of about 70 characters of words: two rows each at the margin.
qs::String Document(int lines) {
  const qs::String words[] = {U"wrap", U"rows", U"of", U"text", U"beside", U"margin", U"a"};
  std::mt19937 rng(1);
  qs::String text;
  for (int l = 0; l < lines; ++l) {
    std::size_t length = 0;
    while (length < 70) {
      const qs::String& w = words[rng() % std::size(words)];
      text += w;
      text += U' ';
      length += w.size() + 1;
    }
    text += U'\n';
  }
  return text;
}

// A control 800 x 600 on a headless window, wrapping at column 40.
struct WrappedView {
  qs::HeadlessWindowHost host{{0, 0, 800, 600}};
  qs::HeadlessCanvas measure{800, 600};
  qs::TQSMemo memo{host, measure};

  explicit WrappedView(int lines) {
    memo.SetScrollBars(qs::ssVertical);
    memo.SetMarginPos(40);
    memo.SetOptions(memo.Options() | qs::SetBit(qs::moBreakWordAtMargin));
    memo.Source().LoadFromText(Document(lines));
  }
};

// The best of a few rounds: the small document alone is too quick to time once.
double WrapAll(int lines) {
  WrappedView view(lines);
  double best = 1e300;
  for (int round = 0; round < 5; ++round) {
    view.memo.SetWordWrap(false);
    best = std::min(best, Milliseconds([&] { view.memo.SetWordWrap(true); }));
  }
  return best;
}

// Per-operation times in microseconds, over enough rounds to be measurable.
struct Lookups {
  double fileEnd = 0;
  double scrollRange = 0;
  double rowLookup = 0;
  double screenOfRows = 0;
  double keystroke = 0;
  std::int64_t wrappedPerKeystroke = 0;
  std::int64_t fullWrapLines = 0;
};

Lookups MeasureLookups(int lines) {
  WrappedView view(lines);
  qs::TQSMemo& memo = view.memo;
  qs::TCustomMemoSource& s = memo.Source();
  const std::int64_t before = memo.Wrapping().WrappedLines();
  memo.SetWordWrap(true);
  Lookups out;
  out.fullWrapLines = memo.Wrapping().WrappedLines() - before;
  constexpr int kRounds = 2000;
  out.fileEnd = Milliseconds([&] {
                  for (int i = 0; i < kRounds; ++i) {
                    s.JumpToFileEnd();
                    s.JumpToFileBegin();
                  }
                }) *
                1000.0 / (2 * kRounds);
  out.scrollRange = Milliseconds([&] {
                      for (int i = 0; i < kRounds; ++i) memo.UpdateScrollBars();
                    }) *
                    1000.0 / kRounds;
  std::mt19937 rng(2);
  const std::int32_t rows = memo.RowCount();
  std::int64_t checksum = 0;
  constexpr int kLookups = 200000;
  out.rowLookup = Milliseconds([&] {
                    for (int i = 0; i < kLookups; ++i) {
                      const auto row =
                          static_cast<std::int32_t>(rng() % static_cast<unsigned>(rows));
                      const qs::TRowSpan span = memo.DisplayRowAt(row);
                      checksum += memo.PositionToRow({span.line, span.start}) - row;
                    }
                  }) *
                  1000.0 / (2 * kLookups);
  // What a paint asks for: the rows of one window from a random top row.
  out.screenOfRows = Milliseconds([&] {
                       for (int i = 0; i < kRounds; ++i) {
                         const auto top = static_cast<std::int32_t>(
                             rng() % static_cast<unsigned>(std::max(rows - 40, 1)));
                         checksum += memo.DisplayRows(top, 40).back().line < 0;
                       }
                     }) *
                     1000.0 / kRounds;
  if (checksum != 0) std::printf("row lookups disagree: %lld\n", static_cast<long long>(checksum));
  s.SetCaretPos(10, lines / 2);
  const std::int64_t typedBefore = memo.Wrapping().WrappedLines();
  constexpr int kKeys = 1000;
  out.keystroke = Milliseconds([&] {
                    for (int i = 0; i < kKeys; ++i)
                      s.TypeChar(U'a' + static_cast<char32_t>(i % 26));
                  }) *
                  1000.0 / kKeys;
  out.wrappedPerKeystroke = (memo.Wrapping().WrappedLines() - typedBefore) / kKeys;
  return out;
}

}  // namespace

int main() {
  const double small = WrapAll(10000);
  const double large = WrapAll(100000);
  Report("wrap.wrap_all_100k_lines", large, "ms", small);

  const Lookups few = MeasureLookups(1000);
  const Lookups many = MeasureLookups(1000000);
  Report("wrap.ctrl_end_1M_lines", many.fileEnd, "us", few.fileEnd);
  Report("wrap.scroll_range_1M_lines", many.scrollRange, "us", few.scrollRange);
  Report("wrap.row_lookup_1M_lines", many.rowLookup, "us", few.rowLookup);
  Report("wrap.rows_of_a_window_1M_lines", many.screenOfRows, "us", few.screenOfRows);
  Report("wrap.keystroke_1M_lines", many.keystroke, "us", few.keystroke);
  Report("wrap.lines_wrapped_per_keystroke_1M_lines", static_cast<double>(many.wrappedPerKeystroke),
         "lines", static_cast<double>(many.fullWrapLines));
  return 0;
}
