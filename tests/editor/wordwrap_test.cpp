#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editor/wordwrap.h"
#include "support/utf8.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

bool Blank(Char c) {
  return c <= U' ';
}

std::vector<std::int32_t> Breaks(StringView text, int capacity, bool dashDelimits = false) {
  std::vector<std::int32_t> out;
  AppendBreakColumns(
      text, capacity, [&](Char c) { return Blank(c) || (dashDelimits && c == U'-'); }, out);
  return out;
}

TEST(WordWrapBreaking, RowsEndAfterTheRightmostDelimiterThatFitsOrAreCutInsideTheWord) {
  struct Case {
    const char* name;
    String text;
    int capacity;
    bool dashDelimits;
    std::vector<std::int32_t> breaks;
  };
  const std::vector<Case> cases = {
      {"three words at the margin", U"aaaa bbbb cccc", 9, false, {10}},
      {"one long word", String(25, U'x'), 9, false, {10, 20}},
      {"exactly a row", String(10, U'x'), 9, false, {}},
      {"one character over", String(11, U'x'), 9, false, {10}},
      {"empty line", U"", 9, false, {}},
      {"a blank alone at a row start", U"aaaaaaaaaa bbbbbbbbbbbb", 9, false, {10, 11, 21}},
      {"several words a row", U"ab cd ef gh ij kl", 4, false, {3, 6, 9, 12}},
      {"blanks past the room start a row", U"abcdefgh    ", 9, false, {10}},
      {"the source's own delimiters", U"aaaa-bbbb-cccc", 6, true, {5, 10}},
      {"a dash that is no delimiter", U"aaaa-bbbb-cccc", 6, false, {7}},
      {"capacity below one counts as one", U"abcde", 0, false, {2, 4}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Breaks(c.text, c.capacity, c.dashDelimits), c.breaks) << c.name;
}

TEST(WordWrapBreaking, TabsAreExpandedBeforeTheLineIsBroken) {
  TMemoSource source;
  source.SetOptions(source.Options() | TStringsOptions{soUseTabCharacter});
  source.LoadFromText(U"ab\tcdefghij");
  ASSERT_EQ(source.StoredLine(0), U"ab\tcdefghij");
  TWordWrap wrap;
  wrap.WrapAll(source, 9);
  // The row ends after the TAB's blanks; broken as stored, the TAB itself
  // would end a row of three characters.
  std::vector<std::int32_t> columns;
  for (const TWrapBreak& b : wrap.Breaks().BreaksOf(0)) columns.push_back(b.column);
  EXPECT_EQ(columns, Breaks(source.ExpandedLine(0), 9));
  EXPECT_NE(columns, Breaks(source.StoredLine(0), 9));
  EXPECT_EQ(columns.size(), 1u);
}

// ---- The record tree against a plain sorted list -------------------------------

struct Rec {
  std::int32_t column = 0;
  int tag = 0;
  bool operator==(const Rec&) const = default;
};
using Tree = TLineRecordTree<Rec>;

class NaiveRecords {
 public:
  std::vector<Tree::Item> items;

  void Insert(std::int32_t at, std::int32_t count) {
    for (auto& i : items)
      if (i.line >= at) i.line += count;
  }
  void Remove(std::int32_t at, std::int32_t count) {
    std::vector<Tree::Item> kept;
    for (auto i : items) {
      if (i.line >= at && i.line < at + count) continue;
      if (i.line >= at + count) i.line -= count;
      kept.push_back(i);
    }
    items = kept;
  }
  void Replace(std::int32_t line, const std::vector<Rec>& recs) {
    std::vector<Tree::Item> out;
    for (const auto& i : items)
      if (i.line < line) out.push_back(i);
    for (const Rec& r : recs) out.push_back({line, r});
    for (const auto& i : items)
      if (i.line > line) out.push_back(i);
    items = out;
  }
  std::size_t CountUpTo(std::int64_t line, std::int64_t column) const {
    std::size_t n = 0;
    for (const auto& i : items) n += i.line < line || (i.line == line && i.record.column <= column);
    return n;
  }
  std::optional<std::size_t> LastWithRowAtMost(std::int64_t row) const {
    std::optional<std::size_t> best;
    for (std::size_t k = 0; k < items.size(); ++k)
      if (items[k].line + static_cast<std::int64_t>(k) + 1 <= row) best = k;
    return best;
  }
};

TEST(WordWrapRecords, RandomEditsAgreeWithASortedList) {
  const unsigned seed = 20261210;
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Tree tree;
  NaiveRecords naive;
  std::vector<Tree::Item> start;
  for (std::int32_t line = 0; line < 200; ++line)
    for (int k = 0, n = pick(0, 2) == 0 ? pick(1, 3) : 0; k < n; ++k)
      start.push_back({line, Rec{10 * (k + 1), line}});
  tree.Assign(start);
  naive.items = start;
  for (int step = 0; step < 3000; ++step) {
    SCOPED_TRACE(step);
    const int op = pick(0, 4);
    const std::int32_t line = pick(0, 260);
    if (op == 0) {
      const int count = pick(1, 5);
      tree.LinesInserted(line, count);
      naive.Insert(line, count);
    } else if (op == 1) {
      const int count = pick(1, 5);
      tree.LinesRemoved(line, count);
      naive.Remove(line, count);
    } else if (op == 2) {
      std::vector<Rec> recs;
      for (int k = 0, n = pick(0, 3); k < n; ++k) recs.push_back({7 * (k + 1), step});
      tree.ReplaceLine(line, recs);
      naive.Replace(line, recs);
    } else if (op == 3 && pick(0, 40) == 0) {
      tree.RemoveFrom(line);
      naive.Remove(line, 1 << 20);
    }
    ASSERT_EQ(tree.Size(), naive.items.size());
    const std::int64_t probeLine = pick(0, 260);
    const std::int64_t probeColumn = pick(0, 30);
    ASSERT_EQ(tree.CountUpTo(probeLine, probeColumn), naive.CountUpTo(probeLine, probeColumn));
    ASSERT_EQ(tree.CountBeforeLine(probeLine), naive.CountUpTo(probeLine, -1));
    const std::int64_t row = pick(0, 600);
    const auto found = tree.LastWithRowAtMost(row);
    const auto expected = naive.LastWithRowAtMost(row);
    ASSERT_EQ(found.has_value(), expected.has_value()) << "row " << row;
    if (found) {
      ASSERT_EQ(found->index, *expected);
      ASSERT_EQ(found->item, naive.items[*expected]);
    }
    if (!naive.items.empty()) {
      const auto k = static_cast<std::size_t>(pick(0, static_cast<int>(naive.items.size()) - 1));
      ASSERT_EQ(tree.At(k), naive.items[k]);
    }
  }
  EXPECT_EQ(tree.Items(), naive.items);
}

// ---- Following a document's edits ------------------------------------------------

// Lines of words of one to twelve letters, some joined by TABs.
String RandomText(std::mt19937& rng, int lines) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  String text;
  for (int l = 0; l < lines; ++l) {
    for (int w = 0, words = pick(0, 9); w < words; ++w) {
      if (w > 0) text += pick(0, 6) == 0 ? U'\t' : U' ';
      text.append(static_cast<std::size_t>(pick(1, 12)), static_cast<Char>(U'a' + pick(0, 25)));
    }
    text += U'\n';
  }
  return text;
}

void ExpectSameAsFreshWrap(const TWordWrap& wrap, const TCustomMemoSource& source) {
  TWordWrap fresh;
  fresh.WrapAll(source, wrap.Capacity());
  ASSERT_EQ(wrap.LineCount(), source.LineCount());
  ASSERT_EQ(wrap.Breaks().Items(), fresh.Breaks().Items());
  ASSERT_EQ(wrap.LineInfos().Items(), fresh.LineInfos().Items());
  ASSERT_EQ(wrap.RowCount(), fresh.RowCount());
}

TEST(WordWrapFollowing, RandomEditsLeaveTheSameRecordsAsAFreshWrap) {
  const unsigned seed = 8;
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  TMemoSource source;
  source.SetOptions(source.Options() | TStringsOptions{soUseTabCharacter});
  source.LoadFromText(RandomText(rng, 60));
  TWordWrap wrap;
  wrap.WrapAll(source, 15);
  int replays = 0;
  TListenerLink link = source.Listen(
      [&](TCustomMemoSource& s, std::int32_t, std::int32_t) {
        if (!s.Changes().Has(msEdited)) return;
        bool rowsChanged = false;
        // Every edit below can be replayed; only a new text would need a full wrap.
        ASSERT_TRUE(wrap.Follow(s, rowsChanged)) << "update " << s.UpdateCode();
        ++replays;
      },
      nullptr, false);
  for (int step = 0; step < 1500; ++step) {
    SCOPED_TRACE(step);
    const std::int32_t lines = source.LineCount();
    const std::int32_t line = pick(0, std::max(lines - 1, 0));
    source.SetCaretPos(pick(0, source.LineLength(line) + 2), line);
    switch (pick(0, 11)) {
      case 0:
      case 1:
        source.TypeChar(pick(0, 4) == 0 ? U' ' : static_cast<Char>(U'a' + pick(0, 25)));
        break;
      case 2:
        source.InsertText(pick(0, 1) ? U"word\nmore words here\tand" : U"a much longer insertion");
        break;
      case 3:
        source.NewLine();
        break;
      case 4:
        source.BackSpace();
        break;
      case 5:
        source.DeleteChar();
        break;
      case 6:
        source.DeleteLine();
        break;
      case 7: {
        const std::int32_t to = std::min(lines - 1, line + pick(0, 4));
        source.SelectRange(stStreamSel, pick(0, 5), line, pick(0, 20), to);
        source.DeleteBlock();
        break;
      }
      case 8:
        source.SelectRange(stStreamSel, 0, line, 0, std::min(lines - 1, line + pick(1, 6)));
        source.IndentBlock();
        break;
      case 9:
        source.Undo();
        break;
      case 10:
        source.Redo();
        break;
      case 11:
        if (pick(0, 1))
          source.Lines().Insert(line, RandomText(rng, 1).substr(0, 40));
        else if (lines > 1)
          source.Lines().Delete(line);
        break;
    }
    ExpectSameAsFreshWrap(wrap, source);
    if (::testing::Test::HasFatalFailure()) return;
  }
  EXPECT_GT(replays, 1000);
}

TEST(WordWrapFollowing, AKeystrokeBreaksOnlyItsLineAndALineBreakOnlyItsTwoLines) {
  TMemoSource source;
  std::mt19937 rng(3);
  source.LoadFromText(RandomText(rng, 2000));
  TWordWrap wrap;
  wrap.WrapAll(source, 20);
  TListenerLink link = source.Listen(
      [&](TCustomMemoSource& s, std::int32_t, std::int32_t) {
        bool rowsChanged = false;
        if (s.Changes().Has(msEdited)) {
          ASSERT_TRUE(wrap.Follow(s, rowsChanged));
        }
      },
      nullptr, false);
  source.SetCaretPos(3, 1000);
  wrap.ResetWrappedLines();
  source.TypeChar(U'x');
  EXPECT_EQ(wrap.WrappedLines(), 1);
  wrap.ResetWrappedLines();
  source.InsertLineBreak();
  EXPECT_EQ(wrap.WrappedLines(), 2);
  wrap.ResetWrappedLines();
  source.SelectRange(stStreamSel, 2, 10, 0, 1900);  // lines 10..1899 go, 10 and 1900 join
  source.DeleteBlock();
  EXPECT_EQ(wrap.WrappedLines(), 1);
  ExpectSameAsFreshWrap(wrap, source);
}

TEST(WordWrapFollowing, RowsOfAWholeDocumentAreCountedAndFound) {
  TMemoSource source;
  // Line l holds l % 4 + 1 rows of ten letters at capacity 9.
  String text;
  for (int l = 0; l < 1000; ++l) {
    for (int r = 0; r <= l % 4; ++r) text += String(10, static_cast<Char>(U'a' + r));
    text += U'\n';
  }
  source.LoadFromText(text);
  TWordWrap wrap;
  wrap.WrapAll(source, 9);
  std::int64_t rows = 0;
  for (std::int32_t l = 0; l < source.LineCount(); ++l) {
    ASSERT_EQ(wrap.FirstRowOf(l), rows) << l;
    const int count = l < 1000 ? l % 4 + 1 : 1;
    for (int r = 0; r < count; ++r) {
      const TRowSpan span = wrap.RowAt(rows + r);
      ASSERT_EQ(span.line, l);
      ASSERT_EQ(span.start, 10 * r);
      ASSERT_EQ(span.IsLast(), r == count - 1);
      if (!span.IsLast()) {
        ASSERT_EQ(span.end, 10 * (r + 1));
      }
      ASSERT_EQ(wrap.RowOf(l, 10 * r + 3), rows + r);
    }
    rows += count;
  }
  EXPECT_EQ(wrap.RowCount(), rows);
  // A column far past the end of a line is on that line's last row.
  EXPECT_EQ(wrap.RowOf(3, 500), wrap.LastRowOf(3));
  // Rows past the text go on one line each.
  EXPECT_EQ(wrap.RowAt(rows + 2).line, source.LineCount() + 2);
}

}  // namespace
}  // namespace qs
