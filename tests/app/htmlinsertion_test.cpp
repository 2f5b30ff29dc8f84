#include "app/htmlinsertion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/insertfilesform.h"
#include "app/insertimageform.h"
#include "app/insertlinkform.h"
#include "app/inserttableform.h"
#include "mainformfixture.h"

namespace qs {
namespace {

class HtmlInsertionTest : public MainFormTest {
 protected:
  HtmlInsertionTest() { Start(); }

  void Fill(StringView text) {
    editor.Source().LoadFromText(text);
    editor.Source().SetCaretPos(0, 0);
  }
  void Select(int beginColumn, int beginLine, int endColumn, int endLine) {
    editor.Source().SelectRange(stStreamSel, beginColumn, beginLine, endColumn, endLine);
  }
  String Text() const { return editor.Source().SavedText(); }
  void Run(const char* action) { form->Action(action).Execute(); }
  // The next form shown answers with this script.
  template <class Form>
  void Expect(std::function<void(Form&)> script) {
    headless.forms.QueueScript([script](TForm& shown) {
      auto* dialog = dynamic_cast<Form*>(&shown);
      ASSERT_NE(dialog, nullptr) << shown.Name();
      script(*dialog);
    });
  }
  // Undoes the last step and checks it was the whole insertion.
  void ExpectOneUndoStep(StringView before) {
    editor.Source().Undo();
    EXPECT_EQ(Text(), before);
  }
};

TEST_F(HtmlInsertionTest, TagsWrapTheSelectionAndLeaveItsLineBreakAfterThem) {
  struct Case {
    const char* action;
    std::function<void(TCustomMemoSource&)> place;
    const char32_t* expected;
  };
  const Case cases[] = {
      {"InsertBoldAct", [](TCustomMemoSource& s) { s.SelectRange(stStreamSel, 0, 0, 0, 1); },
       U"<B>one\tx</B>\ntwo\n"},
      {"InsertItalicAct", [](TCustomMemoSource& s) { s.SelectRange(stStreamSel, 0, 0, 2, 1); },
       U"<I>one\tx\ntw</I>o\n"},
      {"InsertUnderlineAct", [](TCustomMemoSource& s) { s.SetCaretPos(1, 1); },
       U"one\tx\nt<U></U>wo\n"},
  };
  for (const Case& c : cases) {
    Fill(U"one\tx\ntwo\n");
    c.place(editor.Source());
    Run(c.action);
    EXPECT_EQ(Text(), c.expected) << c.action;
    ExpectOneUndoStep(U"one\tx\ntwo\n");
  }
}

TEST_F(HtmlInsertionTest, ColourAndFontDialogsInsertOnlyWhenAccepted) {
  Fill(U"word\n");
  Select(0, 0, 4, 0);
  headless.dialogs.AnswerColor(std::nullopt);
  Run("InsertFGColorAct");
  headless.dialogs.AnswerFont(std::nullopt);
  Run("InsertFontAct");
  EXPECT_EQ(Text(), U"word\n");

  headless.dialogs.AnswerColor(MakeColor(0x12, 0xAB, 0xEF));
  Run("InsertBGColorAct");
  EXPECT_EQ(Text(), U"<FONT style=\"BACKGROUND-COLOR: #12ABEF\">word</FONT>\n");
  ExpectOneUndoStep(U"word\n");

  Select(0, 0, 4, 0);
  headless.dialogs.AnswerFont(FontSpec{.name = U"Arial", .size = 12, .bold = true, .italic = true},
                              clBlack);
  Run("InsertFontAct");
  EXPECT_EQ(Text(),
            U"<FONT style=\"font-size:12pt;font-family:Arial;\"><B><I>word</I></B></FONT>\n");
}

TEST_F(HtmlInsertionTest, TableDialogInsertsItsTableAndRemembersItsFields) {
  Fill(U"\n");
  Expect<TInsertTableForm>([](TInsertTableForm& f) {
    f.RowsEdit.SetText(U"1");
    f.ColsEdit.SetText(U"1");
    f.WrapText.Click();
    f.OKBut.Click();
  });
  Run("InsertTableAct");
  EXPECT_EQ(Text(),
            U"<TABLE cellspacing=\"0\" cellPadding=\"0\" width=\"100%\" border=\"0\">\n"
            U"  <TR>\n    <TD nowrap>&nbsp;</TD>\n  </TR>\n</TABLE>\n");
  ExpectOneUndoStep(U"\n");

  String rowsShown;
  Expect<TInsertTableForm>([&rowsShown](TInsertTableForm& f) {
    rowsShown = f.RowsEdit.Text();
    EXPECT_FALSE(f.WrapText.Checked());
    f.CancelBut.Click();
  });
  Run("InsertTableAct");
  EXPECT_EQ(rowsShown, U"1");
  EXPECT_EQ(Text(), U"\n");
}

TEST_F(HtmlInsertionTest, TableCellAlignmentOffersOnlyValuesOfTd) {
  TInsertTableForm& f = form->Html().TableForm();
  const std::vector<String> expected{U"center", U"justify", U"left", U"right"};
  EXPECT_EQ(f.CellAlign.Items(), expected);
  const std::vector<String> colors = NamedColorItems();
  EXPECT_NE(std::find(colors.begin(), colors.end(), U"Navy"), colors.end());
}

TEST_F(HtmlInsertionTest, LinkTypeAndUrlPrefixFollowEachOther) {
  TInsertLinkForm& f = form->Html().LinkForm();
  EXPECT_EQ(f.TypeBox.Text(), U"http://");
  f.UrlBox.SetText(U"MAILTO:me@example.org");
  EXPECT_EQ(f.TypeBox.Text(), U"mailto:");
  f.UrlBox.SetText(U"example.org");
  EXPECT_EQ(f.TypeBox.Text(), U"(other)");
  f.TypeBox.SetItemIndex(5);  // https://
  EXPECT_EQ(f.UrlBox.Text(), U"https://example.org");
  f.TypeBox.SetItemIndex(2);  // ftp://
  EXPECT_EQ(f.UrlBox.Text(), U"ftp://example.org");
  f.TypeBox.SetItemIndex(0);
  EXPECT_EQ(f.UrlBox.Text(), U"example.org");

  f.UrlBox.SetText(U"http://#top");
  f.Bookmark.SetChecked(true);
  EXPECT_EQ(f.UrlLabel.Caption(), U"Name:");
  EXPECT_FALSE(f.TypeBox.Enabled());
  EXPECT_FALSE(f.TargetBox.Enabled());
  EXPECT_EQ(f.UrlBox.Text(), U"#top");
  f.Bookmark.SetChecked(false);
  EXPECT_EQ(f.UrlLabel.Caption(), U"URL:");
  EXPECT_TRUE(f.TypeBox.Enabled());
}

TEST_F(HtmlInsertionTest, LinkDialogOffersTheDocumentsAnchorsAndInsertsAnAnchor) {
  Fill(U"<a name=\"my anchor\"></a><a href=\"#name\">x</a>\nsee\n");
  Select(0, 1, 3, 1);
  std::vector<String> offered;
  Expect<TInsertLinkForm>([&offered](TInsertLinkForm& f) {
    offered = f.UrlBox.Items();
    f.Bookmark.Click();
    f.UrlBox.SetText(U"#my anchor");
    f.OKBut.Click();
  });
  EXPECT_TRUE(form->KeyDown('L', ssCtrl));
  EXPECT_EQ(offered, std::vector<String>{U"#my anchor"});
  EXPECT_EQ(Text(),
            U"<a name=\"my anchor\"></a><a href=\"#name\">x</a>\n<A name=\"my anchor\"></A>see\n");

  Expect<TInsertLinkForm>([](TInsertLinkForm& f) { f.CancelBut.Click(); });
  Run("InsertLinkAct");
  EXPECT_EQ(Text(),
            U"<a name=\"my anchor\"></a><a href=\"#name\">x</a>\n<A name=\"my anchor\"></A>see\n");
}

TEST_F(HtmlInsertionTest, ImageDialogReadsThePicturesSizeAndKeepsTheSelection) {
  const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x30\0\0\0\x10", 24);
  const std::string path = Write("pic.png", png);
  Fill(U"a\n");
  Select(0, 0, 1, 0);
  headless.dialogs.AnswerOpenFile(Choice(path));
  Expect<TInsertImageForm>([](TInsertImageForm& f) {
    f.SourceBut.Click();
    f.VSpaceEdit.SetText(U"5");
    f.OKBut.Click();
  });
  Run("InsertImageAct");
  EXPECT_EQ(Text(), U"a<IMG width=48 height=16 vspace=5 border=0 src=\"file://" + FromUtf8(path) +
                        U"\">\n");
}

TEST_F(HtmlInsertionTest, FilesAreAllReadFirstAndBinaryOnesRefused) {
  const std::string one = Write("one.txt", "alpha\r\nbeta\n");
  const std::string two = Write("two.htm", "gamma");
  const std::string binary = Write("blob.bin", std::string("ab\0cd", 5));
  Fill(U"x\n");
  headless.dialogs.AnswerOpenFile(FileChoice{{one, binary}, 1});
  headless.dialogs.AnswerMessage(MsgResult::OK);
  headless.dialogs.AnswerOpenFile(FileChoice{{two}, 1});
  Expect<TInsertFilesForm>([](TInsertFilesForm& f) {
    f.AddBut.Click();
    f.Anchors.Click();
    f.OKBut.Click();  // refused: the dialog stays open with the message
    EXPECT_TRUE(f.Visible());
    f.FileList.SetItemIndex(1);
    f.RemoveBut.Click();
    f.AddBut.Click();
    f.OKBut.Click();
  });
  Run("InsertFilesAct");
  EXPECT_NE(Messages().back().find("blob.bin"), std::string::npos);
  EXPECT_EQ(Text(),
            U"\n\n\n\n<A name=\"one\"></A>\nalpha\nbeta\n\n\n<A name=\"two\"></A>\ngamma\nx\n");
  ExpectOneUndoStep(U"x\n");
}

TEST_F(HtmlInsertionTest, ColourSelectorReadsAndReplacesTheDigitsUnderTheCaret) {
  THtmlInsertion& html = form->Html();
  Fill(U"\t<p color=#a0b1c2>\nab\n");
  editor.Source().SetCaretPos(20, 0);  // inside the digits, which the TAB moved right
  ASSERT_TRUE(html.SelectorColor().has_value());
  EXPECT_EQ(*html.SelectorColor(), MakeColor(0xA0, 0xB1, 0xC2));
  headless.dialogs.AnswerColor(clRed);
  html.ChooseSelectorColor();
  EXPECT_EQ(Text(), U"\t<p color=#FF0000>\nab\n");
  ExpectOneUndoStep(U"\t<p color=#a0b1c2>\nab\n");

  struct Case {
    const char32_t* line;
    int column;
  };
  const Case none[] = {{U"#a0b1c", 3}, {U"#a0b1c2d", 3}, {U"#a0b1c2", 40}};
  for (const Case& c : none) {
    Fill(c.line);
    editor.Source().SetCaretPos(c.column, 0);
    EXPECT_FALSE(html.SelectorColor().has_value()) << ToUtf8(c.line);
  }
  // With no colour under the caret the digits go in at the caret.
  Fill(U"ab");
  editor.Source().SetCaretPos(1, 0);
  headless.dialogs.AnswerColor(clBlue);
  html.ChooseSelectorColor();
  EXPECT_EQ(Text(), U"a0000FFb");
}

}  // namespace
}  // namespace qs
