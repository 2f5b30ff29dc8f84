// Function hints, the completion lists and context help over the shipped
// schemes and function lists, driven as the user drives them: typing, the
// window's keys and its commands.
#include <gtest/gtest.h>

#include "app/callfinder.h"
#include "app/functionhints.h"
#include "editor/memocommands.h"
#include "mainformfixture.h"
#include "platform/headlesshelpviewer.h"
#include "textmodel/codetemplates.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

// The word delimiters the program's editing options start with.
constexpr StringView kProgramDelimiters = U"/{}+-*():=,;><$.#[]^@&~|%'";

class FunctionHintsTest : public MainFormTest {
 protected:
  // Opens text (its "|" marks the caret) as a file of that extension.
  void OpenAt(const std::string& extension, StringView text) {
    if (!form) Start();
    if (editor.Source().DocModified()) headless.dialogs.AnswerMessage(MsgResult::No);
    const String withCaret(text);
    const std::size_t bar = withCaret.find(U'|');
    String plain = withCaret;
    if (bar != String::npos) plain.erase(bar, 1);
    headless.dialogs.AnswerOpenFile(Choice(Write("doc." + extension, ToUtf8(plain))));
    ASSERT_TRUE(form->Action("FileOpenAct").Execute());
    TCustomMemoSource& source = editor.Source();
    source.SetDelimeters(kProgramDelimiters);
    if (bar == String::npos) return;
    const String before = plain.substr(0, bar);
    const auto line = static_cast<std::int32_t>(std::count(before.begin(), before.end(), U'\n'));
    const std::size_t lineStart = before.rfind(U'\n');
    const auto column =
        static_cast<std::int32_t>(lineStart == String::npos ? bar : bar - lineStart - 1);
    source.SetCaretPos(column, line);
  }
  TFunctionHints& Hints() { return form->Hints(); }
  HeadlessHintWindow& Hint() { return dynamic_cast<HeadlessHintWindow&>(Hints().HintWindow()); }
  HeadlessPopupList& List() { return dynamic_cast<HeadlessPopupList&>(Hints().PopupList()); }
  bool Key(TKey key, TShiftState shift = 0) { return form->KeyDown(key, shift); }
  String Line(int line = 0) { return editor.Source().ExpandedLine(line); }
  std::vector<HelpRequest> HelpShown() { return headless.help.Requests(); }
};

TEST_F(FunctionHintsTest, TypingACallShowsItsDeclarationWithTheCurrentArgumentBold) {
  OpenAt("php", U"<?php | ?>");
  Type(U"str_replace(");
  ASSERT_TRUE(Hint().IsHintVisible());
  EXPECT_EQ(Hint().Text(),
            U"array|string str_replace(~array|string $search~, array|string $replace, "
            U"array|string $subject [, &$count])"
            U"\r\nA function of the standard extension.")
      << "the value is split at the first \" - \"";
  // Below the caret: its pixel plus the screen origin, 2 right and a line plus 2 down.
  const TPoint caret = editor.ClientToScreen(editor.PositionToClient(editor.Source().Caret()));
  EXPECT_EQ(Hint().Position(), (TPoint{caret.X + 2, caret.Y + editor.LineHeight() + 2}));

  Type(U"'a', ");
  EXPECT_NE(Hint().Text().find(U", ~array|string $replace~,"), String::npos);
  EXPECT_EQ(Hint().ShowCount(), 1) << "the same call only changes the text";
  Type(U"'b', $s, ");
  EXPECT_NE(Hint().Text().find(U"[, ~&$count~]"), String::npos);
  Type(U"$n)");
  EXPECT_FALSE(Hint().IsHintVisible());

  form->Action("ShowFuncHintAct").Execute();
  EXPECT_FALSE(Hint().IsHintVisible()) << "the caret is outside the call";
  editor.Source().SetCaretPos(editor.Source().CaretColumn() - 3, 0);
  form->Action("ShowFuncHintAct").Execute();
  EXPECT_TRUE(Hint().IsHintVisible());
  EXPECT_TRUE(Key(vk::Escape));
  EXPECT_FALSE(Hint().IsHintVisible());
}

TEST_F(FunctionHintsTest, TheSplitAtTheFirstDashLeavesNoStrayDash) {
  OpenAt("php", U"<?php strlen(| ?>");
  form->Action("ShowFuncHintAct").Execute();
  EXPECT_EQ(Hint().Text(), U"int strlen(~string $string~)\r\nA function of the Core extension.");
}

struct CallCase {
  const char* name;
  const char32_t* text;      // "|" marks the caret
  const char32_t* function;  // empty: no call
  int argument;
};

TEST_F(FunctionHintsTest, FindingTheCallAroundTheCaret) {
  const CallCase cases[] = {
      {"first argument", U"<?php strlen(|", U"strlen", 1},
      {"third argument", U"<?php substr($a, 1, |", U"substr", 3},
      {"nested call closed", U"<?php substr(strlen($a), |", U"substr", 2},
      {"inside the nested call", U"<?php substr(strlen(|", U"strlen", 1},
      {"blanks before the bracket", U"<?php substr  (|", U"substr", 1},
      {"bracket in a string", U"<?php echo \"substr(|", U"", 0},
      {"bracket in a comment", U"<?php // substr(|", U"", 0},
      {"comma in a string", U"<?php substr(\"a,b\", |", U"substr", 2},
      {"a ; ends the search", U"<?php substr(; |", U"", 0},
      {"spread over lines", U"<?php substr(\n  $a,\n  1,\n  |", U"substr", 3},
      {"caret at column 0", U"<?php substr($a,\n|$b", U"substr", 2},
      {"no name before the bracket", U"<?php $x = ($a, |", U"", 0},
  };
  for (const CallCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenAt("php", c.text);
    const auto call = FindCall(editor.Source(), form->SyntaxParser());
    if (*c.function == 0) {
      EXPECT_FALSE(call.has_value());
      continue;
    }
    ASSERT_TRUE(call.has_value());
    EXPECT_EQ(call->functionName, c.function);
    EXPECT_EQ(call->argumentNumber, c.argument);
    EXPECT_EQ(call->language, U"php");
  }
}

TEST_F(FunctionHintsTest, ACaretPastTheLineEndAndALongLineAreGuarded) {
  OpenAt("php", U"<?php strlen($a, ");
  TStringsOptions options = editor.Source().Options();
  options.Set(soLimitEOL, false);
  editor.Source().SetOptions(options);
  editor.Source().SetCaretPos(40, 0);
  const auto beyond = FindCall(editor.Source(), form->SyntaxParser());
  ASSERT_TRUE(beyond.has_value());
  EXPECT_EQ(beyond->argumentNumber, 2);

  // The walk back is bounded: a call opened far before the caret is not found.
  OpenAt("php", U"<?php strlen(" + String(50000, U'x') + U"|");
  EXPECT_FALSE(FindCall(editor.Source(), form->SyntaxParser()).has_value());
}

TEST_F(FunctionHintsTest, CtrlSpaceListsTheNamesStartingWithTheWordAndEnterInsertsOne) {
  OpenAt("php", U"<?php str_|");
  EXPECT_TRUE(Key(vk::Space, ssCtrl));
  ASSERT_TRUE(List().IsListVisible());
  const std::vector<String> all = List().Names();
  ASSERT_FALSE(all.empty());
  for (const String& name : all) EXPECT_EQ(name.substr(0, 4), U"str_") << ToUtf8(name);
  EXPECT_EQ(List().Selected(), 0);
  const TPopupEntry first = List().Entries().front();
  EXPECT_EQ(first.kind, U"function ");
  EXPECT_EQ(first.detail.front(), U'(');
  EXPECT_EQ(first.detail.back(), U')');

  // Letters are typed and narrow the list; Backspace widens it again.
  EXPECT_FALSE(Key('R'));
  Type(U"r");
  EXPECT_LT(List().Names().size(), all.size());
  for (const String& name : List().Names()) EXPECT_EQ(name.substr(0, 5), U"str_r");
  editor.Source().BackSpace();
  EXPECT_EQ(List().Names(), all);
  Type(U"rep");

  EXPECT_TRUE(Key(vk::Down));
  EXPECT_TRUE(Key(vk::Up));
  EXPECT_TRUE(Key(vk::Up)) << "not past the first entry";
  EXPECT_EQ(List().Selected(), 0);
  const String chosen = List().Entries().front().name;
  EXPECT_TRUE(Key(vk::Return));
  EXPECT_FALSE(List().IsListVisible());
  EXPECT_EQ(Line(), U"<?php " + chosen + U"()");
  EXPECT_EQ(editor.Source().CaretColumn(), static_cast<int>(6 + chosen.size() + 1));
  EXPECT_TRUE(Hint().IsHintVisible()) << "the hint of the inserted call";
}

TEST_F(FunctionHintsTest, ABracketAlreadyThereIsKeptAndOtherKeysCloseTheList) {
  OpenAt("php", U"<?php strl|  ($a);");
  Key(vk::Space, ssCtrl);
  ASSERT_EQ(List().Names(), std::vector<String>{U"strlen"});
  Key(vk::Return);
  EXPECT_EQ(Line(), U"<?php strlen  ($a);");
  EXPECT_EQ(editor.Source().CaretColumn(), 15) << "just after the \"(\"";

  OpenAt("php", U"<?php strl|");
  Key(vk::Space, ssCtrl);
  EXPECT_FALSE(Key(vk::Shift, ssShift));
  EXPECT_TRUE(List().IsListVisible()) << "a modifier alone changes nothing";
  EXPECT_FALSE(Key(vk::Left));
  EXPECT_FALSE(List().IsListVisible());

  // Enter with nothing selected inserts nothing.
  Key(vk::Space, ssCtrl);
  List().SetSelected(-1);
  Key(vk::Return);
  EXPECT_EQ(Line(), U"<?php strl");
  EXPECT_FALSE(List().IsListVisible());

  OpenAt("php", U"<?php zzzz|");
  Key(vk::Space, ssCtrl);
  EXPECT_FALSE(List().IsListVisible()) << "no name starts so";
}

TEST_F(FunctionHintsTest, HtmlWordsHaveNoBracketsToAdd) {
  OpenAt("html", U"<tab|");
  Key(vk::Space, ssCtrl);
  ASSERT_EQ(List().Names(), std::vector<String>{U"table"});
  Key(vk::Return);
  EXPECT_EQ(Line(), U"<table");
}

TEST_F(FunctionHintsTest, TheListIsPlacedAboveTheLineAtTheScreenBottomAndLeftAtItsRight) {
  OpenAt("php", U"<?php str_|");
  Key(vk::Space, ssCtrl);
  const TPoint below = List().Position();
  const TPoint wordStart = editor.ClientToScreen(editor.PositionToClient({0, 6}));
  EXPECT_EQ(below, (TPoint{wordStart.X, wordStart.Y + editor.LineHeight()}));
  Key(vk::Escape);

  headless.screen.workArea = {0, 0, below.X + 10, below.Y + 10};
  Key(vk::Space, ssCtrl);
  const TSize size = List().ListSize();
  EXPECT_EQ(List().Position(),
            (TPoint{below.X - size.cx, below.Y - editor.LineHeight() - size.cy}));
}

class TemplatesTest : public FunctionHintsTest {
 protected:
  void AddTemplate(StringView name, std::vector<String> code) {
    TMemoCodeTemplate& t = editor.Source().CodeTemplates().Add();
    t.SetName(String(name));
    t.SetCode(code);
  }
  void OpenWithTemplates(StringView text) {
    OpenAt("txt", text);
    editor.Source().SetTemplatesType(kTemplatesCustom);
    editor.Source().CodeTemplates().Clear();
    AddTemplate(U"for", {U"for (|) {", U"}"});
    AddTemplate(U"foreach", {U"foreach (|)"});
  }
};

TEST_F(TemplatesTest, AnExactNameIsInsertedAtOnceAndAPrefixOpensTheList) {
  OpenWithTemplates(U"  for|");
  form->Action("CodeTemplatesAct").Execute();
  EXPECT_EQ(Line(0), U"  for () {");
  EXPECT_EQ(Line(1), U"  }");
  EXPECT_EQ(editor.Source().Caret(), (TPosition{0, 7}));

  OpenWithTemplates(U"fo|");
  form->Action("CodeTemplatesAct").Execute();
  ASSERT_TRUE(List().IsListVisible());
  EXPECT_EQ(List().Names(), (std::vector<String>{U"for", U"foreach"}));
  Type(U"re");
  EXPECT_EQ(List().Selected(), 1) << "the typed prefix picks the entry";
  EXPECT_TRUE(Key(vk::Space)) << "Space accepts and is not typed";
  EXPECT_EQ(Line(0), U"foreach ()");
}

TEST_F(TemplatesTest, APeriodAcceptsAndLeavingTheWordCloses) {
  OpenWithTemplates(U"x\nf|");
  form->Action("CodeTemplatesAct").Execute();
  ASSERT_TRUE(List().IsListVisible());
  EXPECT_FALSE(Key(vk::OemPeriod));
  EXPECT_EQ(Line(1), U"for () {");

  OpenWithTemplates(U"x\nf|");
  form->Action("CodeTemplatesAct").Execute();
  editor.Source().SetCaretPos(0, 0);
  EXPECT_FALSE(List().IsListVisible()) << "the caret left the line";
}

TEST_F(TemplatesTest, OnlyTheWordIsReplacedNotAPersistentSelectionElsewhere) {
  OpenWithTemplates(U"keep this\nfor|");
  TStringsOptions options = editor.Source().Options();
  options.Set(soPersistentBlocks, true);
  editor.Source().SetOptions(options);
  editor.Source().SelectRange(stStreamSel, 0, 0, 4, 0);
  editor.Source().SetCaretPos(3, 1);
  form->Action("CodeTemplatesAct").Execute();
  EXPECT_EQ(Line(0), U"keep this");
  EXPECT_EQ(Line(1), U"for () {");

  // Ctrl+J in the editor runs the same command.
  OpenWithTemplates(U"fo|");
  editor.ExecuteCommand(ecInsertCodeTemplate);
  EXPECT_TRUE(List().IsListVisible());
}

struct TopicCase {
  const char* name;
  const char* extension;
  const char32_t* text;
  const char* folder;  // below help/; empty: no topic
  const char* page;
};

TEST_F(FunctionHintsTest, F1OpensThePageForTheWordAtTheCaret) {
  const TopicCase cases[] = {
      {"PHP superglobal", "php", U"<?php $_G|ET['a']; ?>", "php_manual_en",
       "en/reserved.variables.html#reserved.variables.get"},
      {"PHP function", "php", U"<?php str_rep|lace(); ?>", "php_manual_en",
       "en/function.str-replace.html"},
      {"PHP keyword", "php", U"<?php for|each ($a as $b); ?>", "php_manual_en",
       "en/control-structures.foreach.html"},
      {"CSS property in a style block", "html", U"<style>\np { padding-le|ft: 1px; }\n</style>",
       "cssref", "box/padding-left.html"},
      {"CSS in a style attribute", "html", U"<p style=\"padding-le|ft: 2px\">", "cssref",
       "box/padding-left.html"},
      {"upper-case tag", "html", U"<TA|BLE>", "htmlref", "tables/table.html"},
      {"no topic", "html", U"<blin|k>", "", ""},
      {"plain text", "txt", U"tab|le", "", ""},
  };
  for (const TopicCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenAt(c.extension, c.text);
    const std::size_t before = HelpShown().size();
    const String delimiters = editor.Source().Delimeters();
    EXPECT_TRUE(Key(vk::F1));
    EXPECT_EQ(editor.Source().Delimeters(), delimiters);
    form->EditorMenu().Popup();
    if (*c.folder == 0) {
      EXPECT_EQ(HelpShown().size(), before);
      EXPECT_FALSE(form->Action("TopicSearchAct").Enabled());
      continue;
    }
    EXPECT_TRUE(form->Action("TopicSearchAct").Enabled());
    ASSERT_EQ(HelpShown().size(), before + 1);
    EXPECT_EQ(HelpShown().back().topic, c.page);
    EXPECT_EQ(std::filesystem::path(HelpShown().back().helpFile).filename(), c.folder);
  }
}

TEST_F(FunctionHintsTest, ADashOnlyWithoutItInTheDelimitersStaysOut) {
  OpenAt("css", U"p { padding-le|ft: 1px; }");
  editor.Source().SetDelimeters(U" ;:{}");
  Key(vk::F1);
  EXPECT_EQ(editor.Source().Delimeters(), U" ;:{}");
  ASSERT_FALSE(HelpShown().empty());
  EXPECT_EQ(HelpShown().back().topic, "box/padding-left.html");
}

TEST_F(FunctionHintsTest, TheHelpCommandsOpenTheirBooks) {
  Start();
  for (const char* action : {"HelpTopicsAct", "PHPRefAct", "CSSRefAct", "HTMLRefAct"})
    form->Action(action).Execute();
  const auto shown = HelpShown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(std::filesystem::path(shown[0].helpFile).filename(), "help");
  EXPECT_EQ(shown[1].topic, "en/funcref.html");
  EXPECT_EQ(std::filesystem::path(shown[2].helpFile).filename(), "cssref");
  EXPECT_EQ(std::filesystem::path(shown[3].helpFile).filename(), "htmlref");
  // Every page the books open is shipped.
  for (const HelpRequest& r : shown)
    EXPECT_TRUE(
        std::filesystem::exists(r.helpFile + "/" + (r.topic.empty() ? "index.html" : r.topic)))
        << r.helpFile << " " << r.topic;
}

}  // namespace
}  // namespace qs
