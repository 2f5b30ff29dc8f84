#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/codetemplatefile.h"
#include "app/codetemplatesform.h"
#include "common/messageof.h"
#include "platform/headlessformhost.h"
#include "platform/memoryfilesystem.h"
#include "platform/scripteddialogs.h"
#include "support/errors.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"

namespace qs {
namespace {

using ::testing::ElementsAre;

struct Code {
  String name;
  String description;
  StringVector lines;
};

void AddTemplate(TMemoCodeTemplates& list, const Code& code) {
  TMemoCodeTemplate& item = list.Add();
  item.SetName(code.name);
  item.SetDescription(code.description);
  item.SetCode(code.lines);
}

std::vector<String> Names(const TMemoCodeTemplates& list) {
  std::vector<String> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Items(i).Name());
  return names;
}

std::vector<String> RowNames(const TListView& list) {
  std::vector<String> names;
  for (const TListItem& row : list.Rows()) names.push_back(row.caption);
  return names;
}

class CodeTemplatesFormTest : public ::testing::Test {
 protected:
  CodeTemplatesFormTest() {
    scheme.SetName(U"HTML");
    AddTemplate(scheme.CodeTemplates(), {U"a", U"link", {U"<a href=\"|\">", U"</a>"}});
    AddTemplate(scheme.CodeTemplates(), {U"b", U"bold", {U"<b>|</b>"}});
    AddTemplate(scheme.CodeTemplates(), {U"t", U"table", {U"<table>", U"|", U"</table>"}});
  }

  // Shows the manager; script plays the user while it is open.
  TModalResult Run(FormScript script) {
    forms.QueueScript(std::move(script));
    const TModalResult result = form.Execute(scheme);
    EXPECT_EQ(forms.PendingScripts(), 0u);
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
    return result;
  }

  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  MemoryFileSystem files;
  TSyntaxScheme scheme;
  TCodeTemplatesForm form{forms, dialogs, files};
};

TEST_F(CodeTemplatesFormTest, ShowsTheRowsAndFollowsTheSelection) {
  Run([&](TForm& shown) {
    EXPECT_EQ(shown.Caption(), U"Edit Code Templates: HTML");
    EXPECT_THAT(form.lvTemplates.Columns(), ElementsAre(U"Name", U"Description"));
    EXPECT_EQ(form.lvTemplates.Rows()[1], (TListItem{U"b", {U"bold"}}));
    EXPECT_EQ(form.lvTemplates.ItemIndex(), 0);
    EXPECT_EQ(form.edCode.Text(), U"<a href=\"|\">\n</a>");
    const struct {
      int row;
      bool edit, up, down;
    } cases[] = {{-1, false, false, false},
                 {0, true, false, true},
                 {1, true, true, true},
                 {2, true, true, false}};
    for (const auto& c : cases) {
      form.lvTemplates.SetItemIndex(c.row);
      EXPECT_EQ(form.EditBtn.Enabled(), c.edit) << c.row;
      EXPECT_EQ(form.DeleteBtn.Enabled(), c.edit) << c.row;
      EXPECT_EQ(form.UpBtn.Enabled(), c.up) << c.row;
      EXPECT_EQ(form.DownBtn.Enabled(), c.down) << c.row;
      EXPECT_EQ(form.edCode.Enabled(), c.edit) << c.row;
    }
    // Emptying the box for no selection writes over no template.
    form.lvTemplates.SetItemIndex(-1);
    EXPECT_EQ(form.edCode.Text(), U"");
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(form.Templates().Items(i).Code().empty()) << i;
    form.CancelBut.Click();
  });
}

TEST_F(CodeTemplatesFormTest, AddAndEditTrimTheNameAndBlankNamesAreRefused) {
  Run([&](TForm&) {
    // A blank name keeps the prompt open with the message.
    forms.QueueScript([&](TForm& prompt) {
      EXPECT_EQ(prompt.Caption(), U"Add Template");
      prompt.FindControl<TEdit>("edName").SetText(U"   ");
      dialogs.AnswerMessage(MsgResult::OK);
      prompt.FindControl<TButton>("OKBut").Click();
      EXPECT_EQ(dialogs.Prompts().back().text, U"The Shortcut name cannot be blank.");
      EXPECT_TRUE(prompt.FindControl<TEdit>("edName").Focused());
      prompt.FindControl<TEdit>("edName").SetText(U"  p  ");
      prompt.FindControl<TEdit>("edDescr").SetText(U" paragraph ");
      prompt.FindControl<TButton>("OKBut").Click();
    });
    form.AddBtn.Click();
    EXPECT_THAT(RowNames(form.lvTemplates), ElementsAre(U"a", U"b", U"t", U"p"));
    EXPECT_EQ(form.lvTemplates.ItemIndex(), 3);
    EXPECT_EQ(form.Templates().Items(3).Description(), U"paragraph");

    form.lvTemplates.SetItemIndex(1);
    forms.QueueScript([&](TForm& prompt) {
      EXPECT_EQ(prompt.Caption(), U"Edit Template");
      EXPECT_EQ(prompt.FindControl<TEdit>("edName").Text(), U"b");
      EXPECT_EQ(prompt.FindControl<TEdit>("edDescr").Text(), U"bold");
      prompt.FindControl<TEdit>("edName").SetText(U" strong ");
      prompt.FindControl<TButton>("OKBut").Click();
    });
    form.lvTemplates.DblClick();
    EXPECT_EQ(form.lvTemplates.Rows()[1], (TListItem{U"strong", {U"bold"}}));
    form.OKBut.Click();
  });
  EXPECT_THAT(Names(scheme.CodeTemplates()), ElementsAre(U"a", U"strong", U"t", U"p"));
}

TEST_F(CodeTemplatesFormTest, DeleteSelectsTheRowThatTakesItsPlace) {
  Run([&](TForm&) {
    form.lvTemplates.SetItemIndex(2);
    form.DeleteBtn.Click();
    EXPECT_EQ(form.lvTemplates.ItemIndex(), 1);  // the new last row
    form.lvTemplates.SetItemIndex(0);
    form.DeleteBtn.Click();
    EXPECT_EQ(form.lvTemplates.ItemIndex(), 0);
    EXPECT_EQ(form.edCode.Text(), U"<b>|</b>");
    form.DeleteBtn.Click();
    EXPECT_TRUE(form.lvTemplates.Rows().empty());
    EXPECT_EQ(form.edCode.Text(), U"");
    EXPECT_FALSE(form.edCode.Enabled());
    form.OKBut.Click();
  });
  EXPECT_EQ(scheme.CodeTemplates().Count(), 0);
}

TEST_F(CodeTemplatesFormTest, MovedRowsKeepTheirTemplatesAndCodeEditsReachTheMovedOne) {
  Run([&](TForm&) {
    form.MoveRow(2, 0);  // the third row dragged to the top
    EXPECT_THAT(RowNames(form.lvTemplates), ElementsAre(U"t", U"a", U"b"));
    EXPECT_EQ(form.lvTemplates.ItemIndex(), 0);
    form.edCode.SetText(U"<table class=\"x\">\n|\n</table>");
    form.MoveRow(0, -1);  // dropped on empty space
    EXPECT_THAT(RowNames(form.lvTemplates), ElementsAre(U"a", U"b", U"t"));
    form.lvTemplates.SetItemIndex(0);
    form.DownBtn.Click();
    EXPECT_THAT(RowNames(form.lvTemplates), ElementsAre(U"b", U"a", U"t"));
    EXPECT_EQ(form.lvTemplates.ItemIndex(), 1);
    form.UpBtn.Click();
    EXPECT_THAT(RowNames(form.lvTemplates), ElementsAre(U"a", U"b", U"t"));
    EXPECT_TRUE(form.lvTemplates.Focused());
    form.OKBut.Click();
  });
  EXPECT_THAT(scheme.CodeTemplates().Items(2).Code(),
              ElementsAre(U"<table class=\"x\">", U"|", U"</table>"));
}

TEST_F(CodeTemplatesFormTest, CancelLeavesTheSchemeAsItWas) {
  EXPECT_EQ(Run([&](TForm&) {
              form.DeleteBtn.Click();
              form.edCode.SetText(U"changed");
              form.CancelBut.Click();
            }),
            mrCancel);
  EXPECT_THAT(Names(scheme.CodeTemplates()), ElementsAre(U"a", U"b", U"t"));
  EXPECT_THAT(scheme.CodeTemplates().Items(0).Code(), ElementsAre(U"<a href=\"|\">", U"</a>"));
}

TEST_F(CodeTemplatesFormTest, ExportThenImportGivesTheSameListAndRefillsTheRowsAtOnce) {
  const std::string path = "/home/user/html.cdt";
  files.CreateDirectories("/home/user");
  Run([&](TForm&) {
    dialogs.AnswerSaveFile(FileChoice{{path}, 1});
    form.ExportBtn.Click();
    const auto& asked = dialogs.Prompts().back();
    EXPECT_EQ(asked.file.filter, U"Code Templates (*.cdt)|*.cdt");
    EXPECT_EQ(asked.file.defaultExt, "cdt");
    EXPECT_TRUE(asked.file.overwritePrompt);

    form.DeleteBtn.Click();
    form.DeleteBtn.Click();
    dialogs.AnswerOpenFile(FileChoice{{path}, 1});
    form.ImportBtn.Click();
    EXPECT_EQ(dialogs.Prompts().back().file.filter, U"CodeTemplates (*.cdt)|*.cdt");
    EXPECT_THAT(RowNames(form.lvTemplates), ElementsAre(U"a", U"b", U"t"));
    EXPECT_EQ(form.edCode.Text(), U"<a href=\"|\">\n</a>");
    form.OKBut.Click();
  });
  EXPECT_THAT(Names(scheme.CodeTemplates()), ElementsAre(U"a", U"b", U"t"));
  EXPECT_EQ(scheme.CodeTemplates().Items(1).Description(), U"bold");
  EXPECT_THAT(scheme.CodeTemplates().Items(2).Code(), ElementsAre(U"<table>", U"|", U"</table>"));
}

TEST_F(CodeTemplatesFormTest, AFileThatIsNoTemplateListLeavesTheListAsItWas) {
  files.CreateDirectories("/home/user");
  files.WriteFileAtomic("/home/user/bad.cdt", "TPF0\x0bTPersHolder");  // cut short
  Run([&](TForm&) {
    dialogs.AnswerOpenFile(FileChoice{{"/home/user/bad.cdt"}, 1});
    EXPECT_THAT(MessageOf([&] { form.ImportBtn.Click(); }), ::testing::HasSubstr("bad.cdt"));
    EXPECT_THAT(RowNames(form.lvTemplates), ElementsAre(U"a", U"b", U"t"));
    EXPECT_EQ(form.Templates().Count(), 3);
    form.CancelBut.Click();
  });
}

TEST(CodeTemplateFileTest, EntriesHoldNameDescriptionAndCodeStringsOnlyWhenSet) {
  TMemoCodeTemplates list;
  AddTemplate(list, {U"x", U"", {U"one", String(300, U'w')}});
  AddTemplate(list, {U"", U"", {}});
  const std::vector<std::uint8_t> bytes = WriteCodeTemplates(list);
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.substr(0, 4), "TPF0");
  EXPECT_NE(text.find("TPersHolder"), std::string::npos);
  EXPECT_EQ(text.find("Description"), std::string::npos);
  // Code.Strings: a list (0x01) of a short string (0x06), a long one (0x0C), its end.
  const std::size_t code = text.find(
      "\x0c"
      "Code.Strings");
  ASSERT_NE(code, std::string::npos);
  EXPECT_EQ(text.substr(code + 13, 6), std::string("\x01\x06\x03one", 6));
  EXPECT_EQ(text[code + 19], '\x0c');
  EXPECT_EQ(text.find("Code.Strings", code + 13), std::string::npos);  // not for empty code

  TMemoCodeTemplates back;
  ReadCodeTemplates(bytes, back);
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Items(0).Code(), list.Items(0).Code());
}

TEST(CodeTemplateFileTest, AFailedExportLeavesTheOldFile) {
  MemoryFileSystem files;
  files.CreateDirectories("/t");
  files.WriteFileAtomic("/t/old.cdt", "old bytes");
  TMemoCodeTemplates list;
  AddTemplate(list, {U"x", U"", {U"y"}});
  files.FailNext(FileFault::Write);
  EXPECT_THROW(SaveCodeTemplatesFile(files, "/t/old.cdt", list), Error);
  EXPECT_EQ(files.ReadFile("/t/old.cdt"), "old bytes");
}

}  // namespace
}  // namespace qs
