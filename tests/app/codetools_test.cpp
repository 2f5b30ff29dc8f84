#include "app/codetools.h"

#include <gtest/gtest.h>

#include "app/batchvalidate.h"
#include "app/toolpanels.h"
#include "app/validatoroptions.h"
#include "app/validatoroptionsform.h"
#include "mainformfixture.h"
#include "platform/controls.h"

namespace qs {
namespace {

constexpr TKey kF4 = static_cast<TKey>(vk::F1 + 3);

constexpr char kFaultyPage[] =
    "<!DOCTYPE html>\n<html>\n<head><title>t</title></head>\n<body>\n"
    "\t<div><?php echo '<div>'; ?>\n<p foo=\"1\">x</p>\n</body>\n</html>\n";

struct RecordingPanels : IToolPanels {
  void ShowValidatorPanel() override { ++validator; }
  void ShowCodeExplorerPanel() override { ++explorer; }
  int validator = 0;
  int explorer = 0;
};

struct CodeToolsTest : MainFormTest {
  CodeToolsTest() {
    Start();
    tools().SetPanels(&panels);
  }
  TCodeTools& tools() { return form->CodeTools(); }
  // The caret as line and stored character index, TABs counting one.
  std::pair<std::int32_t, std::int32_t> Caret() {
    const TCustomMemoSource& source = editor.Source();
    const StringView stored = source.StoredLine(source.CaretLine());
    return {source.CaretLine(),
            static_cast<std::int32_t>(source.ColumnToIndex(stored, source.Caret().Column) - 1)};
  }
  RecordingPanels panels;
};

TEST_F(CodeToolsTest, ValidateListsTheDocumentsFaultsAndStepsToThemWithF4) {
  form->OpenFile(Write("page.php", kFaultyPage), okText);
  form->Action("TidyAct").Execute();
  EXPECT_EQ(panels.validator, 1);
  const TValidationList& list = tools().Messages();
  ASSERT_EQ(list.Files().size(), 1u);
  const auto& messages = list.Files()[0].messages;
  ASSERT_EQ(messages.size(), 2u);  // the <div> in PHP is no element
  EXPECT_EQ(std::pair(messages[0].line, messages[0].column), std::pair(5, 2));
  EXPECT_EQ(std::pair(messages[1].line, messages[1].column), std::pair(6, 1));
  // F4 goes to the first message: the TAB before it is one character but
  // several columns.
  EXPECT_TRUE(form->KeyDown(kF4, 0));
  EXPECT_EQ(Caret(), std::pair(4, 1));
  form->KeyDown(kF4, 0);
  EXPECT_EQ(Caret(), std::pair(5, 0));
  form->KeyDown(kF4, 0);  // round to the first again
  EXPECT_EQ(Caret(), std::pair(4, 1));
  form->KeyDown(kF4, ssShift);
  EXPECT_EQ(Caret(), std::pair(5, 0));
}

TEST_F(CodeToolsTest, TheBatchValidatorGroupsByFileOpensOnAClickAndCancels) {
  std::filesystem::create_directories(m_dir / "site" / "sub");
  Write("site/a.html", kFaultyPage);
  Write("site/sub/b.PHP", kFaultyPage);
  Write("site/notes.txt", "<div>");
  headless.dialogs.AnswerFolder(PathOf("site"));
  headless.forms.QueueScript([this](TForm& form) {
    EXPECT_EQ(form.Caption(), U"Batch HTML Validator");
    headless.clock.Advance(1);
    headless.clock.Advance(1);
    EXPECT_FALSE(form.Visible());
  });
  form->Action("TidyBatchAct").Execute();
  TValidationList& list = tools().Messages();
  ASSERT_EQ(list.Files().size(), 2u);
  EXPECT_EQ(list.Files()[0].file, PathOf("site/a.html"));
  EXPECT_EQ(list.Files()[1].file, PathOf("site/sub/b.PHP"));
  list.Select({1, 1});
  EXPECT_EQ(form->DocumentPath(), PathOf("site/sub/b.PHP"));
  EXPECT_EQ(Caret(), std::pair(5, 0));

  headless.forms.QueueScript([this](TForm& form) {
    headless.clock.Advance(1);
    form.FindControl<TButton>("CancelBtn").Click();
  });
  EXPECT_FALSE(tools().ValidateFolder(PathOf("site")));
  EXPECT_EQ(list.Files().size(), 1u);
}

TEST_F(CodeToolsTest, OptionsAreChosenInTheirDialogAndUsed) {
  TValidatorOptions options;
  headless.forms.QueueScript([](TForm& form) {
    EXPECT_EQ(form.Caption(), U"HTML Validator Options");
    form.FindControl<TCheckBox>("ShowWarnings").Click();
    form.FindControl<TComboBox>("DoctypeBox").SetItemIndex(1);
    form.FindControl<TComboBox>("AccessibilityBox").SetItemIndex(2);
    form.FindControl<TButton>("OKBut").Click();
  });
  EXPECT_TRUE(TValidatorOptionsForm(headless.forms, options).Execute());
  EXPECT_FALSE(options.ShowWarnings());
  EXPECT_EQ(options.Doctype(), U"html5");
  EXPECT_EQ(options.AccessibilityLevel(), 2);
  EXPECT_THROW(options.SetDoctype(U"xhtml 9"), Error);
}

TEST_F(CodeToolsTest, TheExplorerCommandShowsTheDocumentsStructure) {
  form->OpenFile(Write("c.php", "<?php\nclass A {\n  function b() {}\n}\n"), okText);
  form->Action("CodeExplorerAct").Execute();
  EXPECT_EQ(panels.explorer, 1);
  const auto& nodes = tools().Explorer().Nodes();
  ASSERT_EQ(nodes.size(), 1u);
  ASSERT_EQ(nodes[0].children.size(), 1u);
  tools().GoToNode(nodes[0].children[0]);
  EXPECT_EQ(Caret(), std::pair(2, 11));
}

TEST_F(CodeToolsTest, TheCommandLineValidatorPrintsPlacesAndFailsOnlyOnErrors) {
  const std::string page = Write("p.php", kFaultyPage);
  const std::string broken = Write("q.html",
                                   "<!DOCTYPE html>\n<html><head><title>t</title>"
                                   "</head><body><p>x</p></bdy></html>\n");
  char* text = nullptr;
  std::size_t size = 0;
  std::FILE* out = ::open_memstream(&text, &size);
  EXPECT_EQ(RunValidateMode({page}, out, stderr), 0);  // warnings only
  EXPECT_EQ(RunValidateMode({broken, PathOf("missing.html")}, out, stderr), 1);
  std::fclose(out);
  const std::string printed(text, size);
  std::free(text);
  EXPECT_NE(printed.find(page + ":5:2: warning: missing </div>"), std::string::npos) << printed;
  EXPECT_NE(printed.find(PathOf("missing.html") + ": error: "), std::string::npos) << printed;
  EXPECT_EQ(RunValidateMode({}, stdout, stderr), 2);
}

}  // namespace
}  // namespace qs
