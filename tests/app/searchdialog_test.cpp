#include "app/searchdialog.h"

#include <gtest/gtest.h>

#include "app/regexfragments.h"
#include "platform/headlessplatform.h"
#include "regex/regex.h"
#include "support/registry.h"
#include "support/utf8.h"

namespace qs {
namespace {

// The dialogs over a headless platform, fresh program-wide search options and
// a settings store in memory.
class SearchDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&store);
  }
  void TearDown() override { OptionRegistry::Reset(); }

  TSearchOptions& Global() { return TSearchOptions::Instance(); }
  TSearchDialogContext Context() { return {headless, store, "/usr/share/quillon/help"}; }

  template <class Dialog>
  TModalResult Run(std::function<void(Dialog&)> script) {
    headless.forms.QueueScript([script](TForm& form) { script(static_cast<Dialog&>(form)); });
    Dialog dialog(Context());
    return dialog.ShowModal();
  }
  std::vector<String> History(std::string_view name) const { return ReadEditHistory(store, name); }
  static int FragmentIndex(StringView caption) {
    const auto fragments = RegexFragments();
    for (std::size_t i = 0; i < fragments.size(); ++i)
      if (fragments[i].caption == caption) return static_cast<int>(i);
    ADD_FAILURE() << "no fragment " << ToUtf8(caption);
    return -1;
  }

  HeadlessPlatform headless;
  SettingsStore store;
};

TEST_F(SearchDialogTest, ControlsShowTheProgramsOptions) {
  Global().SetTextToFind(U"needle");
  Global().SetCaseSensitive(true);
  Global().SetRegularExpr(true);
  Global().SetDirection(sdBackward);
  Global().SetScope(ssSelectedText);
  Global().SetOrigin(soFromCursor);
  Global().SetReplaceWith(U"thread");
  Global().SetPromptOnReplace(true);
  Run<TReplDialog>([](TReplDialog& d) {
    EXPECT_EQ(d.Caption(), U"Replace Text");
    EXPECT_EQ(d.SearText.Text(), U"needle");
    EXPECT_EQ(d.ReplText.Text(), U"thread");
    EXPECT_TRUE(d.CaseSens.Checked());
    EXPECT_FALSE(d.WholeWord.Checked());
    EXPECT_TRUE(d.RegExpr.Checked());
    EXPECT_TRUE(d.PromptRepl.Checked());
    EXPECT_TRUE(d.dirBackward.Checked());
    EXPECT_FALSE(d.dirForward.Checked());
    EXPECT_EQ(d.ScopeGroup.ItemIndex(), 1);
    EXPECT_EQ(d.OriginGroup.ItemIndex(), 0);
    // Focused with the seed selected, so typing replaces it.
    EXPECT_TRUE(d.SearText.Focused());
    EXPECT_EQ(d.SearText.SelLength(), 6);
    d.CancelBut.Click();
  });
  Run<TSrchDialog>([](TSrchDialog& d) {
    EXPECT_EQ(d.Caption(), U"Find Text");
    EXPECT_EQ(d.ReplTextBox, nullptr);
    EXPECT_EQ(d.ReplAllBut, nullptr);
    d.PressKey(vk::Escape);
  });
}

TEST_F(SearchDialogTest, OkCopiesTheOptionsAndCancelLeavesThemAlone) {
  Global().SetTextToFind(U"old");
  for (bool accept : {false, true}) {
    const TModalResult result = Run<TSrchDialog>([accept](TSrchDialog& d) {
      d.SearText.SetText(U"new");
      d.WholeWord.Click();
      d.dirBackward.Click();
      d.OriginGroup.SetItemIndex(0);
      // The dialog's own copy changes only when it is accepted.
      if (accept)
        d.OKBut.Click();
      else
        d.CancelBut.Click();
    });
    EXPECT_EQ(result, accept ? mrOk : mrCancel);
    EXPECT_EQ(Global().TextToFind(), accept ? U"new" : U"old");
    EXPECT_EQ(Global().WholeWordsOnly(), accept);
    EXPECT_EQ(Global().Direction(), accept ? sdBackward : sdForward);
    EXPECT_EQ(Global().Origin(), accept ? soFromCursor : soEntireScope);
  }
}

TEST_F(SearchDialogTest, OkAndReplaceAllSetReplaceAllByTheButtonUsed) {
  for (bool all : {false, true}) {
    Global().SetReplaceAll(!all);
    Global().SetPromptOnReplace(false);
    const TModalResult result = Run<TReplDialog>([all](TReplDialog& d) {
      d.SearText.SetText(U"a");
      d.ReplText.SetText(U"b");
      d.PromptRepl.Click();
      (all ? d.ReplBut : d.OKBut).Click();
    });
    EXPECT_EQ(result, all ? mrAll : mrOk);
    EXPECT_EQ(Global().ReplaceAll(), all);
    EXPECT_EQ(Global().ReplaceWith(), U"b");
    EXPECT_TRUE(Global().PromptOnReplace());
  }
}

TEST_F(SearchDialogTest, ABlankSearchTextIsRefusedAndTheDialogStaysOpen) {
  Global().SetRegularExpr(true);
  headless.dialogs.AnswerMessage(MsgResult::OK);
  headless.dialogs.AnswerMessage(MsgResult::OK);
  headless.dialogs.AnswerMessage(MsgResult::OK);
  Run<TReplDialog>([](TReplDialog& d) {
    d.SearText.SetText(U"");
    d.RegExpr.Click();
    d.OKBut.Click();
    EXPECT_TRUE(d.Visible());
    d.ReplBut.Click();
    EXPECT_TRUE(d.Visible());
    d.PressKey(vk::Return);
    EXPECT_TRUE(d.Visible());
    d.CancelBut.Click();
  });
  ASSERT_EQ(headless.dialogs.Prompts().size(), 3u);
  for (const Prompt& prompt : headless.dialogs.Prompts()) {
    EXPECT_EQ(prompt.text, U"The search string cannot be blank.");
    EXPECT_EQ(prompt.caption, U"Error");
    EXPECT_EQ(prompt.icon, MsgIcon::Error);
  }
  EXPECT_TRUE(Global().RegularExpr());
}

TEST_F(SearchDialogTest, HistoriesKeepTheLatestTextOnTopOnceIgnoringCase) {
  for (const char32_t* text : {U"Alpha", U"beta", U"ALPHA"})
    Run<TSrchDialog>([text](TSrchDialog& d) {
      d.SearText.SetText(text);
      d.PressKey(vk::Return);  // joins the history and presses OK
    });
  EXPECT_EQ(History("SrchDialogSearText"), (std::vector<String>{U"ALPHA", U"beta"}));
  Run<TSrchDialog>([](TSrchDialog& d) {
    EXPECT_EQ(d.SearText.Items(), (std::vector<String>{U"ALPHA", U"beta"}));
    d.SearText.SetItemIndex(1);  // an entry of the history is the search text
    d.OKBut.Click();
  });
  EXPECT_EQ(Global().TextToFind(), U"beta");
  EXPECT_EQ(History("SrchDialogSearText"), (std::vector<String>{U"beta", U"ALPHA"}));
  // The replace dialog keeps its own two.
  EXPECT_TRUE(History("ReplDialogSearText").empty());
}

TEST_F(SearchDialogTest, TextJoinsTheHistoryWhenTheBoxLosesTheFocus) {
  Run<TReplDialog>([](TReplDialog& d) {
    d.ReplText.SetFocus();
    d.ReplText.SetText(U"with");
    d.SearText.SetFocus();
    d.SearText.SetText(U"what");
    d.CancelBut.Click();  // the boxes write their histories when they go
  });
  EXPECT_EQ(History("ReplDialogReplText"), (std::vector<String>{U"with"}));
  EXPECT_TRUE(History("ReplDialogSearText").empty());
}

TEST_F(SearchDialogTest, HistoriesStopAtThirtyEntries) {
  std::vector<String> entries;
  for (int i = 0; i < 40; ++i) AddToHistory(entries, FromUtf8("text " + std::to_string(i)));
  ASSERT_EQ(entries.size(), kMaxHistoryEntries);
  EXPECT_EQ(entries.front(), U"text 39");
  EXPECT_EQ(entries.back(), U"text 10");
  AddToHistory(entries, U"");
  EXPECT_EQ(entries.front(), U"text 39");

  // A stored list from elsewhere is held to the same rules.
  String stored;
  for (int i = 0; i < 40; ++i) stored += FromUtf8("t" + std::to_string(i % 35)) + U"\r\n";
  store.WriteValue(RootKey::CurrentUser, std::string(kApplicationKey) + "\\EditHistory",
                   "SrchDialogSearText", RegValue::Str(stored + U"T0\r\n"));
  const std::vector<String> read = History("SrchDialogSearText");
  ASSERT_EQ(read.size(), kMaxHistoryEntries);
  EXPECT_EQ(read.front(), U"t0");
  EXPECT_EQ(read.back(), U"t29");
}

TEST_F(SearchDialogTest, AFragmentGoesInAtTheCaretTheBoxRemembers) {
  Run<TSrchDialog>([](TSrchDialog& d) {
    d.SearText.SetText(U"color: ;");
    d.SearText.SetSelection(7, 0);
    // The menu button takes no focus, so the box keeps its caret.
    d.FragmentBut.SetFocus();
    ASSERT_TRUE(d.SearText.Focused());
    d.FragmentBut.Choose(FragmentIndex(U"HEX color"));
    EXPECT_EQ(d.SearText.Text(), U"color: #[0-9a-fA-F]+;");
    EXPECT_EQ(d.SearText.SelStart(), 20);
    EXPECT_TRUE(d.RegExpr.Checked());
    // A selection is replaced.
    d.SearText.SetSelection(0, 5);
    d.FragmentBut.Choose(FragmentIndex(U". Any single character"));
    EXPECT_EQ(d.SearText.Text(), U".: #[0-9a-fA-F]+;");
    d.CancelBut.Click();
  });
}

TEST_F(SearchDialogTest, AFragmentIsAppendedWhenTheBoxIsNotFocused) {
  Run<TSrchDialog>([](TSrchDialog& d) {
    d.SearText.SetText(U"x");
    d.SearText.SetSelection(0, 0);
    d.CaseSens.SetFocus();
    d.FragmentBut.Choose(FragmentIndex(U"+ One ore more"));
    EXPECT_EQ(d.SearText.Text(), U"x+");
    EXPECT_TRUE(d.RegExpr.Checked());
    d.CancelBut.Click();
  });
}

TEST_F(SearchDialogTest, FragmentsMatchWhatTheyAreNamedFor) {
  struct Case {
    const char32_t* fragment;
    const char32_t* text;
    const char32_t* match;  // nullptr: no match
  };
  const Case cases[] = {
      {U"HTML comment", U"x <!-- a-b --> y", U"<!-- a-b -->"},
      {U"HTML comment", U"<!-- open", nullptr},
      {U"HEX color", U"color: #1aF;", U"#1aF"},
      {U"HEX color", U"item #: 3", nullptr},
      {U"RGB color", U"c: rgb(1, 2, 3);", U"rgb(1, 2, 3)"},
      {U"Number", U"width -12.5px", U"-12.5"},
      {U"Double quoted string", U"a = \"b c\";", U"\"b c\""},
      {U"Single quoted string", U"a = 'b';", U"'b'"},
      {U"HTML image tag", U"<p><img src=a.png></p>", U"<img src=a.png>"},
      {U"HTML hyperlink", U"<a href=x>go</a>!", U"<a href=x>go</a>"},
  };
  for (const Case& c : cases) {
    const TRegexFragment& fragment = RegexFragments()[FragmentIndex(c.fragment)];
    const TRegExpr regex(fragment.text, false);
    const std::optional<RegexMatch> match = regex.Match(c.text, 1, true);
    const std::string name = ToUtf8(c.fragment) + " in " + ToUtf8(c.text);
    if (!c.match) {
      EXPECT_FALSE(match) << name;
      continue;
    }
    ASSERT_TRUE(match) << name;
    EXPECT_EQ(StringView(c.text).substr(match->position - 1, match->length), c.match) << name;
  }
}

TEST_F(SearchDialogTest, TheHelpEntryOpensOurRegularExpressionPage) {
  Run<TSrchDialog>([](TSrchDialog& d) {
    d.FragmentBut.Choose(FragmentIndex(U"Regular expressions help"));
    EXPECT_FALSE(d.RegExpr.Checked());
    d.CancelBut.Click();
  });
  ASSERT_EQ(headless.help.Requests().size(), 1u);
  EXPECT_EQ(headless.help.Requests()[0],
            (HelpRequest{"/usr/share/quillon/help", "regular_expressions.html"}));
}

}  // namespace
}  // namespace qs
