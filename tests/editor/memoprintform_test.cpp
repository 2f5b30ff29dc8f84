// The print dialog and the progress window, played through the headless
// form host, and the print they lead to on the headless printer.
#include <gtest/gtest.h>

#include <string>

#include "editor/qsmemopr.h"
#include "printfixture.h"
#include "support/utf8.h"

namespace qs {
namespace {

String Lines(int count) {
  String text;
  for (int i = 0; i < count; ++i) text += U"line\n";
  return text;
}

class PrintFormTest : public testing::PrintFixture {
 protected:
  PrintFormTest() { SetText(Lines(130)); }  // 3 pages

  template <class T>
  static T& Get(TForm& form, std::string_view name) {
    return form.FindControl<T>(name);
  }
};

TEST_F(PrintFormTest, TheDialogShowsTheOptionsAndOkTakesWhatWasChosen) {
  memo.SetPrintOptions({poPrintHeader, poWrapLines});
  memo.SetPrintIndent(12);
  memo.Source().SetEditedName(U"/srv/page.php");
  platform.forms.QueueScript([](TForm& form) {
    EXPECT_EQ(form.Caption(), U"Print");
    EXPECT_EQ(Get<TLabel>(form, "FileLabel").Caption(), U"/srv/page.php");
    EXPECT_TRUE(Get<TCheckBox>(form, "HeaderBox").Checked());
    EXPECT_TRUE(Get<TCheckBox>(form, "WrapBox").Checked());
    EXPECT_FALSE(Get<TCheckBox>(form, "ColorBox").Checked());
    EXPECT_FALSE(Get<TCheckBox>(form, "PrintSelBox").Enabled());
    EXPECT_EQ(Get<TEdit>(form, "MarginEdit").Text(), U"12");
    Get<TCheckBox>(form, "HeaderBox").Click();
    Get<TCheckBox>(form, "LineNumbersBox").Click();
    Get<TEdit>(form, "MarginEdit").SetText(U"20");
    Get<TButton>(form, "OKBtn").Click();
  });
  memo.PrintWithDialog();
  EXPECT_EQ(memo.PrintOptions(), (TQSPrintOptions{poWrapLines, poLineNumbers}));
  EXPECT_EQ(memo.PrintIndent(), 20);
  ASSERT_EQ(platform.printer.Jobs().size(), 1u);
  EXPECT_EQ(platform.printer.Jobs()[0].title, U"/srv/page.php");

  // Cancel changes nothing and prints nothing.
  platform.forms.QueueScript([](TForm& form) {
    Get<TCheckBox>(form, "ColorBox").Click();
    Get<TButton>(form, "CancelBtn").Click();
  });
  memo.PrintWithDialog();
  EXPECT_EQ(memo.PrintOptions(), (TQSPrintOptions{poWrapLines, poLineNumbers}));
  EXPECT_EQ(platform.printer.Jobs().size(), 1u);
}

TEST_F(PrintFormTest, ASelectionIsOfferedCheckedAndNamesTheDialog) {
  memo.Source().SelectRange(stStreamSel, 0, 1, 2, 3);
  TMemoPrintForm form(platform.forms, platform.dialogs);
  form.Load(memo);
  TCheckBox& selection = form.FindControl<TCheckBox>("PrintSelBox");
  EXPECT_TRUE(selection.Enabled());
  EXPECT_TRUE(selection.Checked());
  EXPECT_EQ(form.Caption(), U"Print Selection");
  EXPECT_TRUE(form.Options().Has(poPrintSel));
  selection.SetChecked(false);  // the form is not shown, so as code would
  EXPECT_EQ(form.Caption(), U"Print");
  EXPECT_FALSE(form.Options().Has(poPrintSel));
}

TEST_F(PrintFormTest, TheMarginTextIsANumberWithinBoundsOrNothing) {
  TMemoPrintForm form(platform.forms, platform.dialogs);
  const std::pair<StringView, int> cases[] = {
      {U"20", 20},
      {U" 35 ", 35},
      {U"", 0},
      {U"abc", 0},
      {U"12px", 0},
      {U"-7", 0},
      {U"5000", kMaxPrintIndent},
      {U"99999999999999999999", kMaxPrintIndent},
      {U"-99999999999999999999", 0},
  };
  for (const auto& [text, indent] : cases) {
    form.FindControl<TEdit>("MarginEdit").SetText(text);
    EXPECT_EQ(form.Indent(), indent) << ToUtf8(text);
  }
}

TEST_F(PrintFormTest, SetupOpensThePrinterSetup) {
  platform.dialogs.AnswerPrinterSetup(true);
  platform.forms.QueueScript([](TForm& form) {
    Get<TButton>(form, "SetupBtn").Click();
    EXPECT_TRUE(form.Visible());
    Get<TButton>(form, "CancelBtn").Click();
  });
  memo.PrintWithDialog();
  EXPECT_EQ(platform.dialogs.PendingAnswers(), 0u);
}

TEST_F(PrintFormTest, WithoutAPrinterTheDialogNeverOpens) {
  HeadlessPrinter none(std::vector<String>{});
  Platform noPrinter{platform.files,   platform.clipboard, platform.clock, platform.clock,
                     platform.dialogs, platform.forms,     platform.shell, none,
                     platform.browser, platform.help,      platform.screen};
  PlatformInstallation without(noPrinter);
  try {
    memo.PrintWithDialog();
    FAIL() << "printed without a printer";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), kNoDefaultPrinter);
  }
  EXPECT_TRUE(platform.forms.ShownForms().empty());
}

// The progress window prints one page a timer tick (1 ms on the fake clock).
TEST_F(PrintFormTest, TheProgressWindowCountsPagesAndRunsToTheEnd) {
  memo.SetPrintOptions({poShowProgress});
  platform.forms.QueueScript([this](TForm& form) {
    EXPECT_EQ(form.Caption(), U"Printing Status");
    EXPECT_EQ(Get<TLabel>(form, "PrinterLabel").Caption(), U"Printing on printer Headless Printer");
    EXPECT_EQ(Get<TLabel>(form, "ProgressLabel").Caption(), U"Printing page 1 from 3");
    EXPECT_EQ(Get<TProgressBar>(form, "ProgressBar").Max(), 12);
    platform.clock.Advance(1);
    EXPECT_EQ(Get<TProgressBar>(form, "ProgressBar").Position(), 4);
    platform.clock.Advance(1);
    EXPECT_EQ(Get<TLabel>(form, "ProgressLabel").Caption(), U"Printing page 2 from 3");
    platform.clock.Advance(5);
    EXPECT_FALSE(form.Visible());  // closed by itself after the last page
  });
  memo.Print();
  ASSERT_EQ(platform.printer.Jobs().size(), 1u);
  EXPECT_TRUE(platform.printer.Jobs()[0].finished);
  EXPECT_EQ(platform.printer.Jobs()[0].pages.size(), 3u);
  EXPECT_EQ(platform.clock.RunningCount(), 0u);
}

TEST_F(PrintFormTest, CancelKeepsThePagesPrintedAndBeforeTheFirstPrintsNothing) {
  memo.SetPrintOptions({poShowProgress});
  struct Case {
    const char* name;
    int pagesFirst;
    std::size_t jobs;
  };
  for (const Case& c : {Case{"before page 1", 0, 0}, Case{"after page 1", 1, 1}}) {
    SCOPED_TRACE(c.name);
    const std::size_t before = platform.printer.Jobs().size();
    platform.forms.QueueScript([&](TForm& form) {
      platform.clock.Advance(c.pagesFirst);
      Get<TButton>(form, "CancelBtn").Click();
    });
    memo.Print();
    ASSERT_EQ(platform.printer.Jobs().size(), before + c.jobs);
    if (c.jobs == 0) continue;
    EXPECT_TRUE(platform.printer.Jobs().back().finished);
    EXPECT_EQ(platform.printer.Jobs().back().pages.size(), 1u);
    EXPECT_FALSE(platform.printer.Printing());
  }
}

}  // namespace
}  // namespace qs
