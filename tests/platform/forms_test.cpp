#include "platform/forms.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/controls.h"
#include "platform/headlessformhost.h"
#include "platform/unscriptedprompt.h"

namespace qs {
namespace {

// A small search dialog built the way the program's dialogs are.
class SearchForm : public TForm {
 public:
  explicit SearchForm(IFormHost& host) : TForm(host, "SearchForm") {
    SetCaption(U"Find Text");
    OKBut.ModalResult = mrOk;
    OKBut.Default = true;
    CancelBut.ModalResult = mrCancel;
    CancelBut.Cancel = true;
  }
  TEdit& SearText = Add<TEdit>("SearText");
  TGroupBox& Direction = Add<TGroupBox>("Direction");
  TRadioButton& Forward = Direction.Add<TRadioButton>("Forward");
  TRadioButton& Backward = Direction.Add<TRadioButton>("Backward");
  TCheckBox& CaseSens = Add<TCheckBox>("CaseSens");
  TButton& OKBut = Add<TButton>("OKBut");
  TButton& CancelBut = Add<TButton>("CancelBut");
};

TEST(Forms, ShowModalRunsTheScriptAndReturnsTheClickedButtonsResult) {
  HeadlessFormHost host;
  SearchForm form(host);
  bool shown = false;
  form.OnShow = [&](TForm& f) { shown = f.Visible(); };
  host.QueueScript([](TForm& f) {
    f.FindControl<TEdit>("SearText").SetText(U"needle");
    f.FindControl<TCheckBox>("CaseSens").Click();
    f.FindControl<TButton>("OKBut").Click();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.SearText.Text(), U"needle");
  EXPECT_TRUE(form.CaseSens.Checked());
  EXPECT_EQ(host.ShownForms(), std::vector<std::string>{"SearchForm"});
}

TEST(Forms, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  struct Case {
    const char* name;
    TKey key;
    bool focusCancel;
    TModalResult expected;
  };
  const Case cases[] = {
      {"Enter in the edit", vk::Return, false, mrOk},
      {"Esc in the edit", vk::Escape, false, mrCancel},
      {"Enter on a focused button presses that button", vk::Return, true, mrCancel},
  };
  for (const Case& c : cases) {
    HeadlessFormHost host;
    SearchForm form(host);
    host.QueueScript([&](TForm& f) {
      if (c.focusCancel)
        form.CancelBut.SetFocus();
      else
        form.SearText.SetFocus();
      f.PressKey(c.key);
    });
    EXPECT_EQ(form.ShowModal(), c.expected) << c.name;
  }
}

TEST(Forms, KeysReachPreviewTheControlAndOnlyThenTheButtons) {
  HeadlessFormHost host;
  SearchForm form(host);
  std::string log;
  form.KeyPreview = true;
  form.OnKeyDown = [&](TControl&, TKey& key, TShiftState) {
    log += "form ";
    if (key == vk::F1) key = 0;  // consumed by the form
  };
  form.SearText.OnKeyDown = [&](TControl&, TKey& key, TShiftState shift) {
    log += "edit ";
    if (key == vk::Return && (shift & ssCtrl)) key = 0;  // the edit keeps Ctrl+Enter
  };
  host.QueueScript([&](TForm& f) {
    form.SearText.SetFocus();
    f.PressKey(vk::F1);
    f.PressKey(vk::Return, ssCtrl);
    EXPECT_TRUE(f.Visible());
    f.PressKey(vk::Return);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(log, "form form edit form edit ");
}

TEST(Forms, OnClickAndOnCloseQueryCanKeepTheFormOpen) {
  HeadlessFormHost host;
  SearchForm form(host);
  // Validation in OnClick: an empty search text keeps the dialog open.
  form.OKBut.OnClick = [&](TControl&) {
    if (form.SearText.Text().empty()) form.SetModalResult(mrNone);
  };
  int queries = 0;
  form.OnCloseQuery = [&](TForm&, bool& canClose) { canClose = ++queries > 1; };
  TCloseAction seen = caNone;
  form.OnClose = [&](TForm&, TCloseAction& action) { seen = action; };
  host.QueueScript([&](TForm& f) {
    form.OKBut.Click();
    EXPECT_TRUE(f.Visible()) << "OnClick cleared the result";
    EXPECT_EQ(queries, 0);
    form.SearText.SetText(U"x");
    form.OKBut.Click();
    EXPECT_TRUE(f.Visible()) << "OnCloseQuery refused";
    EXPECT_EQ(f.ModalResult(), mrNone);
    form.OKBut.Click();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(queries, 2);
  EXPECT_EQ(seen, caHide);
}

TEST(Forms, CloseOnAModalFormIsCancel) {
  HeadlessFormHost host;
  SearchForm form(host);
  host.QueueScript([](TForm& f) { f.Close(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Forms, AScriptThatDoesNotCloseTheFormOrNoScriptFailsLoudly) {
  HeadlessFormHost host;
  SearchForm form(host);
  EXPECT_THROW(form.ShowModal(), UnscriptedPrompt);
  EXPECT_FALSE(form.Visible());
  host.QueueScript([](TForm& f) { f.FindControl<TEdit>("SearText").SetText(U"only typing"); });
  EXPECT_THROW(form.ShowModal(), UnscriptedPrompt);
  EXPECT_FALSE(form.IsModal());
  // The form is usable again afterwards.
  host.QueueScript([](TForm& f) { f.PressKey(vk::Escape); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Forms, DisabledOrHiddenControlsTakeNoInput) {
  HeadlessFormHost host;
  SearchForm form(host);
  form.OKBut.SetEnabled(false);
  form.Direction.SetVisible(false);
  host.QueueScript([&](TForm& f) {
    form.OKBut.Click();
    f.PressKey(vk::Return);  // the default button is disabled: nothing happens
    form.Forward.Click();    // its group box is hidden
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(form.Forward.Checked());
    form.CancelBut.Click();
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Forms, FindControlFindsNestedControlsByNameAndKind) {
  HeadlessFormHost host;
  SearchForm form(host);
  EXPECT_EQ(&form.FindControl<TRadioButton>("Backward"), &form.Backward);
  EXPECT_EQ(form.TryFindControl<TEdit>("Backward"), nullptr);  // another kind
  EXPECT_THROW(form.FindControl<TEdit>("Missing"), std::out_of_range);
  EXPECT_THROW(form.Direction.Add<TLabel>("SearText"), std::logic_error);  // names are unique
}

TEST(Controls, RadioButtonsOfOneParentExcludeEachOther) {
  HeadlessFormHost host;
  SearchForm form(host);
  form.Show();  // a hidden form's controls take no clicks
  TGroupBox& other = form.Add<TGroupBox>("Scope");
  TRadioButton& global = other.Add<TRadioButton>("Global");
  global.SetChecked(true);
  int clicks = 0;
  form.Backward.OnClick = [&](TControl&) { ++clicks; };
  form.Forward.SetChecked(true);
  form.Backward.Click();
  EXPECT_FALSE(form.Forward.Checked());
  EXPECT_TRUE(form.Backward.Checked());
  EXPECT_TRUE(global.Checked());  // another group
  form.Forward.Click();
  EXPECT_EQ(clicks, 2);  // checked, then unchecked
}

TEST(Controls, ComboBoxKeepsTextAndSelectionTogether) {
  TComboBox combo("Combo");
  combo.SetItems({U"one", U"two"});
  int changes = 0;
  combo.OnChange = [&](TControl&) { ++changes; };
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), U"two");
  combo.SetText(U"one");
  EXPECT_EQ(combo.ItemIndex(), 0);
  combo.SetText(U"free text");
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(changes, 3);
  combo.SetItemIndex(5);  // out of range selects none
  EXPECT_EQ(combo.ItemIndex(), -1);

  combo.Style = ComboStyle::DropDownList;
  combo.SetText(U"not an item");
  EXPECT_EQ(combo.Text(), U"");
  combo.SetItemIndex(0);
  combo.ClearItems();
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Text(), U"");
}

TEST(Controls, ComboBoxRemembersTheCaretOfItsEditPart) {
  TComboBox combo("Combo");
  combo.SetText(U"abcdef");
  combo.SetSelection(2, 10);  // clamped to the text
  EXPECT_EQ(combo.SelStart(), 2);
  EXPECT_EQ(combo.SelLength(), 4);
  combo.SetText(U"abc");  // a shorter text keeps what still fits
  EXPECT_EQ(combo.SelStart(), 2);
  EXPECT_EQ(combo.SelLength(), 1);
  combo.SetSelText(U"XY");
  EXPECT_EQ(combo.Text(), U"abXY");
  EXPECT_EQ(combo.SelStart(), 4);
  EXPECT_EQ(combo.SelLength(), 0);
  combo.SetSelection(-3, 0);
  combo.SetSelText(U"<");
  EXPECT_EQ(combo.Text(), U"<abXY");
}

TEST(Controls, RadioGroupChecksOneChoice) {
  TRadioGroup group("Scope");
  group.SetItems({U"&Global", U"&Selected text"});
  int clicks = 0;
  group.OnClick = [&](TControl&) { ++clicks; };
  group.SetItemIndex(1);
  group.SetItemIndex(1);
  group.SetItemIndex(0);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_EQ(clicks, 2);
}

TEST(Controls, MenuButtonNeverTakesTheFocusAndOffersOnlyRealEntries) {
  HeadlessFormHost host;
  TForm form(host, "Form");
  TComboBox& box = form.Add<TComboBox>("Box");
  TMenuButton& menu = form.Add<TMenuButton>("Menu");
  menu.SetItems({U"one", U"-", U"two"});
  std::vector<int> chosen;
  menu.OnChoose = [&](TMenuButton&, int index) { chosen.push_back(index); };
  form.Show();
  box.SetFocus();
  menu.SetFocus();
  EXPECT_TRUE(box.Focused());
  for (int index : {0, 1, 2, 3, -1}) menu.Choose(index);
  menu.SetEnabled(false);
  menu.Choose(0);
  EXPECT_EQ(chosen, (std::vector<int>{0, 2}));
}

TEST(Controls, SpinEditKeepsItsValueInRange) {
  TSpinEdit spin("Spin", 1, 10);
  EXPECT_EQ(spin.Value(), 1);
  EXPECT_EQ(spin.Text(), U"1");
  spin.SetValue(50);
  EXPECT_EQ(spin.Text(), U"10");
  spin.SetText(U" 7 ");
  EXPECT_EQ(spin.Value(), 7);
  spin.SetText(U"7x");
  EXPECT_EQ(spin.Value(), 1);  // not a number reads as the minimum
  spin.SetText(U"99999999999999999999");
  EXPECT_EQ(spin.Value(), 1);
  spin.SetRange(0, 0);  // no range: any value
  spin.SetValue(-40);
  EXPECT_EQ(spin.Value(), -40);
}

TEST(Controls, ListViewAndPageControl) {
  TListView list("List");
  list.SetColumns({U"Name", U"Size"});
  list.AddRow({U"a.txt", {U"10"}});
  list.AddRow({U"b.txt", {U"20"}});
  list.SetItemIndex(1);
  ASSERT_NE(list.Selected(), nullptr);
  EXPECT_EQ(list.Selected()->subItems[0], U"20");
  list.SetRows({{U"only", {}}});
  EXPECT_EQ(list.Selected(), nullptr);

  TPageControl pages("Pages");
  EXPECT_EQ(pages.ActivePage(), nullptr);
  pages.Add<TTabSheet>("General");
  TTabSheet& server = pages.Add<TTabSheet>("WebServer");
  int changes = 0;
  pages.OnChange = [&](TControl&) { ++changes; };
  pages.SetActivePageIndex(1);
  pages.SetActivePageIndex(7);
  EXPECT_EQ(pages.ActivePage(), &server);
  EXPECT_EQ(changes, 1);
}

// A backend's view of the controls: every change reaches it, and it is told
// when a control goes away.
class RecordingPeer : public ControlPeer {
 public:
  void StateChanged(TControl& control, ControlProperty what) override {
    log.push_back(control.Name() + ":" + std::to_string(static_cast<int>(what)));
  }
  void ControlDestroyed(TControl& control) override { destroyed.push_back(control.Name()); }
  std::vector<std::string> log;
  std::vector<std::string> destroyed;
};

TEST(Controls, ThePeerHearsOfStateChangesAndDestruction) {
  RecordingPeer peer;
  {
    HeadlessFormHost host;
    SearchForm form(host);
    form.Show();
    form.SearText.SetPeer(&peer);
    form.CaseSens.SetPeer(&peer);
    form.SearText.SetText(U"a");
    form.SearText.SetText(U"a");  // no change, no news
    form.SearText.SetEnabled(false);
    form.CaseSens.Click();
    EXPECT_EQ(peer.log, (std::vector<std::string>{"SearText:0", "SearText:1", "CaseSens:3"}));
  }
  EXPECT_EQ(peer.destroyed, (std::vector<std::string>{"SearText", "CaseSens"}));
}

TEST(Controls, FocusMovesWithEnterAndExitEvents) {
  HeadlessFormHost host;
  SearchForm form(host);
  form.Show();
  std::string log;
  form.SearText.OnEnter = [&](TControl&) { log += "enter "; };
  form.SearText.OnExit = [&](TControl&) { log += "exit "; };
  form.SearText.SetFocus();
  form.CaseSens.SetFocus();
  EXPECT_EQ(log, "enter exit ");
  EXPECT_TRUE(form.CaseSens.Focused());
  form.OKBut.SetEnabled(false);
  form.OKBut.SetFocus();  // cannot take the focus
  EXPECT_EQ(form.ActiveControl(), &form.CaseSens);
}

// Pages and rows show in the order of their controls, so a page added late can
// still take its place among the others.
TEST(Forms, MoveChildPutsAControlAtItsPlaceAmongItsSiblings) {
  struct Case {
    const char* name;
    std::size_t index;
    const char* expected;
  };
  for (const Case& c : {Case{"d", 1, "adbc"}, Case{"a", 2, "bcad"}, Case{"b", 0, "bacd"},
                        Case{"c", 2, "abcd"}, Case{"a", 99, "bcda"}}) {
    TPageControl pages("Pages");
    for (const char* name : {"a", "b", "c", "d"}) pages.Add<TTabSheet>(name);
    pages.MoveChild(*pages.FindDescendant(c.name), c.index);
    std::string order;
    for (const TTabSheet* page : pages.Pages()) order += page->Name();
    EXPECT_EQ(order, c.expected) << c.name << " to " << c.index;
  }
  TPageControl pages("Pages");
  TTabSheet stranger("stranger");
  EXPECT_THROW(pages.MoveChild(stranger, 0), std::logic_error);
  EXPECT_THROW(pages.HandChildTo(stranger, pages), std::logic_error);
}

TEST(Forms, HandChildToMovesAControlWithItsChildrenToAnotherParent) {
  TPageControl pages("Pages");
  auto& first = pages.Add<TTabSheet>("first");
  auto& second = pages.Add<TTabSheet>("second");
  auto& box = first.Add<TCheckBox>("box");
  box.Add<TLabel>("inner");
  first.HandChildTo(box, second);
  EXPECT_TRUE(first.Children().empty());
  ASSERT_EQ(second.Children().size(), 1u);
  EXPECT_EQ(second.Children().front().get(), &box);
  EXPECT_EQ(box.Parent(), &second);
  EXPECT_EQ(pages.FindDescendant("inner")->Parent(), &box);
}

}  // namespace
}  // namespace qs
