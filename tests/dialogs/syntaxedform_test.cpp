#include "dialogs/syntaxedform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/headlessformhost.h"
#include "platform/memoryfilesystem.h"
#include "platform/scripteddialogs.h"
#include "schemefixture.h"
#include "support/utf8.h"
#include "syntax/schemefileio.h"

namespace qs {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Captions(const TCheckListBox& list) {
  std::vector<std::string> captions;
  for (const String& item : list.Items()) captions.push_back(ToUtf8(item));
  return captions;
}

// The caller's scheme: a root with a keyword set, and a child block.
class SyntaxEdFormTest : public ::testing::Test {
 protected:
  SyntaxEdFormTest() : owned(SchemeOf({{U"Root", 0, -1}, {U"Script", 1, 0}}, U"Web")) {
    TKeywordSet& set = Caller().SyntaxBlocks().Items(0).KeywordSets().Add();
    set.SetName(U"Tags");
    set.SetKeywords(U"div,a");
    Caller().SyntaxBlocks().Items(0).Set(TBlockFlag::UseKeywords, true);
    form.SetScheme(Caller());
    form.OnApply = [this](TSyntaxScheme&) { ++applied; };
  }
  TSyntaxScheme& Caller() { return *owned; }
  TSyntaxScheme& Working() { return form.WorkingScheme(); }
  // Opens the next popup with the given text in its first field and presses OK.
  void AnswerPopup(const char32_t* text) {
    forms.QueueScript([text](TForm& popup) {
      popup.FindControl<TEdit>("LeftEdit").SetText(text);
      popup.FindControl<TButton>("OKBut").Click();
    });
  }
  TCheckListBox& Keywords() { return form.FindControl<TCheckListBox>("lbxKeywords"); }
  // Plays the user in the shown editor, which is then cancelled.
  void Run(const std::function<void()>& body) {
    forms.QueueScript([this, body](TForm&) {
      body();
      form.btnCancel.Click();
    });
    form.ShowModal();
    EXPECT_EQ(forms.PendingScripts(), 0u);
  }

  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  MemoryFileSystem files;
  std::unique_ptr<TSyntaxScheme> owned;
  TSyntaxEdForm form{forms, dialogs, files};
  int applied = 0;
};

TEST_F(SyntaxEdFormTest, OpensOnTheTreeWithTheFirstBlockSelected) {
  Run([&] {
    ASSERT_EQ(form.trvBlocks.Nodes().size(), 2u);
    EXPECT_EQ(form.trvBlocks.Nodes()[1], (TTreeNode{U"Script", 1, 1}));
    EXPECT_EQ(form.trvBlocks.ItemIndex(), 0);
    EXPECT_EQ(form.edtSchemeName.Text(), U"Web");
    // The first root has no delimiters of its own and cannot go.
    EXPECT_FALSE(form.btnRmvBlock.Enabled());
    EXPECT_FALSE(form.FindControl<TCheckListBox>("lbxBlkDlmtrs").Enabled());
    form.trvBlocks.SetItemIndex(1);
    EXPECT_EQ(form.CurrentBlock()->Name(), U"Script");
    EXPECT_TRUE(form.btnRmvBlock.Enabled());
    EXPECT_TRUE(form.FindControl<TCheckListBox>("lbxBlkDlmtrs").Enabled());
  });
}

TEST_F(SyntaxEdFormTest, ASchemeWithoutBlockZeroOpensOnItsFirstBlock) {
  Run([&] {
    const auto odd = SchemeOf({{U"Only", 5, -1}, {U"Lost", 6, 9}});
    form.SetScheme(*odd);
    EXPECT_EQ(form.CurrentBlock()->Name(), U"Only");
    EXPECT_EQ(form.trvBlocks.Nodes()[1].level, 0) << "the orphan shows as a root";
    // Add proposes the first block as parent when there is no block 0.
    forms.QueueScript([](TForm& popup) {
      auto& tree = popup.FindControl<TTreeView>("ParentTree");
      EXPECT_EQ(tree.Selected()->data, 5);
      popup.FindControl<TEdit>("BlockName").SetText(U"New");
      popup.FindControl<TButton>("OKBut").Click();
    });
    form.AddBlockClick();
    EXPECT_EQ(form.CurrentBlock()->Name(), U"New");
    EXPECT_EQ(form.CurrentBlock()->ParentID(), 5);
  });
}

TEST_F(SyntaxEdFormTest, AddWithEveryIdTakenRefusesWithAMessage) {
  Run([&] {
    for (int id = 2; id < 255; ++id) {
      TSyntaxBlock& block = Working().SyntaxBlocks().Add();
      block.SetID(id);
      block.SetParentID(0);
    }
    dialogs.AnswerMessage(MsgResult::OK);
    form.AddBlockClick();
    EXPECT_EQ(forms.PendingScripts(), 0u);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_THAT(ToUtf8(dialogs.Prompts()[0].text),
                ::testing::HasSubstr("Every block ID is in use"));
  });
}

TEST_F(SyntaxEdFormTest, KeywordsAreAddedSortedAndADuplicateIsOnlySelected) {
  Run([&] {
    form.FindControl<TCheckListBox>("lbxKWSets").SetItemIndex(0);
    EXPECT_THAT(Captions(Keywords()), ElementsAre("a", "div"));
    AnswerPopup(U" span ");
    form.FindControl<TButton>("btnAddKeyword").Click();
    AnswerPopup(U"a");
    form.FindControl<TButton>("btnAddKeyword").Click();
    EXPECT_THAT(Captions(Keywords()), ElementsAre("a", "div", "span"));
    EXPECT_EQ(Keywords().ItemIndex(), 0);
    EXPECT_EQ(Keywords().SelCount(), 1);
    EXPECT_EQ(Working().SyntaxBlocks().Items(0).KeywordSets().Items(0).Keywords(), U"a,div,span");
    EXPECT_EQ(Caller().SyntaxBlocks().Items(0).KeywordSets().Items(0).Keywords(), U"div,a")
        << "the caller's scheme waits for Apply";
  });
}

TEST_F(SyntaxEdFormTest, APopupWithABlankFieldStaysOpenOnItsField) {
  Run([&] {
    form.FindControl<TCheckListBox>("lbxKWSets").SetItemIndex(0);
    forms.QueueScript([](TForm& popup) {
      popup.FindControl<TEdit>("LeftEdit").SetText(U"  ");
      popup.FindControl<TButton>("OKBut").Click();
      EXPECT_TRUE(popup.Visible());
      EXPECT_TRUE(popup.FindControl<TEdit>("LeftEdit").Focused());
      popup.FindControl<TButton>("CancelBut").Click();
    });
    form.FindControl<TButton>("btnAddKeyword").Click();
    EXPECT_THAT(Captions(Keywords()), ElementsAre("a", "div"));
  });
}

TEST_F(SyntaxEdFormTest, KeywordsLoadFromAFileAndSaveOnePerLine) {
  Run([&] {
    form.FindControl<TCheckListBox>("lbxKWSets").SetItemIndex(0);
    files.WriteFileAtomic("/tmp/words.txt", "zeta\nalpha\nzeta\n");
    dialogs.AnswerOpenFile(FileChoice{{"/tmp/words.txt"}});
    form.FindControl<TButton>("btnLoadKeywords").Click();
    EXPECT_THAT(Captions(Keywords()), ElementsAre("alpha", "zeta"));
    dialogs.AnswerSaveFile(FileChoice{{"/tmp/out.txt"}});
    form.FindControl<TButton>("btnSaveKeywords").Click();
    EXPECT_EQ(files.ReadFile("/tmp/out.txt"), "alpha\nzeta\n");
  });
}

TEST_F(SyntaxEdFormTest, AStyleGivesTheElementAnAttributeOfItsBlock) {
  Run([&] {
    form.trvBlocks.SetItemIndex(1);
    forms.QueueScript([](TForm& popup) {
      auto& style = popup.FindControl<TComboBox>("TextStyle");
      EXPECT_EQ(style.Text(), U"Custom");
      popup.FindControl<TComboBox>("FontColor").SetText(U"Red");
      popup.FindControl<TCheckBox>("Bold").Click();
      popup.FindControl<TButton>("OKBut").Click();
    });
    form.FindControl<TButton>("btnStyleText").Click();
    const std::int32_t id = Working().FindBlock(1)->Attr(TBlockAttr::FIText);
    const TAttrItem* attr = Working().FontTable().FindAttr(id);
    ASSERT_NE(attr, nullptr);
    EXPECT_EQ(attr->BlockID(), 1);
    EXPECT_EQ(attr->Font().Color(), clRed);
    EXPECT_EQ(attr->Font().Style(), SetBit(fsBold));
    EXPECT_EQ(attr->GlobalAttrID(), U"Custom");
  });
}

TEST_F(SyntaxEdFormTest, ApplyCopiesBackAndABlankNameBlocksIt) {
  Run([&] {
    form.edtSchemeName.SetText(U"  ");
    dialogs.AnswerMessage(MsgResult::OK);
    form.btnApply.Click();
    EXPECT_EQ(dialogs.Prompts().back().text, U"The Scheme name cannot be blank");
    EXPECT_EQ(applied, 0);
    EXPECT_EQ(Caller().Name(), U"Web");

    form.edtSchemeName.SetText(U"Pages");
    form.edExtensions.SetText(U"HTM;Html");
    form.btnApply.Click();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(Caller().Name(), U"Pages");
    EXPECT_EQ(Caller().Extensions(), U"htm;html");
  });
}

TEST_F(SyntaxEdFormTest, CancelLeavesTheCallersSchemeAlone) {
  forms.QueueScript([](TForm& editor) {
    editor.FindControl<TEdit>("edtSchemeName").SetText(U"Changed");
    editor.FindControl<TButton>("btnCancel").Click();
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(applied, 0);
  EXPECT_EQ(Caller().Name(), U"Web");
}

TEST_F(SyntaxEdFormTest, LoadKeepsTheWorkWhenTheFileDoesNotRead) {
  Run([&] {
    files.WriteFileAtomic("/tmp/bad.sch", "object TPersHolder\n  P.Name = ");
    dialogs.AnswerOpenFile(FileChoice{{"/tmp/bad.sch"}});
    dialogs.AnswerMessage(MsgResult::OK);
    form.btnLoad.Click();
    EXPECT_THAT(ToUtf8(dialogs.Prompts().back().text),
                ::testing::HasSubstr("Can't read syntax scheme"));
    EXPECT_EQ(Working().Name(), U"Web");
    EXPECT_EQ(Working().SyntaxBlocks().Count(), 2);
    EXPECT_EQ(form.SchemeFileName(), "");

    const auto other = SchemeOf({{U"Only", 0, -1}}, U"Other");
    files.WriteFileAtomic("/tmp/good.sch", other->SaveToText());
    dialogs.AnswerOpenFile(FileChoice{{"/tmp/good.sch"}});
    form.btnLoad.Click();
    EXPECT_EQ(form.edtSchemeName.Text(), U"Other");
    EXPECT_EQ(form.SchemeFileName(), "/tmp/good.sch");
  });
}

TEST_F(SyntaxEdFormTest, SaveAsOffersAFileNameFromTheEditedName) {
  Run([&] {
    form.edtSchemeName.SetText(U"Perl (CGI) Script");
    dialogs.AnswerSaveFile(FileChoice{{"/tmp/perl.sch"}});
    form.btnSaveAs.Click();
    EXPECT_EQ(dialogs.Prompts().back().file.fileName, "Perl_CGI_Script.sch");
    EXPECT_EQ(form.SchemeFileName(), "/tmp/perl.sch");
    TSyntaxScheme saved;
    LoadSchemeFile(files, "/tmp/perl.sch", saved);
    EXPECT_EQ(saved.Name(), U"Perl (CGI) Script");
  });
}

TEST_F(SyntaxEdFormTest, CopyTakesABlockOfAnotherSchemeAndRefusesAFileThatDoesNotRead) {
  Run([&] {
    files.WriteFileAtomic("/tmp/bad.sch", "not a scheme");
    dialogs.AnswerOpenFile(FileChoice{{"/tmp/bad.sch"}});
    dialogs.AnswerMessage(MsgResult::OK);
    form.btnCopyBlock.Click();
    EXPECT_THAT(ToUtf8(dialogs.Prompts().back().text),
                ::testing::HasSubstr("Can't read syntax scheme"));
    EXPECT_EQ(Working().SyntaxBlocks().Count(), 2);

    const auto other = SchemeOf({{U"Default", 0, -1}, {U"Style", 1, 0}}, U"CSS");
    files.WriteFileAtomic("/tmp/css.sch", other->SaveToText());
    dialogs.AnswerOpenFile(FileChoice{{"/tmp/css.sch"}});
    forms.QueueScript([](TForm& popup) {
      auto& blocks = popup.FindControl<TListBox>("SelectList");
      EXPECT_EQ(blocks.Items(), (std::vector<String>{U"Default", U"Style"}));
      blocks.SetItemIndex(0);
      popup.FindControl<TTreeView>("ParentTree").SetItemIndex(1);  // below "Script"
      popup.FindControl<TButton>("OKBut").Click();
    });
    form.btnCopyBlock.Click();
    EXPECT_EQ(form.CurrentBlock()->Name(), U"CSS");
    EXPECT_EQ(form.CurrentBlock()->ParentID(), 1);
    EXPECT_EQ(form.trvBlocks.Nodes().back(), (TTreeNode{U"CSS", 2, 2}));
  });
}

TEST_F(SyntaxEdFormTest, EnterInsertAndDeleteWorkTheListsButtons) {
  Run([&] {
    form.FindControl<TCheckListBox>("lbxKWSets").SetItemIndex(0);
    Keywords().SetSelection({0, 1});
    TKey key = vk::Return;  // edits exactly one keyword only
    Keywords().KeyDown(key);
    EXPECT_EQ(key, vk::Return);
    key = vk::Delete;
    Keywords().KeyDown(key);
    EXPECT_TRUE(Keywords().Items().empty());
    AnswerPopup(U"p");
    key = vk::Insert;
    Keywords().KeyDown(key);
    EXPECT_THAT(Captions(Keywords()), ElementsAre("p"));
  });
}

}  // namespace
}  // namespace qs
