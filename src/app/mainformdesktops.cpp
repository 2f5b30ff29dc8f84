// The main window's layout commands: "Save Layout" and "Load Layout" in the
// View menu, and the "Desktops" submenu, which lists the saved desktops
// (choosing one loads it) above "Save Desktop As..." and "Delete...". Without
// a toolkit that can arrange panels, all of them are disabled.
#include "app/desktops.h"
#include "app/mainform.h"
#include "app/savedskdlg.h"
#include "platform/platform.h"
#include "support/optionobject.h"

namespace qs {

namespace {

constexpr const char* kSaveLayoutItem = "SaveLayoutItem";
constexpr const char* kLoadLayoutItem = "LoadLayoutItem";
constexpr const char* kDesktopsMenu = "DesktopsMenu";

}  // namespace

void TMainForm::AttachDesktops() {
  m_desktops = std::make_unique<TDesktops>(OptionRegistry::Store());
  const auto run = [this](std::function<void()> command) {
    return [this, command](TMenuItem&) { RunCommand(command); };
  };
  m_mainMenu.Find(kSaveLayoutItem)->onClick = run([this] { m_desktops->SaveLayout(); });
  m_mainMenu.Find(kLoadLayoutItem)->onClick = run([this] { LoadLayout(); });
  m_mainMenu.Find(kDesktopsMenu)->onPopup = [this](TMenuItem& menu) { FillDesktopsMenu(menu); };
  Action("SaveDesctopAsAct").SetOperation([this] { RunCommand([this] { SaveDesktopAs(); }); });
  Action("DeleteDesktopAct").SetOperation([this] { RunCommand([this] { DeleteDesktop(); }); });
  SetLayoutHost(nullptr);
}

void TMainForm::SetLayoutHost(ILayoutHost* host) {
  m_desktops->SetHost(host);
  const bool available = host != nullptr;
  m_mainMenu.Find(kSaveLayoutItem)->enabled = available;
  m_mainMenu.Find(kLoadLayoutItem)->enabled = available;
  Action("SaveDesctopAsAct").SetEnabled(available);
  Action("DeleteDesktopAct").SetEnabled(available && !m_desktops->DesktopNames().empty());
}

void TMainForm::FillDesktopsMenu(TMenuItem& menu) {
  menu.items.clear();
  const std::vector<String> names = m_desktops->DesktopNames();
  for (const String& name : names) {
    TMenuItem item = TMenuItem::Command(
        name, [this, name](TMenuItem&) { RunCommand([this, name] { LoadDesktop(name); }); });
    item.enabled = m_desktops->HasHost();
    menu.items.push_back(std::move(item));
  }
  menu.items.push_back(TMenuItem::Separator());
  menu.items.push_back(TMenuItem::ForAction(Action("SaveDesctopAsAct")));
  menu.items.push_back(TMenuItem::ForAction(Action("DeleteDesktopAct")));
  Action("DeleteDesktopAct").SetEnabled(m_desktops->HasHost() && !names.empty());
}

void TMainForm::ShowLayoutLoad(TLayoutLoad result, const String& what) {
  if (result == TLayoutLoad::Missing)
    m_platform.dialogs.ShowError(what + U" has not been saved.");
  else if (result == TLayoutLoad::FellBack)
    m_platform.dialogs.ShowError(what +
                                 U" could not be read; the panels are back where they started.");
}

void TMainForm::LoadLayout() {
  ShowLayoutLoad(m_desktops->LoadLayout(), U"The layout");
}

void TMainForm::LoadDesktop(const String& name) {
  ShowLayoutLoad(m_desktops->LoadDesktop(name), U"The desktop \"" + name + U"\"");
}

void TMainForm::SaveDesktopAs() {
  TSaveDskDlg dialog(m_platform.forms, TSaveDskDlg::Purpose::Save, m_desktops->DesktopNames());
  if (const std::optional<String> name = dialog.Execute()) m_desktops->SaveDesktop(*name);
  Action("DeleteDesktopAct").SetEnabled(!m_desktops->DesktopNames().empty());
}

void TMainForm::DeleteDesktop() {
  TSaveDskDlg dialog(m_platform.forms, TSaveDskDlg::Purpose::Delete, m_desktops->DesktopNames());
  if (const std::optional<String> name = dialog.Execute()) m_desktops->DeleteDesktop(*name);
  Action("DeleteDesktopAct").SetEnabled(!m_desktops->DesktopNames().empty());
}

}  // namespace qs
