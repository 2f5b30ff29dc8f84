// The "Source Options" page: the file extensions of each scheme, its code
// templates and the scheme editor. Extensions are edited in a copy of the
// catalogue and written to the scheme files on apply.
#include "app/codetemplatesform.h"
#include "app/formrows.h"
#include "app/optionpages.h"
#include "app/syntaxlist.h"
#include "platform/dialogs.h"
#include "support/errors.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"

namespace qs {

namespace {

class TSourceOptPage final : public TOptionPage {
 public:
  TSourceOptPage(TTabSheet& sheet, TOptionPageContext& context)
      : m_context(context),
        m_syntax(AddRow<TComboBox>(sheet, "cbSyntax", U"Syntax Highlighter:")),
        m_options(sheet.Add<TGroupBox>("OptionsGroup")),
        m_extensions(AddRow<TEdit>(m_options, "edExtensions", U"Extensions:")),
        m_templatesButton(m_options.Add<TButton>("Button2")),
        m_editButton(m_options.Add<TButton>("EditSchBtn")) {
    m_syntax.Style = ComboStyle::DropDownList;
    m_options.SetCaption(U"Options");
    m_templatesButton.SetCaption(U"Edit &Code Templates...");
    m_editButton.SetCaption(U"Edit S&elected Scheme...");
    m_syntax.OnChange = [this](TControl&) { ShowExtensions(); };
    m_extensions.OnChange = [this](TControl&) { StoreExtensions(); };
    m_templatesButton.OnClick = [this](TControl&) { EditTemplates(); };
    m_editButton.OnClick = [this](TControl&) { EditScheme(); };
  }

  void Load() override {
    if (m_context.catalogue == nullptr) {
      for (TControl* control :
           {static_cast<TControl*>(&m_syntax), static_cast<TControl*>(&m_options)})
        control->SetEnabled(false);
      return;
    }
    m_entries = m_context.catalogue->Entries();
    FillSchemes();
    m_syntax.SetText(m_context.currentScheme);
    if (m_syntax.ItemIndex() < 0) m_syntax.SetItemIndex(m_entries.empty() ? -1 : 0);
    ShowExtensions();
  }

  // Only the schemes whose extensions changed are rewritten, so a scheme file
  // that cannot be read stands in the way of nothing but its own change.
  void Apply() override {
    if (m_context.catalogue == nullptr) return;
    TSyntaxList& catalogue = *m_context.catalogue;
    String failures;
    for (const TSchemeEntry& entry : m_entries) {
      const int index = catalogue.IndexOfFile(entry.name);
      if (index < 0 || catalogue.Items(index).Extensions() == entry.extensions) continue;
      try {
        TSyntaxScheme scheme;
        catalogue.Folders().LoadScheme(entry.name, scheme);
        scheme.SetExtensions(entry.extensions);
        catalogue.Folders().SaveScheme(entry.name, scheme);
        catalogue.Items(index).SetExtensions(entry.extensions);
      } catch (const Error& error) {
        failures += U"\n" + FromUtf8(error.what());
      }
    }
    catalogue.SaveCatalogue();
    if (!failures.empty())
      m_context.dialogs.ShowError(U"The extensions of these schemes were not changed:" + failures);
  }

 private:
  void FillSchemes() {
    std::vector<String> names;
    for (const TSchemeEntry& entry : m_entries) names.push_back(entry.schemeName);
    m_syntax.SetItems(std::move(names));
  }

  TSchemeEntry* Selected() {
    const int index = m_syntax.ItemIndex();
    return index >= 0 && index < static_cast<int>(m_entries.size())
               ? &m_entries[static_cast<std::size_t>(index)]
               : nullptr;
  }

  void ShowExtensions() {
    const TSchemeEntry* entry = Selected();
    m_showing = true;
    m_extensions.SetText(entry ? entry->extensions : String());
    m_showing = false;
    m_options.SetEnabled(entry != nullptr);
  }

  void StoreExtensions() {
    if (TSchemeEntry* entry = Selected(); entry && !m_showing)
      entry->extensions = m_extensions.Text();
  }

  void EditTemplates() {
    const TSchemeEntry* entry = Selected();
    if (entry == nullptr) return;
    TSyntaxList& catalogue = *m_context.catalogue;
    TSyntaxScheme scheme;
    catalogue.Folders().LoadScheme(entry->name, scheme);
    if (!m_templatesForm)
      m_templatesForm =
          std::make_unique<TCodeTemplatesForm>(m_context.forms, m_context.dialogs, m_context.files);
    if (m_templatesForm->Execute(scheme) != mrOk) return;
    catalogue.Folders().SaveScheme(entry->name, scheme);
    catalogue.SyncWithFolder();
  }

  void EditScheme() {
    TSchemeEntry* entry = Selected();
    if (entry == nullptr || !m_context.editScheme) return;
    String name = entry->schemeName;
    String extensions = entry->extensions;
    if (!m_context.editScheme(entry->name, name, extensions)) return;
    entry->schemeName = name;
    entry->extensions = extensions;
    const int index = m_syntax.ItemIndex();
    FillSchemes();
    // The combo keeps the old name shown for an index that stays the same.
    m_syntax.SetItemIndex(-1);
    m_syntax.SetItemIndex(index);
    ShowExtensions();
  }

  TOptionPageContext& m_context;
  TComboBox& m_syntax;
  TGroupBox& m_options;
  TEdit& m_extensions;
  TButton& m_templatesButton;
  TButton& m_editButton;
  std::vector<TSchemeEntry> m_entries;
  std::unique_ptr<TCodeTemplatesForm> m_templatesForm;
  bool m_showing = false;
};

}  // namespace

std::unique_ptr<TOptionPage> MakeSourceOptPage(TTabSheet& sheet, TOptionPageContext& context) {
  return std::make_unique<TSourceOptPage>(sheet, context);
}

}  // namespace qs
