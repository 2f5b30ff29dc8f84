// The main window's part in the desktop integration: the start-up check of
// the associations, and the web pages and mail the Help menu opens.
#include "app/desktopservices.h"
#include "app/mainform.h"
#include "app/reassociatedlg.h"
#include "app/systopt.h"
#include "editor/memomouseurl.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr StringView kVersionPage = U"https://quillon.example.org/checkversion.php?version=3.0";
constexpr StringView kSupportPage = U"https://quillon.example.org/support.php";
constexpr StringView kBugReport = U"mailto:bugs@quillon.example.org?subject=Quillon";

}  // namespace

TDesktopServices& TMainForm::Desktop() {
  if (!m_desktop)
    m_desktop =
        std::make_unique<TDesktopServices>(m_platform.files, TDesktopPaths::FromEnvironment());
  return *m_desktop;
}

void TMainForm::SetDesktopServices(std::unique_ptr<TDesktopServices> services) {
  m_desktop = std::move(services);
}

void TMainForm::VerifyAssociations() {
  // Nothing tracked: the desktop's files need not even be read.
  if (!m_formsAvailable || !m_options.VerifyAssoc() ||
      (m_options.UserExts().empty() && m_options.AssocExts().empty()))
    return;
  qs::VerifyAssociations(m_platform.forms, m_options, Desktop().desktop);
}

void TMainForm::OpenUrl(const String& address) {
  const TUrlTarget target = ClassifyUrl(address);
  if (target.mail)
    m_platform.shell.OpenMail(ToUtf8(target.url));
  else
    m_platform.shell.OpenUrl(ToUtf8(target.url));
}

void TMainForm::AttachVendorPages() {
  const auto open = [this](StringView address) {
    return [this, address] { RunCommand([this, address] { OpenUrl(String(address)); }); };
  };
  Action("CheckNewVerAct").SetOperation(open(kVersionPage));
  Action("CustomerServiceAct").SetOperation(open(kSupportPage));
  Action("ReportBugAct").SetOperation(open(kBugReport));
}

}  // namespace qs
