#include "app/envform.h"

#include <algorithm>

#include "app/optionpages.h"
#include "support/scopeexit.h"

namespace qs {

namespace {

struct TOptionFormItem {
  int order;
  String caption;
  TOptionPageFactory factory;
};

std::vector<TOptionFormItem>& OptionForms() {
  static std::vector<TOptionFormItem> forms = [] {
    std::vector<TOptionFormItem> standard;
    standard.push_back({2, U"Editor", MakeEditorOptPage});
    standard.push_back({3, U"Display", MakeDisplayOptPage});
    standard.push_back({4, U"Colors", MakeColorsOptPage});
    standard.push_back({5, U"Source Options", MakeSourceOptPage});
    return standard;
  }();
  return forms;
}

bool g_running = false;

}  // namespace

void RegisterOptionForm(TOptionPageFactory factory, int order, StringView caption) {
  std::vector<TOptionFormItem>& forms = OptionForms();
  const auto after =
      std::upper_bound(forms.begin(), forms.end(), order,
                       [](int value, const TOptionFormItem& item) { return value < item.order; });
  forms.insert(after, {order, String(caption), std::move(factory)});
}

TEnvForm::TEnvForm(IFormHost& host, TOptionPageContext& context)
    : TForm(host, "EnvForm"),
      PageProps(Add<TPageControl>("PageProps")),
      pnlButtons(Add<TPanel>("pnlButtons")),
      OkBut(pnlButtons.Add<TButton>("OkBut")),
      CancelBut(pnlButtons.Add<TButton>("CancelBut")),
      HelpBut(pnlButtons.Add<TButton>("HelpBut")),
      m_context(context) {
  SetCaption(U"Editor Properties");
  pnlButtons.Horizontal = true;
  OkBut.SetCaption(U"OK");
  OkBut.Default = true;
  CancelBut.SetCaption(U"Cancel");
  CancelBut.Cancel = true;
  CancelBut.ModalResult = mrCancel;
  HelpBut.SetCaption(U"&Help");
  HelpBut.SetVisible(false);
  for (const TOptionFormItem& item : OptionForms()) {
    TTabSheet& sheet = PageProps.Add<TTabSheet>("Page" + std::to_string(m_tabs.size()));
    sheet.SetCaption(item.caption);
    m_tabs.push_back({item.factory(sheet, context), false});
  }
  PageProps.OnChange = [this](TControl&) { ShowPage(PageProps.ActivePageIndex()); };
  OkBut.OnClick = [this](TControl&) { OkButClick(); };
  OnShow = [this](TForm&) { ShowPage(PageProps.ActivePageIndex()); };
}

TOptionPage* TEnvForm::LoadedPage(int index) const {
  if (index < 0 || index >= static_cast<int>(m_tabs.size())) return nullptr;
  const Tab& tab = m_tabs[static_cast<std::size_t>(index)];
  return tab.loaded ? tab.page.get() : nullptr;
}

void TEnvForm::ShowPage(int index) {
  if (index < 0 || index >= static_cast<int>(m_tabs.size())) return;
  Tab& tab = m_tabs[static_cast<std::size_t>(index)];
  if (tab.loaded) return;
  tab.loaded = true;
  tab.page->Load();
}

void TEnvForm::OkButClick() {
  // All pages are checked before any applies, so a refused value never
  // leaves the options half changed.
  for (Tab& tab : m_tabs)
    if (tab.loaded) tab.page->Validate();
  for (Tab& tab : m_tabs)
    if (tab.loaded) tab.page->Apply();
  MemoEnvOptions().Assign(m_context.env);
  SetModalResult(mrOk);
}

bool ShowEditorOptions(TOptionPageContext& context) {
  if (g_running) return false;
  g_running = true;
  const ScopeExit done([] { g_running = false; });
  TEnvForm form(context.forms, context);
  return form.ShowModal() == mrOk;
}

}  // namespace qs
