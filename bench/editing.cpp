// Benchmarks of editing: typing, undoing and redoing in the middle of a large
// document against a small one, and deleting and re-inserting a large stream
// block against one a tenth of its size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "textmodel/qsstring.h"

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name, value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}

void FillLines(qs::TMemoSource& s, int lines) {
  qs::String text;
  for (int i = 0; i < lines; ++i) text += U"    some line of text, number and words\r\n";
  s.Lines().SetText(text);
}

double TypeUndoRedo(int lines) {
  qs::TMemoSource s;
  FillLines(s, lines);
  s.SetCaretPos(10, lines / 2);
  const auto start = Clock::now();
  for (int i = 0; i < 10000; ++i) s.TypeChar(U'a' + static_cast<char32_t>(i % 26));
  while (s.CanUndo()) s.Undo();
  while (s.CanRedo()) s.Redo();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The best of a few rounds: one round of the small block is too short to time alone.
double DeleteAndReinsert(std::size_t bytes) {
  qs::TMemoSource s;
  const int lines = static_cast<int>(bytes / 42);
  FillLines(s, lines + 20);
  double best = 1e300;
  for (int round = 0; round < 5; ++round) {
    const auto start = Clock::now();
    s.SelectRange(qs::stStreamSel, 4, 10, 4, 10 + lines);
    s.DeleteBlock();
    s.Undo();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main() {
  const double small = TypeUndoRedo(1000);
  const double large = TypeUndoRedo(1000000);
  Report("editing.type_undo_redo_10k_in_1M_lines", large, "ms", small);
  const double block100k = DeleteAndReinsert(100 * 1024);
  const double block1m = DeleteAndReinsert(1024 * 1024);
  Report("editing.delete_reinsert_1MB_block", block1m, "ms", block100k);
  return 0;
}
