#include <gtest/gtest.h>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;
using test::StoredLines;

Char Rot1(Char c) {
  return c >= U'a' && c < U'z' ? c + 1 : c;
}

TEST(MapCharacters, MapsEveryLinePastNulsKeepingTabsCaretAndSelectionInOneUndoStep) {
  TMemoSource source;
  // Loaded, not put through the line list, so the TAB is stored as a TAB.
  source.LoadFromText(String(U"ab\tc\na\0b\n\nxyz", 13));
  source.SetCaretPos(5, 0);
  source.SelectRange(stStreamSel, 1, 1, 2, 3);
  const TPosition caret = source.Caret();

  source.MapCharacters(upd::kMapCharacters, Rot1);

  EXPECT_EQ(StoredLines(source),
            (std::vector<std::string>{"bc\td", std::string("b\0c", 3), "", "yzz"}));
  EXPECT_EQ(source.Caret(), caret);
  EXPECT_EQ(source.SelectionType(), stStreamSel);
  EXPECT_EQ(source.BlockBegin(), (TPosition{1, 1}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{3, 2}));
  EXPECT_TRUE(source.DocModified());

  source.Undo();
  EXPECT_EQ(StoredLines(source),
            (std::vector<std::string>{"ab\tc", std::string("a\0b", 3), "", "xyz"}));
  source.Redo();
  EXPECT_EQ(StoredLines(source).front(), "bc\td");
}

TEST(MapCharacters, LeavesReadOnlyLinesAndDocumentsAlone) {
  TMemoSource source;
  Fill(source, {"abc", "abc"});
  source.SetLineReadOnly(0, true);
  source.MapCharacters(upd::kMapCharacters, Rot1);
  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"abc", "bcd"}));

  source.SetLineReadOnly(0, false);
  source.SetReadOnly(true);
  source.MapCharacters(upd::kMapCharacters, Rot1);
  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"abc", "bcd"}));
}

TEST(ReplaceAllText, ReplacesEveryLineInOneUndoStepAndPutsTheCaretAtTheStart) {
  TMemoSource source;
  Fill(source, {"one", "two", "three"});
  source.SetCaretPos(2, 1);
  source.SelectRange(stStreamSel, 0, 0, 3, 0);

  EXPECT_TRUE(source.ReplaceAllText(upd::kReplaceAllText, U"a\r\nb\nc\rd"));

  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(source.Caret(), (TPosition{0, 0}));
  EXPECT_FALSE(source.HasSelection());
  source.Undo();
  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"one", "two", "three"}));
}

TEST(ReplaceAllText, RefusesWhileAnyLineIsReadOnly) {
  TMemoSource source;
  Fill(source, {"one", "two"});
  source.SetLineReadOnly(1, true);
  EXPECT_FALSE(source.ReplaceAllText(upd::kReplaceAllText, U"new"));
  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"one", "two"}));
  EXPECT_FALSE(source.CanUndo());
}

}  // namespace
}  // namespace qs
