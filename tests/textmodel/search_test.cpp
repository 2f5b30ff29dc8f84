#include <gtest/gtest.h>

#include "../common/messageof.h"
#include "platform/forms.h"
#include "platform/headlessplatform.h"
#include "sourcefixture.h"
#include "support/registry.h"
#include "textmodel/searchoptions.h"

namespace qs {
namespace {

using test::Fill;
using test::StoredLines;
using test::U;

// A document, fresh search options over a store in memory, and scripted dialogs.
class Search : public ::testing::Test {
 protected:
  void SetUp() override {
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&store);
  }
  void TearDown() override { OptionRegistry::Reset(); }

  TSearchOptions& Options() { return TSearchOptions::Instance(); }
  void Find(std::string_view pattern) {
    Options().SetTextToFind(U(pattern));
    doc.FindText();
  }
  void AddOption(TStringsOption o) {
    TStringsOptions options = doc.Options();
    options.Include(o);
    doc.SetOptions(options);
  }
  void ReplaceAll(std::string_view pattern, std::string_view with) {
    Options().SetTextToFind(U(pattern));
    Options().SetReplaceWith(U(with));
    Options().SetReplaceAll(true);
    doc.ReplaceText();
  }
  const std::vector<Prompt>& Prompts() { return platform.dialogs.Prompts(); }

  SettingsStore store;
  HeadlessPlatform platform;
  PlatformInstallation installed{platform};
  TMemoSource doc;
};

TEST_F(Search, FindShowsTheMatchAndSearchAgainGoesOn) {
  Fill(doc, {"one ab", "ab two ab"});
  AddOption(soSelectFoundText);
  doc.SetCaretPos(3, 1);  // after the first "ab" of line 1: from the cursor
  Options().SetOrigin(soFromCursor);
  Find("AB");
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{7, 1, 9, 2}));
  EXPECT_EQ(doc.Caret(), (TPosition{1, 9}));
  EXPECT_EQ(doc.BlockBegin(), (TPosition{1, 7}));
  EXPECT_EQ(doc.BlockEnd(), (TPosition{1, 9}));

  Options().SetDirection(sdBackward);
  EXPECT_TRUE(doc.SearchAgain());  // the selection lets the scope stay global
  EXPECT_EQ(doc.Caret(), (TPosition{1, 7}));
  EXPECT_TRUE(doc.SearchAgain());
  EXPECT_EQ(doc.Caret(), (TPosition{1, 0}));
  EXPECT_TRUE(doc.SearchAgain());
  EXPECT_EQ(doc.Caret(), (TPosition{0, 4}));
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(Search, EntireScopeStartsAtTheEdgeOnlyForTheFirstSearch) {
  Fill(doc, {"ab", "ab"});
  doc.SetCaretPos(0, 1);
  Find("ab");
  EXPECT_EQ(doc.Caret(), (TPosition{0, 2}));
  EXPECT_TRUE(doc.SearchAgain());
  EXPECT_EQ(doc.Caret(), (TPosition{1, 2}));
}

TEST_F(Search, NotFoundMessageTakesThePatternAsData) {
  Fill(doc, {"text"});
  platform.dialogs.AnswerMessage(MsgResult::OK);
  Find("%s & %d");
  EXPECT_FALSE(doc.FoundRect() != TMemoRect{});
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].text, U"Search string '%s && %d' not found");
  EXPECT_EQ(Prompts()[0].buttons, MsgButtons::OK);

  String seen;
  doc.OnSearchException = [&](TCustomMemoSource&, const String& m, bool& handled) {
    seen = m;
    handled = true;
  };
  Find("zz");
  EXPECT_EQ(seen, U"Search string 'zz' not found");
  EXPECT_EQ(Prompts().size(), 1u);  // handled: no box
}

TEST_F(Search, InvalidPatternIsShownAndNothingChanges) {
  Fill(doc, {"abc"});
  Options().SetRegularExpr(true);
  platform.dialogs.AnswerMessage(MsgResult::OK);
  Find("{*");
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].text, U"{* is invalid mask at (2)");
  EXPECT_EQ(Prompts()[0].icon, MsgIcon::Information);
  EXPECT_EQ(doc.Caret(), (TPosition{0, 0}));
}

TEST_F(Search, SelectionScopeMessages) {
  Fill(doc, {"abc abc", "abc"});
  Options().SetScope(ssSelectedText);
  EXPECT_EQ(MessageOf([&] { Find("abc"); }), "Tried to search marked block but it is invalid");

  doc.SelectRange(stStreamSel, 4, 0, 7, 0);
  doc.SetCaretPos(0, 1);
  Options().SetScope(ssSelectedText);
  Options().SetOrigin(soFromCursor);
  EXPECT_EQ(MessageOf([&] { Find("abc"); }),
            "Tried to search marked block from cursor but cursor is outside block");

  bool handled = false;
  doc.OnSearchException = [&](TCustomMemoSource&, const String&, bool& h) { h = handled = true; };
  Find("abc");
  EXPECT_TRUE(handled);
  EXPECT_EQ(doc.Caret(), (TPosition{1, 0}));
}

TEST_F(Search, SelectionScopeFindsOnlyInsideTheSelection) {
  Fill(doc, {"abc abc", "abc abc"});
  doc.SelectRange(stStreamSel, 2, 0, 5, 1);  // "c abc" / "abc a"
  Options().SetScope(ssSelectedText);
  Find("abc");
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{4, 0, 7, 1}));
  EXPECT_TRUE(doc.SearchAgain());
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{0, 1, 3, 2}));
  platform.dialogs.AnswerMessage(MsgResult::OK);
  EXPECT_FALSE(doc.SearchAgain());  // the "abc" at 4 is cut by the selection's end
  EXPECT_EQ(Prompts().back().text, U"Search string 'abc' not found");
  EXPECT_EQ(doc.SelectionType(), stStreamSel);

  // A column block: columns are relative to its left edge on every line.
  Fill(doc, {"xx ab", "ab ab"});
  doc.SelectRange(stBlockSel, 3, 0, 4, 1);
  Options().SetScope(ssSelectedText);
  Find("ab");
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{3, 0, 5, 1}));
  EXPECT_TRUE(doc.SearchAgain());
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{3, 1, 5, 2}));
}

TEST_F(Search, WholeWordsOnlyIsDroppedForAPatternWithADelimiter) {
  Fill(doc, {"concat", "con cat"});
  Options().SetWholeWordsOnly(true);
  Find("cat");
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{4, 1, 7, 2}));
  Find("n c");
  EXPECT_FALSE(Options().WholeWordsOnly());
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{2, 1, 5, 2}));
}

TEST_F(Search, ReplaceAllIsOneUndoStep) {
  Fill(doc, {"a cat", "cat cat"});
  ReplaceAll("cat", "dog");
  EXPECT_EQ(doc.ReplacedCount(), 3);
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"a dog", "dog dog"}));
  EXPECT_EQ(doc.FoundRect(), TMemoRect{});
  EXPECT_EQ(doc.UpdateDepth(), 0);
  doc.Undo();
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"a cat", "cat cat"}));
  doc.Redo();
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"a dog", "dog dog"}));
}

// Each stored line with every "cat" replaced, left to right.
std::vector<std::string> Replaced(const std::vector<std::string>& lines, std::string_view with) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    std::string r;
    for (std::size_t at = 0; at < line.size();) {
      if (line.compare(at, 3, "cat") == 0) {
        r += with;
        at += 3;
      } else {
        r += line[at++];
      }
    }
    out.push_back(std::move(r));
  }
  return out;
}

TEST_F(Search, UndoAndRedoOfALargeReplaceAllRestoreTheTextExactly) {
  AddOption(soUseTabCharacter);
  TStringList list;
  for (int i = 0; i < 3000; ++i) {
    // Matches at line starts, side by side and after TABs, lines without any.
    const String rows[] = {
        U"cat\tcat and catcat.", U"no match here", U"",
        U"\tthe cat " + String(static_cast<std::size_t>(i % 7), U'x') + U" catnip"};
    list.Add(rows[i % 4]);
  }
  doc.Lines().Assign(list);
  doc.SetCaretPos(2, 5);
  doc.ClearUndo();
  doc.ResetModified();
  const std::vector<std::string> original = StoredLines(doc);
  const TPosition caret = doc.Caret();
  for (const std::string_view with : {"kitten", "", "d"}) {
    SCOPED_TRACE(std::string(with));
    Options().SetOrigin(soEntireScope);
    ReplaceAll("cat", with);
    ASSERT_EQ(doc.ReplacedCount(), 4500);
    const std::vector<std::string> replaced = Replaced(original, with);
    ASSERT_EQ(StoredLines(doc), replaced);
    const TPosition caretAfter = doc.Caret();

    doc.Undo();
    EXPECT_EQ(StoredLines(doc), original);
    EXPECT_EQ(doc.Caret(), caret);
    EXPECT_FALSE(doc.HasSelection());
    EXPECT_FALSE(doc.DocModified());
    EXPECT_FALSE(doc.CanUndo());

    doc.Redo();
    EXPECT_EQ(StoredLines(doc), replaced);
    EXPECT_EQ(doc.Caret(), caretAfter);
    EXPECT_FALSE(doc.HasSelection());
    EXPECT_TRUE(doc.DocModified());
    EXPECT_FALSE(doc.CanRedo());

    // What the redo wrote takes the step back again.
    doc.Undo();
    EXPECT_EQ(StoredLines(doc), original);
    EXPECT_EQ(doc.Caret(), caret);
    EXPECT_FALSE(doc.DocModified());
  }
}

TEST_F(Search, AReplaceAllStepHoldsLittleMemoryPerReplacement) {
  TStringList list;
  for (int i = 0; i < 8000; ++i) list.Add(U"a cat and a cat");
  doc.Lines().Assign(list);
  ReplaceAll("cat", "dog");
  ASSERT_EQ(doc.ReplacedCount(), 16000);
  // A caret move and a replacement of 56 bytes each, and the replaced text:
  // a third record a replacement, or heap strings in the records, go past it.
  EXPECT_LT(doc.UndoRecords().HeldBytes(), std::size_t{16000} * 160);
  doc.Undo();
  EXPECT_EQ(StoredLines(doc)[7999], "a cat and a cat");
}

TEST_F(Search, ReplaceVariants) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::string pattern, with;
    bool regex, backward;
    int count;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"empty replacement deletes", {"xaxbx"}, "x", "", false, false, 3, {"ab"}},
      {"a replacement holding the pattern is not searched again",
       {"aa"},
       "a",
       "aa",
       false,
       false,
       2,
       {"aaaa"}},
      {"backward", {"ab ab"}, "ab", "c", false, true, 2, {"c c"}},
      {"regex replaces the matched length", {"a12b3"}, "[0-9]+", "#", true, false, 2, {"a#b#"}},
      {"line starts in turn", {"a", "b"}, "^", "> ", true, false, 2, {"> a", "> b"}},
      {"a replacement with a line break", {"a;b"}, ";", "\n", false, false, 1, {"a", "b"}},
      {"empty pattern: nothing", {"abc"}, "", "x", false, false, 0, {"abc"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&store);
    TMemoSource d;
    TStringList list;
    for (const std::string& l : c.lines) list.Add(U(l));
    d.Lines().Assign(list);
    Options().SetRegularExpr(c.regex);
    Options().SetDirection(c.backward ? sdBackward : sdForward);
    Options().SetTextToFind(U(c.pattern));
    Options().SetReplaceWith(U(c.with));
    Options().SetReplaceAll(true);
    d.ReplaceText();
    EXPECT_EQ(d.ReplacedCount(), c.count);
    EXPECT_EQ(StoredLines(d), c.expected);
  }
  EXPECT_TRUE(Prompts().empty());
}

TEST_F(Search, ReplaceOverATabWorksInStoredPositions) {
  AddOption(soUseTabCharacter);
  Fill(doc, {"a\tbcd"});
  ASSERT_EQ(doc.StoredLine(0), U"a\tbcd");
  ReplaceAll("  b", "Y");
  EXPECT_EQ(doc.ReplacedCount(), 1);
  EXPECT_EQ(doc.ExpandedLine(0), U"a      Ycd");

  // A match ending inside a TAB keeps the columns after it.
  Fill(doc, {"a\tb"});
  ReplaceAll("a  ", "Y");
  EXPECT_EQ(doc.ExpandedLine(0), U"Y      b");
}

// A loaded file keeps its TABs with the default options (TABs not stored
// for typing): finding, selecting and editing still work in columns.
TEST_F(Search, LoadedTabsWorkInColumnsWithTheDefaultOptions) {
  ASSERT_FALSE(doc.Options().Has(soUseTabCharacter));
  doc.LoadFromBytes("\tif (x)\n\t\treturn y;\n");
  AddOption(soSelectFoundText);
  Find("return");
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{17, 1, 23, 2}));  // after stops 9 and 17
  EXPECT_EQ(doc.BlockBegin(), (TPosition{1, 17}));
  EXPECT_EQ(doc.SelectedStoredLines(), std::vector<String>{U"return"});
  doc.SetCaretPos(9, 1);  // between the TABs
  doc.InsertText(U"z");
  EXPECT_EQ(doc.StoredLine(1), U"\tz\treturn y;");
  EXPECT_EQ(doc.ExpandedLine(1), U"         z       return y;");
  doc.SetCaretPos(4, 0);  // inside the first TAB's fill
  doc.InsertText(U"w");
  EXPECT_EQ(doc.ExpandedLine(0), U"    w    if (x)");
  EXPECT_EQ(doc.SaveToBytes(), "    w\tif (x)\n\tz\treturn y;\n");
}

TEST_F(Search, ReplaceAllClosesOnlyItsOwnUpdates) {
  Fill(doc, {"x x"});
  doc.BeginUpdate(upd::kNone);
  ReplaceAll("x", "y");
  EXPECT_EQ(doc.UpdateDepth(), 1);
  doc.EndUpdate();
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"y y"}));
}

TEST_F(Search, PromptAnswersYesNoAllCancel) {
  Fill(doc, {"x x x x x"});
  Options().SetTextToFind(U"x");
  Options().SetReplaceWith(U"y");
  Options().SetPromptOnReplace(true);
  platform.dialogs.AnswerMessage(MsgResult::Yes);
  EXPECT_TRUE(doc.ReplaceText());
  EXPECT_EQ(doc.ReplacedCount(), 1);
  platform.dialogs.AnswerMessage(MsgResult::No);
  EXPECT_TRUE(doc.SearchAgain());
  EXPECT_EQ(doc.ReplacedCount(), 0);
  platform.dialogs.AnswerMessage(MsgResult::Cancel);
  EXPECT_FALSE(doc.SearchAgain());
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"y x x x x"}));
  ASSERT_EQ(Prompts().size(), 3u);
  EXPECT_EQ(Prompts()[0].text, U"Replace this occurence of 'x'?");
  EXPECT_EQ(Prompts()[0].buttons, MsgButtons::YesNoCancelAll);

  // Cancel left the caret after the third x: All replaces it and the rest.
  platform.dialogs.AnswerMessage(MsgResult::All);
  EXPECT_TRUE(doc.SearchAgain());
  EXPECT_EQ(doc.ReplacedCount(), 2);
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"y x x y y"}));
  EXPECT_FALSE(Options().PromptOnReplace());
  EXPECT_EQ(Prompts().size(), 4u);
  doc.Undo();
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"y x x x x"}));
}

TEST_F(Search, ReadOnlyDocumentIsNotReplaced) {
  Fill(doc, {"x"});
  doc.SetReadOnly(true);
  ReplaceAll("x", "y");
  EXPECT_EQ(doc.ReplacedCount(), 0);
  EXPECT_EQ(StoredLines(doc), (std::vector<std::string>{"x"}));
}

TEST_F(Search, SearchAgainBeforeAnySearchDoesNothing) {
  Fill(doc, {"abc"});
  EXPECT_FALSE(doc.SearchAgain());
  EXPECT_TRUE(Prompts().empty());
  EXPECT_EQ(doc.Caret(), (TPosition{0, 0}));
}

TEST_F(Search, LineStartPatternStopsAtEachLineInTurn) {
  Fill(doc, {"a", "", "c"});
  Options().SetRegularExpr(true);
  platform.dialogs.AnswerMessage(MsgResult::OK);  // the last SearchAgain reports a miss
  Find("^");
  std::vector<TPosition> stops{doc.Caret()};
  while (doc.SearchAgain()) stops.push_back(doc.Caret());
  EXPECT_EQ(stops, (std::vector<TPosition>{{0, 0}, {1, 0}, {2, 0}}));

  Options().SetDirection(sdBackward);
  platform.dialogs.AnswerMessage(MsgResult::OK);
  Find("$");
  stops = {doc.Caret()};
  while (doc.SearchAgain()) stops.push_back(doc.Caret());
  EXPECT_EQ(stops, (std::vector<TPosition>{{2, 1}, {1, 0}, {0, 1}}));
}

TEST_F(Search, GotoLineTakesOnlyALineNumberOfTheDocument) {
  Fill(doc, {"a", "b", "c"});
  platform.dialogs.AnswerInput(U"3");
  doc.ShowGotoLine();
  EXPECT_EQ(doc.Caret(), (TPosition{2, 0}));
  EXPECT_EQ(Prompts().back().caption, U"Go to line Number");
  EXPECT_EQ(Prompts().back().text, U"&Enter new line number:");
  EXPECT_EQ(Prompts().back().value, U"1");

  for (const char* bad : {"", "x", "2x", "-1", "0", "4", "99999999999999999999"}) {
    platform.dialogs.AnswerInput(U(bad));
    EXPECT_NE(MessageOf([&] { doc.ShowGotoLine(); }), "(no error)") << bad;
    EXPECT_EQ(doc.Caret(), (TPosition{2, 0})) << bad;
  }
  platform.dialogs.AnswerInput(std::nullopt);
  doc.ShowGotoLine();
  EXPECT_EQ(doc.Caret(), (TPosition{2, 0}));
  platform.dialogs.AnswerInput(U" 1 ");
  doc.ShowGotoLine();
  EXPECT_EQ(doc.Caret(), (TPosition{0, 0}));
}

TEST_F(Search, OptionsPersistUnderTheirKeyAndToggle) {
  Options().SetTextToFind(U"needle");
  Options().SetDirection(sdBackward);
  Options().SetOrigin(soFromCursor);
  doc.ToggleCaseSensitive();
  doc.ToggleRegularExpr();
  doc.ToggleRegularExpr();
  EXPECT_TRUE(Options().CaseSensitive());
  EXPECT_FALSE(Options().RegularExpr());
  EXPECT_EQ(Options().RegistryKey(), "Software\\Quillon Project\\Quillon\\SearchOptions");
  Options().SaveToRegistry(store);
  OptionRegistry::Reset();
  OptionRegistry::SetStore(&store);
  EXPECT_EQ(Options().TextToFind(), U"needle");
  EXPECT_EQ(Options().Direction(), sdBackward);
  EXPECT_EQ(Options().Origin(), soFromCursor);
  EXPECT_TRUE(Options().CaseSensitive());
}

TEST_F(Search, DialogsStartFromTheCaretAndRunTheOperation) {
  Fill(doc, {"foo bar", "bar"});
  AddOption(soFindTextAtCursor);
  doc.SetCaretPos(5, 0);
  TSearchKind asked = skReplace;
  doc.OnCreateDialog = [&](TCustomMemoSource&, TSearchKind kind, std::unique_ptr<TForm>& d) {
    asked = kind;
    d = std::make_unique<TForm>(platform.forms, "FindDialog");
  };
  platform.forms.QueueScript([](TForm& f) { f.SetModalResult(mrOk); });
  EXPECT_TRUE(doc.ShowFindDialog());
  EXPECT_EQ(asked, skFind);
  EXPECT_EQ(Options().TextToFind(), U"bar");
  EXPECT_EQ(Options().Scope(), ssGlobal);
  EXPECT_EQ(doc.FoundRect(), (TMemoRect{4, 0, 7, 1}));

  // A cancelled dialog searches nothing; a read-only source gets no replace dialog.
  platform.forms.QueueScript([](TForm& f) { f.SetModalResult(mrCancel); });
  EXPECT_FALSE(doc.ShowFindDialog());
  EXPECT_EQ(doc.Caret(), (TPosition{0, 7}));
  doc.SetReadOnly(true);
  EXPECT_FALSE(doc.ShowReplaceDialog());
  EXPECT_EQ(platform.forms.ShownForms().size(), 2u);

  // A selection around the caret makes the dialog start in it.
  doc.SetReadOnly(false);
  doc.SelectRange(stStreamSel, 0, 1, 3, 1);
  doc.SetCaretPos(3, 1);
  platform.forms.QueueScript([](TForm& f) { f.SetModalResult(mrCancel); });
  doc.ShowReplaceDialog();
  EXPECT_EQ(Options().Scope(), ssSelectedText);
}

}  // namespace
}  // namespace qs
