#include "app/reassociatedlg.h"

#include <algorithm>

#include "app/extensionlist.h"
#include "app/formrows.h"
#include "app/systopt.h"
#include "platform/desktopintegration.h"
#include "support/utf8.h"

namespace qs {

namespace {

std::vector<std::string> TrackedExtensions(const TSysOptions& options) {
  std::vector<std::string> tracked = ParseExtensionList(options.UserExts());
  for (std::string& extension : ParseExtensionList(options.AssocExts()))
    tracked.push_back(std::move(extension));
  std::sort(tracked.begin(), tracked.end());
  tracked.erase(std::unique(tracked.begin(), tracked.end()), tracked.end());
  return tracked;
}

String Without(StringView list, const std::vector<std::string>& dropped) {
  std::vector<std::string> kept = ParseExtensionList(list);
  std::erase_if(kept, [&](const std::string& e) {
    return std::find(dropped.begin(), dropped.end(), e) != dropped.end();
  });
  return JoinExtensionList(kept);
}

}  // namespace

TReassociateDlg::TReassociateDlg(IFormHost& host, const std::vector<std::string>& extensions,
                                 const TDesktopIntegration& desktop)
    : TForm(host, "ReassociateDlg"),
      ExtList((AddCaptioned<TLabel>(
                   *this, "lbExplanation",
                   U"Quillon is no longer associated with some of the file types you previously "
                   U"selected for association. This may be because the associations were changed "
                   U"by another application."),
               AddCaptioned<TLabel>(*this, "lbSelect",
                                    U"From the list below, please select the file types you "
                                    U"would like re-associated with Quillon."),
               AddCaptioned<TLabel>(*this, "lbColumns", U"Extension - Currently Associated With"),
               Add<TPanel>("ExtList"))),
      cbDontVerify(AddCaptioned<TCheckBox>(*this, "cbDontVerify",
                                           U"Don't verify file associations on startup anymore")),
      Buttons(AddDialogButtons(*this)),
      m_extensions(extensions) {
  SetCaption(U"File Associations Changed");
  for (std::size_t i = 0; i < m_extensions.size(); ++i) {
    std::string program = desktop.CurrentProgram(m_extensions[i]);
    if (program.empty()) program = "(none)";
    TCheckBox& box = AddCaptioned<TCheckBox>(ExtList, "cbExt" + std::to_string(i),
                                             FromUtf8("." + m_extensions[i] + " - " + program));
    box.SetChecked(true);
    m_boxes.push_back(&box);
  }
}

void VerifyAssociations(IFormHost& host, TSysOptions& options, TDesktopIntegration& desktop) {
  if (!options.VerifyAssoc()) return;
  std::vector<std::string> lost;
  for (const std::string& extension : TrackedExtensions(options))
    if (!desktop.IsAssociated(extension)) lost.push_back(extension);
  if (lost.empty()) return;
  TReassociateDlg dialog(host, lost, desktop);
  if (dialog.ShowModal() != mrOk) return;
  options.SetVerifyAssoc(!dialog.cbDontVerify.Checked());
  std::vector<std::string> dropped;
  for (std::size_t i = 0; i < lost.size(); ++i) {
    if (dialog.ExtensionBox(i).Checked())
      desktop.Associate(lost[i]);
    else
      dropped.push_back(lost[i]);
  }
  desktop.NotifyShell();
  options.SetUserExts(Without(options.UserExts(), dropped));
  options.SetAssocExts(Without(options.AssocExts(), dropped));
}

}  // namespace qs
