#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "textmodel/qsstring.h"

namespace qs {
namespace {

using Kind = TLineChangeLog::Kind;
using Entry = TLineChangeLog::Entry;

Entry Edited(std::int32_t first, std::int32_t last) {
  return {Kind::Edited, first, last, 0};
}
Entry Inserted(std::int32_t at, std::int32_t count) {
  return {Kind::Inserted, at, 0, count};
}
Entry Removed(std::int32_t at, std::int32_t count) {
  return {Kind::Removed, at, 0, count};
}

TEST(LineChangeLog, EachUpdateTellsItsListenersWhatItDidToTheLinesInOrder) {
  struct Case {
    const char* name;
    std::function<void(TMemoSource&)> edit;
    std::vector<Entry> entries;
  };
  const std::vector<Case> cases = {
      {"typing", [](TMemoSource& s) { s.SetCaretPos(1, 2), s.TypeChar(U'x'); }, {Edited(2, 2)}},
      {"a line break",
       [](TMemoSource& s) { s.SetCaretPos(1, 2), s.InsertLineBreak(); },
       {Inserted(3, 1), Edited(2, 2)}},
      {"a join",
       [](TMemoSource& s) { s.SetCaretPos(0, 3), s.BackSpace(); },
       {Removed(3, 1), Edited(2, 2)}},
      {"an indented block walks its lines once",
       [](TMemoSource& s) {
         s.SelectRange(stStreamSel, 0, 1, 0, 4);
         s.IndentBlock();
       },
       {Edited(1, 3)}},
      {"a line put in",
       [](TMemoSource& s) { s.Lines().Insert(5, U"new"); },
       {Inserted(5, 1), Edited(5, 5)}},
      {"a line taken out",
       [](TMemoSource& s) { s.Lines().Delete(0); },
       {Removed(0, 1), Edited(0, 0)}},
  };
  for (const Case& c : cases) {
    TMemoSource source;
    source.LoadFromText(U"line 0\nline 1\nline 2\nline 3\nline 4\nline 5");
    std::vector<Entry> seen;
    bool complete = false;
    TListenerLink link = source.Listen(
        [&](TCustomMemoSource& s, std::int32_t, std::int32_t) {
          if (!s.Changes().Has(msEdited)) return;
          seen = s.LineChanges().Entries();
          complete = s.LineChanges().Complete();
        },
        nullptr, false);
    c.edit(source);
    EXPECT_TRUE(complete) << c.name;
    EXPECT_EQ(seen, c.entries) << c.name;
  }
}

// Replays a log over the lines as they were: lines neither edited nor
// inserted must be what the document now holds at their new places.
void ExpectLogAccountsForEveryChange(const std::vector<String>& before,
                                     const TCustomMemoSource& after, const TLineChangeLog& log) {
  struct Line {
    String text;
    bool changed;
  };
  std::vector<Line> lines;
  for (const String& t : before) lines.push_back({t, false});
  for (const Entry& e : log.Entries()) {
    const auto at = static_cast<std::size_t>(e.first);
    if (e.kind == Kind::Inserted) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                   static_cast<std::size_t>(e.count), Line{U"", true});
    } else if (e.kind == Kind::Removed) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at),
                  lines.begin() + static_cast<std::ptrdiff_t>(at + e.count));
    } else {
      for (std::int32_t l = e.first; l <= e.last && l < static_cast<std::int32_t>(lines.size());
           ++l)
        lines[static_cast<std::size_t>(l)].changed = true;
    }
  }
  ASSERT_EQ(static_cast<std::int32_t>(lines.size()), after.LineCount());
  for (std::int32_t l = 0; l < after.LineCount(); ++l) {
    const Line& expected = lines[static_cast<std::size_t>(l)];
    if (!expected.changed) {
      ASSERT_EQ(expected.text, after.StoredLine(l)) << "line " << l;
    }
  }
}

TEST(LineChangeLog, RandomEditsLeaveNoChangeUnlogged) {
  const unsigned seed = 77;
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  TMemoSource source;
  String text;
  for (int i = 0; i < 40; ++i)
    text += U"line " + String(1, static_cast<Char>(U'a' + i % 26)) + U"\n";
  source.LoadFromText(text);
  std::vector<String> before;
  TListenerLink link = source.Listen(
      [&](TCustomMemoSource& s, std::int32_t, std::int32_t) {
        if (s.Changes().Has(msEdited)) {
          ASSERT_TRUE(s.LineChanges().Complete());
          ExpectLogAccountsForEveryChange(before, s, s.LineChanges());
        }
      },
      nullptr, false);
  for (int step = 0; step < 800 && !::testing::Test::HasFatalFailure(); ++step) {
    SCOPED_TRACE(step);
    before.clear();
    for (std::int32_t l = 0; l < source.LineCount(); ++l) before.emplace_back(source.StoredLine(l));
    const std::int32_t line = pick(0, std::max(source.LineCount() - 1, 0));
    source.SetCaretPos(pick(0, 8), line);
    before.clear();  // the caret move may have trimmed blanks
    for (std::int32_t l = 0; l < source.LineCount(); ++l) before.emplace_back(source.StoredLine(l));
    const std::int32_t to = std::min(source.LineCount() - 1, line + pick(0, 5));
    switch (pick(0, 7)) {
      case 0:
        source.InsertText(U"x y\nz");
        break;
      case 1:
        source.NewLine();
        break;
      case 2:
        source.BackSpace();
        break;
      case 3:
        source.DeleteLine();
        break;
      case 4:
        source.SelectRange(stStreamSel, pick(0, 6), line, pick(0, 6), to);
        source.DeleteBlock();
        break;
      case 5:
        source.Undo();
        break;
      case 6:
        source.Redo();
        break;
      case 7:
        source.SelectRange(stBlockSel, 1, line, 3, to);
        source.DeleteBlock();
        break;
    }
  }
}

TEST(LineChangeLog, ANewTextAndAnOverlongUpdateSayThatEverythingChanged) {
  TMemoSource source;
  source.LoadFromText(U"a\nb");
  bool complete = true;
  TListenerLink link = source.Listen([&](TCustomMemoSource& s, std::int32_t,
                                         std::int32_t) { complete = s.LineChanges().Complete(); },
                                     nullptr, false);
  source.LoadFromText(U"x\ny\nz");
  EXPECT_FALSE(complete);
  source.Lines().Clear();
  EXPECT_FALSE(complete);

  String many;
  for (std::size_t i = 0; i <= 2 * TLineChangeLog::kMaxEntries; ++i) many += U"a\n";
  source.LoadFromText(many);
  source.BeginUpdate(upd::kNone);
  // Separate edits that cannot merge: every other line.
  for (std::int32_t l = 0; l < source.LineCount(); l += 2) {
    source.SetCaretPos(0, l);
    source.InsertText(U"b");
  }
  source.EndUpdate();
  EXPECT_FALSE(complete);
  source.SetCaretPos(0, 0);
  source.InsertText(U"c");
  EXPECT_TRUE(complete);  // the next update starts afresh
}

}  // namespace
}  // namespace qs
