#include <gtest/gtest.h>

#include "app/searchdialog.h"
#include "editor/memocommands.h"
#include "mainformfixture.h"

namespace qs {
namespace {

class MainFormSearchTest : public MainFormTest {
 protected:
  MainFormSearchTest() { TSearchOptions::Instance().ResetDefaults(); }

  void Fill(StringView text) {
    editor.Source().LoadFromText(text);
    editor.Source().SetCaretPos(0, 0);
  }
  // The next search dialog answers with this script.
  template <class Dialog>
  void Expect(std::function<void(Dialog&)> script) {
    headless.forms.QueueScript([script](TForm& form) {
      auto* dialog = dynamic_cast<Dialog*>(&form);
      ASSERT_NE(dialog, nullptr) << form.Name();
      script(*dialog);
    });
  }
  String Text() const { return editor.Source().SavedText(); }
};

TEST_F(MainFormSearchTest, FindIsSeededFromAOneLineSelectionOrTheWordAtTheCaret) {
  struct Case {
    const char* name;
    std::function<void(TCustomMemoSource&)> place;
    const char32_t* seed;
  };
  const Case cases[] = {
      {"selection in one line",
       [](TCustomMemoSource& s) { s.SelectRange(stStreamSel, 0, 0, 10, 0); }, U"alpha beta"},
      {"word at the caret", [](TCustomMemoSource& s) { s.SetCaretPos(7, 0); }, U"beta"},
      {"selection over two lines",
       [](TCustomMemoSource& s) { s.SelectRange(stStreamSel, 6, 0, 3, 1); }, U"earlier"},
      {"caret on blanks", [](TCustomMemoSource& s) { s.SetCaretPos(2, 2); }, U"earlier"},
  };
  Start();
  for (const Case& c : cases) {
    Fill(U"alpha beta\ngamma\n    ");
    TSearchOptions::Instance().SetTextToFind(U"earlier");
    c.place(editor.Source());
    String shown;
    Expect<TSrchDialog>([&shown](TSrchDialog& d) {
      shown = d.SearText.Text();
      d.CancelBut.Click();
    });
    EXPECT_TRUE(form->KeyDown('F', ssCtrl)) << c.name;
    EXPECT_EQ(shown, c.seed) << c.name;
  }
}

TEST_F(MainFormSearchTest, FindThenSearchAgainMoveThroughTheMatches) {
  Start();
  Fill(U"one beta\ntwo beta");
  Expect<TSrchDialog>([](TSrchDialog& d) {
    d.SearText.SetText(U"beta");
    d.PressKey(vk::Return);
  });
  ASSERT_TRUE(form->Action("FindAct").Enabled());
  form->Action("FindAct").Execute();
  EXPECT_EQ(editor.Source().Caret(), (TPosition{0, 8}));
  EXPECT_TRUE(form->KeyDown(vk::F1 + 2, 0));  // F3
  EXPECT_EQ(editor.Source().Caret(), (TPosition{1, 8}));
}

TEST_F(MainFormSearchTest, ReplaceAllIsOneUndoStep) {
  Start();
  Fill(U"a-a\na");
  Expect<TReplDialog>([](TReplDialog& d) {
    d.SearText.SetText(U"a");
    d.ReplText.SetText(U"bb");
    d.ReplBut.Click();
  });
  EXPECT_TRUE(form->KeyDown('R', ssCtrl));
  EXPECT_EQ(Text(), U"bb-bb\nbb");
  editor.Source().Undo();
  EXPECT_EQ(Text(), U"a-a\na");
}

TEST_F(MainFormSearchTest, TheReplaceQuestionOffersYesNoCancelAndAll) {
  Start();
  Fill(U"a a a a");
  Expect<TReplDialog>([](TReplDialog& d) {
    d.SearText.SetText(U"a");
    d.ReplText.SetText(U"b");
    d.PromptRepl.Click();
    d.OKBut.Click();
  });
  for (MsgResult answer : {MsgResult::Yes, MsgResult::No, MsgResult::All})
    headless.dialogs.AnswerMessage(answer);
  form->Action("ReplaceAct").Execute();
  EXPECT_EQ(Text(), U"b a a a");
  form->Action("SearchAgainAct").Execute();  // No: the second stays
  form->Action("SearchAgainAct").Execute();  // All: the rest without asking
  EXPECT_EQ(Text(), U"b a b b");
  ASSERT_EQ(headless.dialogs.Prompts().size(), 3u);
  EXPECT_EQ(headless.dialogs.Prompts()[0].text, U"Replace this occurence of 'a'?");
  EXPECT_EQ(headless.dialogs.Prompts()[0].buttons, MsgButtons::YesNoCancelAll);
}

TEST_F(MainFormSearchTest, TheEditorsKeyMappingsReachTheSameCommands) {
  Start();
  Fill(U"first\nsecond word\nthird");
  editor.Source().SetCaretPos(8, 1);
  String shown;
  Expect<TSrchDialog>([&shown](TSrchDialog& d) {
    shown = d.SearText.Text();
    d.CancelBut.Click();
  });
  editor.ExecuteCommand(ecShowFindDialog);
  EXPECT_EQ(shown, U"word");  // seeded as the window's Find is

  headless.dialogs.AnswerInput(U"3");
  editor.ExecuteCommand(ecGotoLine);
  EXPECT_EQ(editor.Source().Caret(), (TPosition{2, 0}));
  headless.dialogs.AnswerInput(U"9");
  headless.dialogs.AnswerMessage(MsgResult::OK);  // the error names the range
  editor.ExecuteCommand(ecGotoLine);
  EXPECT_EQ(editor.Source().Caret(), (TPosition{2, 0}));
  EXPECT_NE(Messages().back().find("from 1 to 3"), std::string::npos);

  Expect<TReplDialog>([](TReplDialog& d) {
    d.SearText.SetText(U"i");
    d.ReplText.SetText(U"I");
    d.ReplBut.Click();
  });
  editor.ExecuteCommand(ecShowReplaceDialog);
  EXPECT_EQ(Text(), U"fIrst\nsecond word\nthIrd");
}

}  // namespace
}  // namespace qs
