#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/addschemeform.h"
#include "app/syntaxlist.h"
#include "app/syntaxschemesform.h"
#include "catalogfixture.h"
#include "platform/headlessformhost.h"
#include "platform/scripteddialogs.h"
#include "support/utf8.h"

namespace qs {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> FileColumn(const TListView& list) {
  std::vector<std::string> names;
  for (const TListItem& row : list.Rows()) names.push_back(ToUtf8(row.subItems.at(1)));
  return names;
}

std::vector<std::string> CatalogueFiles(const TSyntaxList& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Items(i).FileName());
  return names;
}

class SyntaxSchemesFormTest : public ::testing::Test, public CatalogueFixture {
 protected:
  SyntaxSchemesFormTest() {
    Ship("css.sch", U"CSS", U"css");
    Ship("html.sch", U"HTML", U"htm;html");
    Ship("php.sch", U"PHP", U"php");
    catalogue.SyncWithFolder();
  }

  // Shows the dialog; script plays the user while it is open.
  void Run(FormScript script) {
    forms.QueueScript(std::move(script));
    form.ShowModal();
    EXPECT_EQ(forms.PendingScripts(), 0u);
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
  }
  static void AddScheme(HeadlessFormHost& forms, const String& typed) {
    forms.QueueScript([typed](TForm& add) {
      add.FindControl<TEdit>("SchemeNameEdit").SetText(typed);
      add.FindControl<TButton>("OKBut").Click();
    });
  }
  std::string Message(std::size_t i) const { return ToUtf8(dialogs.Prompts().at(i).text); }

  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  TSyntaxList catalogue{folders};
  TSyntaxSchemesForm form{forms, dialogs, catalogue};
};

TEST_F(SyntaxSchemesFormTest, ButtonsFollowTheSelection) {
  Run([&](TForm&) {
    EXPECT_THAT(form.SchemesList.Columns(), ElementsAre(U"Name", U"File Extensions", U"File Name"));
    ASSERT_EQ(form.SchemesList.Rows().size(), 3u);
    EXPECT_EQ(form.SchemesList.Rows()[1], (TListItem{U"HTML", {U"htm;html", U"html.sch"}}));
    const struct {
      int row;
      bool del, up, down;
    } cases[] = {{-1, false, false, false},
                 {0, true, false, true},
                 {1, true, true, true},
                 {2, true, true, false}};
    for (const auto& c : cases) {
      form.SchemesList.SetItemIndex(c.row);
      EXPECT_EQ(form.EditBut.Enabled(), c.del) << c.row;
      EXPECT_EQ(form.DeleteBut.Enabled(), c.del) << c.row;
      EXPECT_EQ(form.UpBut.Enabled(), c.up) << c.row;
      EXPECT_EQ(form.DownBut.Enabled(), c.down) << c.row;
    }
    form.OKBut.Click();
  });
}

TEST_F(SyntaxSchemesFormTest, AddRefusesBlankAndTakenNamesAndKeepsItsDialogOpen) {
  Run([&](TForm&) {
    forms.QueueScript([&](TForm& add) {
      auto& edit = add.FindControl<TEdit>("SchemeNameEdit");
      auto& ok = add.FindControl<TButton>("OKBut");
      EXPECT_TRUE(edit.Focused());
      dialogs.AnswerMessage(MsgResult::OK);
      dialogs.AnswerMessage(MsgResult::OK);
      edit.SetText(U"   ");
      ok.Click();
      EXPECT_TRUE(add.Visible());
      edit.SetText(U" html ");
      ok.Click();
      EXPECT_TRUE(add.Visible());
      add.FindControl<TButton>("CancelBut").Click();
    });
    form.AddBut.Click();
    form.OKBut.Click();
  });
  EXPECT_EQ(Message(0), "Scheme Name cannot be blank.");
  EXPECT_EQ(dialogs.Prompts()[0].caption, U"Error");
  EXPECT_EQ(Message(1), "Scheme \"html\" allready exists.");
  EXPECT_THAT(CatalogueFiles(catalogue), ElementsAre("css.sch", "html.sch", "php.sch"));
  EXPECT_FALSE(files.IsDirectory(kUserSchemes));
}

TEST_F(SyntaxSchemesFormTest, AddWritesANewSchemeIntoTheUsersFolderUnderAFreeName) {
  Ship("myscheme2.sch", U"Other", U"other");  // a shipped file takes the plain name
  catalogue.SyncWithFolder();
  Run([&](TForm&) {
    for (const String& typed : {U"My Scheme 2!", U"my  scheme 2", U"!!!", U"Схема"})
      AddScheme(forms, typed), form.AddBut.Click();
    EXPECT_THAT(FileColumn(form.SchemesList),
                ElementsAre("css.sch", "html.sch", "php.sch", "myscheme2.sch", "myscheme2(1).sch",
                            "myscheme2(2).sch", "scheme.sch", "scheme(1).sch"));
    EXPECT_EQ(form.SchemesList.ItemIndex(), 7);  // the row just added
    EXPECT_EQ(form.SchemesList.Rows()[4], (TListItem{U"My Scheme 2!", {U"", U"myscheme2(1).sch"}}));
    form.OKBut.Click();
  });
  TSyntaxScheme written;
  folders.LoadScheme("myscheme2(1).sch", written);
  EXPECT_EQ(written.Name(), U"My Scheme 2!");
  EXPECT_EQ(written.SyntaxBlocks().Count(), 1);
  EXPECT_FALSE(files.Exists(std::string(kShipped) + "/scheme.sch"));
  EXPECT_EQ(catalogue.Items(7).SchemeName(), U"Схема");
  EXPECT_TRUE(files.Exists(kCatalogue));
}

TEST_F(SyntaxSchemesFormTest, DeleteAsksFirstAndReportsAFileThatStays) {
  UserWrites("mine.sch", U"Mine", U"mine");
  catalogue.SyncWithFolder();
  Run([&](TForm&) {
    form.SchemesList.SetItemIndex(3);
    dialogs.AnswerMessage(MsgResult::No);
    form.DeleteBut.Click();
    EXPECT_TRUE(files.Exists(std::string(kUserSchemes) + "/mine.sch"));

    dialogs.AnswerMessage(MsgResult::Yes);
    dialogs.AnswerMessage(MsgResult::OK);
    files.FailNext(FileFault::Delete);
    form.DeleteBut.Click();
    EXPECT_EQ(form.SchemesList.Rows().size(), 4u);

    dialogs.AnswerMessage(MsgResult::Yes);
    form.DeleteBut.Click();
    EXPECT_THAT(FileColumn(form.SchemesList), ElementsAre("css.sch", "html.sch", "php.sch"));
    EXPECT_FALSE(form.DeleteBut.Enabled());

    form.SchemesList.SetItemIndex(0);  // shipped: hidden, not deleted
    dialogs.AnswerMessage(MsgResult::Yes);
    form.DeleteBut.Click();
    EXPECT_THAT(FileColumn(form.SchemesList), ElementsAre("html.sch", "php.sch"));
    form.OKBut.Click();
  });
  EXPECT_EQ(Message(0), "Are you sure you want to delete 'Mine'?");
  EXPECT_EQ(dialogs.Prompts()[0].caption, U"Confirm");
  EXPECT_EQ(Message(2), "Failed to delete file: mine.sch");
  EXPECT_FALSE(files.Exists(std::string(kUserSchemes) + "/mine.sch"));
  EXPECT_TRUE(files.Exists(std::string(kShipped) + "/css.sch"));
  EXPECT_THAT(CatalogueFiles(TSyntaxList(folders)), ElementsAre("html.sch", "php.sch"));
}

TEST_F(SyntaxSchemesFormTest, OkTakesTheNewOrderEscKeepsTheOldOneAndBothSaveTheCatalogue) {
  Run([&](TForm&) {
    form.SchemesList.SetItemIndex(2);
    form.UpBut.Click();  // php before html
    EXPECT_EQ(form.SchemesList.ItemIndex(), 1);
    EXPECT_TRUE(form.SchemesList.Focused());
    form.MoveRow(0, -1);  // css dropped on empty space
    EXPECT_THAT(FileColumn(form.SchemesList), ElementsAre("php.sch", "html.sch", "css.sch"));
    form.MoveRow(2, 1);  // css dropped on html
    form.SchemesList.SetItemIndex(0);
    form.DownBut.Click();
    EXPECT_THAT(FileColumn(form.SchemesList), ElementsAre("css.sch", "php.sch", "html.sch"));
    form.OKBut.Click();
  });
  EXPECT_THAT(CatalogueFiles(catalogue), ElementsAre("css.sch", "php.sch", "html.sch"));
  EXPECT_THAT(CatalogueFiles(TSyntaxList(folders)), ElementsAre("css.sch", "php.sch", "html.sch"));

  // A scheme copied in meanwhile shows up when the dialog closes, whichever way.
  UserWrites("new.sch", U"New", U"new");
  files.Delete(kCatalogue);
  Run([&](TForm&) {
    form.SchemesList.SetItemIndex(2);
    form.UpBut.Click();
    form.PressKey(vk::Escape);
  });
  EXPECT_EQ(form.ModalResult(), mrCancel);
  EXPECT_THAT(CatalogueFiles(catalogue), ElementsAre("css.sch", "php.sch", "html.sch", "new.sch"));
  EXPECT_TRUE(files.Exists(kCatalogue));
}

}  // namespace
}  // namespace qs
