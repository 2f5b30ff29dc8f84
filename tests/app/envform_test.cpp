#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/envform.h"
#include "app/propcheck.h"
#include "app/syntaxlist.h"
#include "catalogfixture.h"
#include "common/messageof.h"
#include "editor/qsmemo.h"
#include "editor/textstyles.h"
#include "platform/headlesscanvas.h"
#include "platform/headlessformhost.h"
#include "platform/headlessscreen.h"
#include "platform/headlesswindowhost.h"
#include "platform/scripteddialogs.h"
#include "support/registry.h"
#include "support/utf8.h"
#include "textmodel/sourceoptions.h"

namespace qs {
namespace {

TTextStyle& StyleNamed(TTextStyles& styles, StringView name) {
  return *static_cast<TTextStyle*>(FindItemByName(styles, name));
}

class EnvFormTest : public ::testing::Test, public CatalogueFixture {
 protected:
  EnvFormTest() {
    OptionRegistry::SetStore(&store);
    MemoEnvOptions();
    Ship("css.sch", U"CSS", U"css");
    Ship("html.sch", U"HTML", U"htm;html");
    catalogue.SyncWithFolder();
    memo.SetUseGlobalOptions(true);
  }
  ~EnvFormTest() override { OptionRegistry::Reset(); }

  // Runs the dialog over a fresh working copy; script plays the user.
  bool Run(FormScript script) {
    TMemoEnvOptions copy;
    TOptionPageContext context{
        copy, TMemoSourceOptions::Instance(), forms, dialogs, files, &catalogue, U"HTML", {}};
    context.screen = &screen;
    context.editScheme = editScheme;
    forms.QueueScript(std::move(script));
    const bool ok = ShowEditorOptions(context);
    EXPECT_EQ(forms.PendingScripts(), 0u);
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
    return ok;
  }
  static void ShowTab(TForm& form, int index) {
    form.FindControl<TPageControl>("PageProps").SetActivePageIndex(index);
  }
  template <class T = TControl>
  static T& Control(TForm& form, std::string_view name) {
    return form.FindControl<T>(name);
  }
  static void Press(TForm& form, std::string_view button) {
    Control<TButton>(form, button).Click();
  }

  SettingsStore store;  // in memory only
  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  TSyntaxList catalogue{folders};
  HeadlessScreen screen;
  HeadlessWindowHost host;
  HeadlessCanvas canvas;
  TQSMemo memo{host, canvas};
  std::function<bool(const std::string&, String&, String&)> editScheme;
};

TEST_F(EnvFormTest, PagesLoadWhenFirstShownAndOnlyShownPagesApply) {
  TTextStyles& styles = MemoEnvOptions().TextStyles();
  const TColor comment = StyleNamed(styles, U"Comment").Font().Color();
  EXPECT_TRUE(Run([&](TForm& form) {
    EXPECT_EQ(form.Caption(), U"Editor Properties");
    EXPECT_FALSE(Control(form, "HelpBut").Visible());
    auto& env = static_cast<TEnvForm&>(form);
    const std::vector<TTabSheet*> pages = env.PageProps.Pages();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[3]->Caption(), U"Source Options");
    EXPECT_NE(env.LoadedPage(0), nullptr);
    EXPECT_EQ(env.LoadedPage(2), nullptr);
    EXPECT_EQ(Control(form, "TabStopsEdit").Text(), U"9,17");
    Press(form, "OkBut");
  }));
  EXPECT_EQ(StyleNamed(styles, U"Comment").Font().Color(), comment);
  EXPECT_EQ(catalogue.Items(0).Extensions(), U"css");
}

TEST_F(EnvFormTest, EditorPageBoxesFollowTheirOptionsAndApplyOnlyWhenChanged) {
  TMemoSourceOptions& source = TMemoSourceOptions::Instance();
  EXPECT_TRUE(Run([&](TForm& form) {
    auto& smartTab = Control<TCheckBox>(form, "SmartTabChk");
    auto& useTab = Control<TCheckBox>(form, "UseTabCharBox");
    EXPECT_TRUE(smartTab.Checked());
    Control(form, "BlockIndentEdit").SetFocus();
    EXPECT_THAT(ToUtf8(Control(form, "HintLabel").Caption()),
                ::testing::StartsWith("Specify the number of spaces"));
    useTab.Click();
    EXPECT_FALSE(smartTab.Checked());
    smartTab.Click();
    EXPECT_FALSE(useTab.Checked());
    // Inverted: checked means the option is absent.
    EXPECT_TRUE(Control(form, "BeyondEolChk").Checked());
    Control<TCheckBox>(form, "BeyondEolChk").Click();
    Control<TCheckBox>(form, "SelectEolChk").Click();
    Control(form, "BlockIndentEdit").SetText(U"4");
    Control(form, "TabStopsEdit").SetText(U"5,9");
    Control<TComboBox>(form, "KeymapEdit").SetText(U"Classic");
    Press(form, "OkBut");
  }));
  EXPECT_TRUE(source.Options().Has(soLimitEOL));
  EXPECT_TRUE(source.Options().Has(soSmartTab));
  EXPECT_FALSE(source.Options().Has(soUseTabCharacter));
  EXPECT_EQ(source.BlockIndent(), 4);
  EXPECT_EQ(source.TabStops(), U"5,9");
  EXPECT_TRUE(HasOption(MemoEnvOptions().Options(), moSelectOnlyText));
  EXPECT_EQ(MemoEnvOptions().KeyMapping(), U"Classic");
  EXPECT_EQ(memo.KeyMapping(), U"Classic");
  EXPECT_EQ(memo.Source().TabRack().Text(), U"5,9");
}

TEST_F(EnvFormTest, AValueOutOfBoundsKeepsTheDialogOpenAndAppliesNoPage) {
  const struct {
    int page;
    const char* box;
    StringView text;
    const char* message;
  } cases[] = {
      {0, "BlockIndentEdit", U"17", "Block indent must be between 0 and 16"},
      {0, "BlockIndentEdit", U"-3", "Block indent must be between 0 and 16"},
      {0, "BlockIndentEdit", U"two", "'two' is not a valid integer value"},
      {0, "TabStopsEdit", U"9,9", "Invalid Tab Rack"},
      {0, "TabStopsEdit", U"0", "Invalid Tab Rack"},
      {1, "MarginPosEdit", U"1025", "Margin position must be between 0 and 1024"},
      {1, "FontSizeEdit", U"", "'' is not a valid integer value"},
      {1, "FontSizeEdit", U"0", "Font size must be between 1 and 720"},
      {1, "MarginColorEdit", U"clSky", "'clSky' is not a valid color value"},
      {1, "edtSSEOF", String(17, U'x'), "A special symbol may have at most 16 characters"},
  };
  for (const auto& c : cases) {
    Run([&](TForm& form) {
      ShowTab(form, 1);
      Control(form, "MarginPosEdit").SetText(U"100");  // valid, on another page
      Control<TCheckBox>(form, "AutoIndentChk").Click();
      ShowTab(form, c.page);
      Control(form, c.box).SetText(c.text);
      EXPECT_EQ(MessageOf([&] { Press(form, "OkBut"); }), c.message) << c.box;
      EXPECT_TRUE(form.Visible());
      form.Close();
    });
    EXPECT_EQ(MemoEnvOptions().MarginPos(), 80) << c.box;
    EXPECT_TRUE(TMemoSourceOptions::Instance().Options().Has(soAutoIndent)) << c.box;
  }
}

TEST_F(EnvFormTest, DisplayChangesReachTheEditorsOnOkAndASizeOffTheListIsKept) {
  MemoEnvOptions().Font().SetSize(13);
  EXPECT_TRUE(Run([&](TForm& form) {
    ShowTab(form, 1);
    EXPECT_EQ(Control(form, "FontSizeEdit").Text(), U"13");
    // Fixed-pitch fonts while "Use mono font" is on; the current name always.
    EXPECT_THAT(Control(form, "FontNameEdit").Items(),
                ::testing::ElementsAre(U"Courier New", U"DejaVu Sans Mono"));
    Control<TQSPropCheck>(form, "pcbUseMonoFont").Click();
    EXPECT_THAT(Control(form, "FontNameEdit").Items(),
                ::testing::ElementsAre(U"Courier New", U"DejaVu Sans", U"DejaVu Sans Mono"));
    EXPECT_EQ(Control(form, "FontNameEdit").Text(), U"Courier New");
    Press(form, "OkBut");
  }));
  EXPECT_EQ(MemoEnvOptions().Font().Size(), 13);

  EXPECT_TRUE(Run([&](TForm& form) {
    ShowTab(form, 1);
    Control(form, "FontSizeEdit").SetText(U"18");
    Control(form, "MarginColorEdit").SetText(U"clRed");
    Control(form, "MarginPosEdit").SetText(U"72");
    Control(form, "edtSSTab").SetText(U"»");
    Press(form, "OkBut");
  }));
  EXPECT_EQ(memo.Font().Size(), 18);
  EXPECT_EQ(memo.MarginPen().Color(), clRed);
  EXPECT_EQ(memo.MarginPos(), 72);
  EXPECT_EQ(MemoEnvOptions().SpecialSymbols().TabChar(), U'»');
}

TEST_F(EnvFormTest, CancelDropsWhatThePagesWroteAtOnce) {
  const bool mono = MemoEnvOptions().UseMonoFont();
  const TColor background = MemoEnvOptions().Color();
  EXPECT_FALSE(Run([&](TForm& form) {
    ShowTab(form, 1);
    Control<TQSPropCheck>(form, "pcbUseMonoFont").Click();
    ShowTab(form, 2);
    Control<TComboBox>(form, "ComboBox1").SetText(U"Twilight");
    Press(form, "CancelBut");
  }));
  EXPECT_EQ(MemoEnvOptions().UseMonoFont(), mono);
  EXPECT_EQ(MemoEnvOptions().Color(), background);
  EXPECT_EQ(MemoEnvOptions().ColorSchema(), U"");
}

TEST_F(EnvFormTest, ColorsPageWritesStylesAtOnceAndWhitespaceMovesTheBackground) {
  EXPECT_TRUE(Run([&](TForm& form) {
    ShowTab(form, 2);
    auto& elements = Control(form, "Elements");
    EXPECT_EQ(elements.ItemIndex(), 0);
    EXPECT_EQ(elements.Items().front(), U"Whitespace");
    Control(form, "BackColor").SetText(U"clNavy");
    EXPECT_FALSE(Control(form, "chkDefBack").Checked());  // a colour of its own now
    elements.SetItemIndex(
        static_cast<int>(std::find(elements.Items().begin(), elements.Items().end(), U"Comment") -
                         elements.Items().begin()));
    Control<TCheckBox>(form, "BoldChk").Click();
    dialogs.AnswerColor(MakeColor(1, 2, 3));
    Press(form, "ForeColorBtn");
    EXPECT_EQ(Control(form, "ForeColor").Text(), U"$00030201");
    Press(form, "OkBut");
  }));
  TTextStyles& styles = MemoEnvOptions().TextStyles();
  EXPECT_EQ(MemoEnvOptions().Color(), clNavy);
  EXPECT_EQ(memo.Color(), clNavy);
  EXPECT_TRUE(StyleNamed(styles, U"Comment").Font().HasStyle(fsBold));
  EXPECT_EQ(StyleNamed(styles, U"Comment").Font().Color(), MakeColor(1, 2, 3));
  EXPECT_EQ(StyleNamed(memo.TextStyles(), U"Comment").Font().Color(), MakeColor(1, 2, 3));
}

TEST_F(EnvFormTest, APresetRecolorsTheStylesAndIsRemembered) {
  EXPECT_TRUE(Run([&](TForm& form) {
    ShowTab(form, 2);
    EXPECT_THAT(Control(form, "ComboBox1").Items(),
                ::testing::ElementsAre(U"Defaults", U"Classic", U"Ocean", U"Twilight"));
    Control<TComboBox>(form, "ComboBox1").SetText(U"Classic");
    EXPECT_EQ(Control(form, "BackColor").Text(), U"clNavy");  // Whitespace, reloaded
    Press(form, "OkBut");
  }));
  TTextStyles& styles = MemoEnvOptions().TextStyles();
  EXPECT_EQ(MemoEnvOptions().ColorSchema(), U"Classic");
  EXPECT_EQ(MemoEnvOptions().Color(), clNavy);
  const TTextStyle& marked = StyleNamed(styles, U"Marked Block");
  EXPECT_EQ(marked.Font().Color(), clNavy);
  EXPECT_EQ(marked.Color(), clSilver);
  EXPECT_EQ(marked.UpdateMemoColors(), mcSelection);
  EXPECT_FALSE(marked.UseMemoColor());
  EXPECT_TRUE(StyleNamed(styles, U"Comment").Font().HasStyle(fsItalic));
}

TEST_F(EnvFormTest, AColorFileSavedOnThePageLoadsBackOverAPreset) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("quillon-envform-" + std::to_string(::getpid()) + ".RGB"))
                               .string();
  EXPECT_TRUE(Run([&](TForm& form) {
    ShowTab(form, 2);
    Control(form, "BackColor").SetText(U"clTeal");
    dialogs.AnswerSaveFile(FileChoice{{path}, 1});
    Press(form, "SaveBtn");
    Control<TComboBox>(form, "ComboBox1").SetText(U"Ocean");
    EXPECT_EQ(Control(form, "BackColor").Text(), U"clAqua");
    dialogs.AnswerOpenFile(FileChoice{{path}, 1});
    Press(form, "LoadBtn");
    EXPECT_EQ(Control(form, "BackColor").Text(), U"clTeal");
    Press(form, "OkBut");
  }));
  std::filesystem::remove(path);
  EXPECT_EQ(MemoEnvOptions().Color(), clTeal);
}

TEST_F(EnvFormTest, SourceOptionsRewriteOnlyChangedSchemesAndAnUnreadableOneDoesNotBlockOk) {
  files.WriteFileAtomic(std::string(kShipped) + "/html.sch", "not a scheme");
  EXPECT_TRUE(Run([&](TForm& form) {
    ShowTab(form, 3);
    auto& syntax = Control<TComboBox>(form, "cbSyntax");
    EXPECT_THAT(syntax.Items(), ::testing::ElementsAre(U"CSS", U"HTML"));
    EXPECT_EQ(syntax.Text(), U"HTML");
    EXPECT_EQ(Control(form, "edExtensions").Text(), U"htm;html");
    Control(form, "edExtensions").SetText(U"htm;html;xhtml");
    syntax.SetText(U"CSS");
    Control(form, "edExtensions").SetText(U"css;less");
    dialogs.AnswerMessage(MsgResult::OK);
    Press(form, "OkBut");
  }));
  EXPECT_THAT(ToUtf8(dialogs.Prompts().back().text), ::testing::HasSubstr("html.sch"));
  TSyntaxScheme css;
  folders.LoadScheme("css.sch", css);
  EXPECT_EQ(css.Extensions(), U"css;less");
  EXPECT_EQ(catalogue.Items(catalogue.IndexOfFile("css.sch")).Extensions(), U"css;less");
}

TEST_F(EnvFormTest, TemplatesAndTheSchemeEditorWorkOnTheSelectedScheme) {
  editScheme = [](const std::string& file, String& name, String& extensions) {
    EXPECT_EQ(file, "css.sch");
    name = U"Style Sheets";
    extensions = U"css;scss";
    return true;
  };
  EXPECT_TRUE(Run([&](TForm& form) {
    ShowTab(form, 3);
    Control<TComboBox>(form, "cbSyntax").SetText(U"CSS");
    forms.QueueScript([](TForm& manager) {
      EXPECT_EQ(manager.Caption(), U"Edit Code Templates: CSS");
      manager.FindControl<TButton>("AddBtn").Click();
      manager.FindControl<TButton>("OKBut").Click();
    });
    forms.QueueScript([](TForm& prompt) {
      prompt.FindControl<TEdit>("edName").SetText(U"clr");
      prompt.FindControl<TButton>("OKBut").Click();
    });
    Press(form, "Button2");
    Press(form, "EditSchBtn");
    EXPECT_EQ(Control(form, "cbSyntax").Text(), U"Style Sheets");
    EXPECT_EQ(Control(form, "edExtensions").Text(), U"css;scss");
    Press(form, "OkBut");
  }));
  TSyntaxScheme css;
  folders.LoadScheme("css.sch", css);
  ASSERT_EQ(css.CodeTemplates().Count(), 1);
  EXPECT_EQ(css.CodeTemplates().Items(0).Name(), U"clr");
}

TEST_F(EnvFormTest, ASecondRequestWhileTheDialogRunsIsIgnored) {
  EXPECT_TRUE(Run([&](TForm& form) {
    TMemoEnvOptions copy;
    TOptionPageContext again{
        copy, TMemoSourceOptions::Instance(), forms, dialogs, files, nullptr, {}, {}};
    EXPECT_FALSE(ShowEditorOptions(again));
    Press(form, "OkBut");
  }));
}

TEST(PropCheckTest, PathsReachBooleansSetMembersAndSubObjects) {
  TMemoEnvOptions options;
  const struct {
    std::string path;
    bool inverted;
    bool enabled;
    bool checked;
  } cases[] = {
      {"UseMonoFont", false, true, true},
      {"UseMonoFont", true, true, false},
      {"Options.moDrawSpecialSymbols", false, true, false},
      {"Options.moColorSyntax", false, true, true},
      {"Font.Style.fsBold", false, true, false},
      {"Options.moNoSuchMember", false, false, false},
      {"MarginPos", false, false, false},
      {"Font.Name", false, false, false},
      {"", false, false, false},
  };
  for (const auto& c : cases) {
    TQSPropCheck box("box");
    box.SetInverted(c.inverted);
    box.SetPropName(c.path);
    EXPECT_FALSE(box.Enabled()) << c.path;  // no component yet
    box.SetComponent(&options);
    EXPECT_EQ(box.Enabled(), c.enabled) << c.path;
    if (c.enabled) {
      EXPECT_EQ(box.Checked(), c.checked) << c.path;
    }
  }
}

TEST(PropCheckTest, AClickWritesAtOnceAndARefusedWriteShowsThePropertyAgain) {
  TMemoEnvOptions options;
  TQSPropCheck bold("bold");
  bold.SetPropName("Font.Style.fsBold");
  bold.SetComponent(&options);
  bold.Click();
  EXPECT_TRUE(options.Font().HasStyle(fsBold));
  EXPECT_TRUE(bold.Checked());

  TQSPropCheck special("special");
  special.SetPropName("Options.moDrawSpecialSymbols");
  special.SetInverted(true);
  special.SetComponent(&options);
  special.Click();
  EXPECT_FALSE(special.Checked());
  EXPECT_TRUE(HasOption(options.Options(), moDrawSpecialSymbols));

  // A text style refuses nothing, so a class of ours does the refusing.
  struct Refusing : TPersistent {
    static const ClassInfo& StaticClassInfo() {
      static const ClassInfo info("Refusing", nullptr,
                                  {Prop::Boolean<Refusing>(
                                      "Flag", [](const Refusing&) { return false; },
                                      [](Refusing&, bool) { throw Error("refused"); }, false)});
      return info;
    }
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  } refusing;
  TQSPropCheck box("box");
  box.SetPropName("Flag");
  box.SetComponent(&refusing);
  EXPECT_EQ(MessageOf([&] { box.Click(); }), "refused");
  EXPECT_FALSE(box.Checked());
}

}  // namespace
}  // namespace qs
