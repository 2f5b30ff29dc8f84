#include "app/integrationpage.h"

#include <algorithm>
#include <set>

#include "app/desktopservices.h"
#include "app/extensionlist.h"
#include "app/formrows.h"
#include "app/systopt.h"
#include "support/errors.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr StringView kPartialSuffix = U" (partly associated)";

// In the group's own order, the order AssocExts keeps them in.
std::vector<std::string> GroupExtensions(std::size_t group) {
  std::vector<std::string> extensions;
  std::string_view rest = kAssociationGroups[group].extensions;
  for (std::size_t comma; (comma = rest.find(',')) != std::string_view::npos;
       rest.remove_prefix(comma + 1))
    extensions.emplace_back(rest.substr(0, comma));
  return extensions;
}

using ExtensionSet = std::set<std::string>;

void Insert(ExtensionSet& set, const std::vector<std::string>& extensions) {
  set.insert(extensions.begin(), extensions.end());
}

std::string Dotted(const std::vector<std::string>& extensions) {
  std::string text;
  for (const std::string& extension : extensions) text += (text.empty() ? "." : ", .") + extension;
  return text.empty() ? "none" : text;
}

// The groups come first, right under their heading.
std::vector<TCheckBox*> AddGroupBoxes(TTabSheet& page) {
  AddCaptioned<TLabel>(page, "lbAssociate", U"Associate Quillon with:");
  std::vector<TCheckBox*> boxes;
  for (const TAssociationGroup& group : kAssociationGroups)
    boxes.push_back(&AddCaptioned<TCheckBox>(page, std::string(group.name), group.caption));
  return boxes;
}

}  // namespace

TIntegrationPage::TIntegrationPage(TTabSheet& page, TDesktopServices& services,
                                   TSysOptions& options)
    : GroupBoxes(AddGroupBoxes(page)),
      SelectAllBtn(AddCaptioned<TButton>(page, "SelectAllBtn", U"Select All")),
      edExts(
          (AddCaptioned<TLabel>(page, "lbExts", U"Other extensions:"), page.Add<TEdit>("edExts"))),
      cbVerify(AddCaptioned<TCheckBox>(page, "cbVerify",
                                       U"&Verify these file associations when starting Quillon")),
      cbContextMenu(
          (AddCaptioned<TLabel>(page, "lbSystem", U"System Integration"),
           AddCaptioned<TCheckBox>(page, "cbContextMenu",
                                   U"Add Quillon to the \"Open with\" menu of all text files"))),
      cbViewSource(AddCaptioned<TCheckBox>(page, "cbViewSource", U"HTML source viewer in IE")),
      cbHtmlEditor(AddCaptioned<TCheckBox>(page, "cbHtmlEditor", U"HTML editor for IE")),
      cbOperaViewSource(
          AddCaptioned<TCheckBox>(page, "cbOperaViewSource", U"HTML source viewer in OPERA")),
      cbTotalCmd(AddCaptioned<TCheckBox>(page, "cbTotalCmd", U"Editor for Krusader")),
      cbWinSCP(AddCaptioned<TCheckBox>(page, "cbWinSCP", U"Editor for WinSCP")),
      m_services(services),
      m_options(options),
      m_partial(std::size(kAssociationGroups), false) {
  for (std::size_t i = 0; i < GroupBoxes.size(); ++i)
    GroupBoxes[i]->OnClick = [this, i](TControl&) { GroupClicked(i); };
  // Nothing on this desktop keeps a browser's source viewer or an SFTP
  // client's editor in a file that can be changed safely while it runs.
  for (TCheckBox* box : {&cbViewSource, &cbHtmlEditor, &cbOperaViewSource, &cbWinSCP})
    box->SetVisible(false);
  SelectAllBtn.OnClick = [this](TControl&) {
    for (TCheckBox* box : GroupBoxes) box->SetChecked(true);
  };
}

void TIntegrationPage::ShowGroup(std::size_t group) {
  const std::vector<std::string> extensions = GroupExtensions(group);
  const auto associated = static_cast<std::size_t>(
      std::count_if(extensions.begin(), extensions.end(),
                    [&](const std::string& e) { return m_services.desktop.IsAssociated(e); }));
  TCheckBox& box = *GroupBoxes[group];
  box.SetChecked(associated == extensions.size());
  const bool partial = associated > 0 && associated < extensions.size();
  String caption(kAssociationGroups[group].caption);
  if (partial) caption += kPartialSuffix;
  box.SetCaption(caption);
  m_partial[group] = partial;
}

void TIntegrationPage::GroupClicked(std::size_t group) {
  if (!m_partial[group]) return;
  m_partial[group] = false;
  GroupBoxes[group]->SetCaption(kAssociationGroups[group].caption);
}

void TIntegrationPage::Show() {
  std::vector<std::string> shown;
  for (const std::string& extension : ParseExtensionList(m_options.UserExts()))
    if (m_services.desktop.IsAssociated(extension)) shown.push_back(extension);
  edExts.SetText(JoinExtensionList(shown));
  for (std::size_t i = 0; i < GroupBoxes.size(); ++i) ShowGroup(i);
  cbVerify.SetChecked(m_options.VerifyAssoc());
  cbContextMenu.SetChecked(m_services.desktop.HasContextMenu());
  const bool fileManager = m_services.fileManagerEditor.Available();
  cbTotalCmd.SetVisible(fileManager);
  cbTotalCmd.SetChecked(fileManager && m_services.fileManagerEditor.IsThisProgram());
}

void TIntegrationPage::Validate() const {
  RequireValidExtensions(ParseExtensionList(edExts.Text()));
}

void TIntegrationPage::Apply() {
  Validate();
  if (cbTotalCmd.Visible() && cbTotalCmd.Checked() != m_services.fileManagerEditor.IsThisProgram())
    m_services.fileManagerEditor.SetThisProgram(cbTotalCmd.Checked());
  if (cbContextMenu.Checked() != m_services.desktop.HasContextMenu())
    m_services.desktop.SetContextMenu(cbContextMenu.Checked());
  ApplyAssociations();
  m_options.SetVerifyAssoc(cbVerify.Checked());
}

void TIntegrationPage::ApplyAssociations() {
  const std::vector<std::string> typed = ParseExtensionList(edExts.Text());
  ExtensionSet oldSet, newSet, keep;
  Insert(oldSet, ParseExtensionList(m_options.UserExts()));
  Insert(oldSet, ParseExtensionList(m_options.AssocExts()));
  Insert(newSet, typed);
  for (std::size_t i = 0; i < GroupBoxes.size(); ++i) {
    if (m_partial[i])
      Insert(keep, GroupExtensions(i));
    else if (GroupBoxes[i]->Checked())
      Insert(newSet, GroupExtensions(i));
  }
  std::vector<std::string> associated, unassociated;
  try {
    for (const std::string& extension : oldSet)
      if (!newSet.contains(extension) && !keep.contains(extension)) {
        m_services.desktop.Unassociate(extension);
        unassociated.push_back(extension);
      }
    for (const std::string& extension : newSet)
      if (!keep.contains(extension) && !m_services.desktop.IsAssociated(extension)) {
        m_services.desktop.Associate(extension);
        associated.push_back(extension);
      }
  } catch (const Error& error) {
    m_services.desktop.NotifyShell();
    TrackAssociations(typed, false);
    throw Error(std::string(error.what()) + "\nAssociated before the failure: " +
                Dotted(associated) + "; unassociated: " + Dotted(unassociated) + ".");
  }
  m_services.desktop.NotifyShell();
  TrackAssociations(typed, true);
}

// After a complete run the settings hold what the page asked for; after a
// failure, what is associated now, so the start-up check reports no
// extension the program never got and forgets none it did. A partly
// associated group stays tracked for the members it has.
void TIntegrationPage::TrackAssociations(const std::vector<std::string>& typed, bool completed) {
  const auto associated = [this](const std::string& e) {
    return m_services.desktop.IsAssociated(e);
  };
  ExtensionSet user(typed.begin(), typed.end());
  if (!completed) Insert(user, ParseExtensionList(m_options.UserExts()));
  std::vector<std::string> userExts;
  for (const std::string& extension : user)
    if (completed || associated(extension)) userExts.push_back(extension);

  ExtensionSet before;
  Insert(before, ParseExtensionList(m_options.AssocExts()));
  String assocExts;
  for (std::size_t i = 0; i < GroupBoxes.size(); ++i) {
    const bool whole = GroupBoxes[i]->Checked() && !m_partial[i];
    for (const std::string& extension : GroupExtensions(i)) {
      const bool tracked = completed ? whole || (m_partial[i] && associated(extension))
                                     : (whole || m_partial[i] || before.contains(extension)) &&
                                           associated(extension);
      if (tracked) assocExts += FromUtf8(extension) + U",";
    }
  }
  m_options.SetUserExts(JoinExtensionList(userExts));
  m_options.SetAssocExts(assocExts);
}

}  // namespace qs
