#include "app/optionsform.h"

#include <algorithm>

#include "app/formrows.h"
#include "app/shortcutspage.h"
#include "app/systopt.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "support/encoding.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr std::string_view kWebServerPage = "WebServerPage";

constexpr StringView kServerExplanation =
    U"Mapping are used by Quillon to pass documents trough a web server, enabling you to "
    U"preview documents that contain server-side scripting such as PHP, ASP, CFML, JSP or Perl.";

TTabSheet& AddPage(TPageControl& pages, std::string name, StringView caption) {
  TTabSheet& page = pages.Add<TTabSheet>(std::move(name));
  page.SetCaption(caption);
  return page;
}

}  // namespace

TOptionsForm::TOptionsForm(IFormHost& host, IDialogs& dialogs, const IFileSystem& files,
                           TSysOptions& options, TDesktopServices& desktop)
    : TForm(host, "OptionsForm"),
      PageControl(Add<TPageControl>("PageControl")),
      Integration(AddPage(PageControl, "IntegrationPage", U"Integration"), desktop, options),
      edServerUrl(AddPage(PageControl, std::string(kWebServerPage), U"Web Server")
                      .Add<TEdit>("edServerUrl")),
      edServerPath(PageControl.Pages().back()->Add<TEdit>("edServerPath")),
      BrowseBtn(AddCaptioned<TButton>(*PageControl.Pages().back(), "BrowseBtn", U"...")),
      cbEscExit(AddCaptioned<TCheckBox>(*PageControl.Pages().back(), "cbEscExit",
                                        U"Quick exit (ESC Key)")),
      cbCodePage(PageControl.Pages().back()->Add<TComboBox>("cbCodePage")),
      OkBtn(AddCaptioned<TButton>(*this, "OkBtn", U"OK")),
      CancelBtn(AddCaptioned<TButton>(*this, "CancelBtn", U"Cancel")),
      m_dialogs(dialogs),
      m_files(files),
      m_options(options) {
  SetCaption(U"Preferences");
  TTabSheet& page = *PageControl.Pages().back();
  AddCaptioned<TLabel>(page, "lbServerUrl", U"Server:");
  AddCaptioned<TLabel>(page, "lbServerPath", U"Document Root:");
  AddCaptioned<TLabel>(page, "lbExplanation", kServerExplanation);
  AddCaptioned<TLabel>(page, "lbCodePage", U"Code page of files that are not UTF-8:");
  cbCodePage.Style = ComboStyle::DropDownList;
  std::vector<String> codePages;
  for (Encoding page :
       {Encoding::Windows1252, Encoding::Windows1251, Encoding::Cp866, Encoding::Koi8R})
    codePages.push_back(FromUtf8(EncodingName(page)));
  cbCodePage.SetItems(std::move(codePages));
  OkBtn.Default = true;
  CancelBtn.Cancel = true;
  CancelBtn.ModalResult = mrCancel;
  BrowseBtn.OnClick = [this](TControl&) { BrowseBtnClick(); };
  OkBtn.OnClick = [this](TControl&) { OkBtnClick(); };
  OnShow = [this](TForm&) { FormShow(); };
}

TOptionsForm::~TOptionsForm() = default;

TShortcutsPage& TOptionsForm::AddShortcutsPage(TActionList& actions,
                                               std::vector<TShortCut> defaults) {
  m_shortcuts = std::make_unique<TShortcutsPage>(PageControl, Host(), m_dialogs, actions,
                                                 std::move(defaults));
  // Between "Integration" and "Web Server", where users have always found it.
  PageControl.MoveChild(m_shortcuts->Page, 1);
  // Quick exit is a key, so it goes with the keys.
  cbEscExit.Parent()->HandChildTo(cbEscExit, m_shortcuts->Page);
  return *m_shortcuts;
}

void TOptionsForm::FormShow() {
  const std::vector<TTabSheet*> pages = PageControl.Pages();
  const auto webServer = std::find_if(pages.begin(), pages.end(),
                                      [](TTabSheet* p) { return p->Name() == kWebServerPage; });
  PageControl.SetActivePageIndex(OpenOnWebServer ? static_cast<int>(webServer - pages.begin()) : 0);
  Integration.Show();
  edServerUrl.SetText(m_options.ServerUrl());
  edServerPath.SetText(m_options.ServerPath());
  cbEscExit.SetChecked(m_options.UseEscKey());
  cbCodePage.SetText(m_options.CodePage());
  if (m_shortcuts) m_shortcuts->Fill();
}

void TOptionsForm::BrowseBtnClick() {
  const std::string current = ToUtf8(edServerPath.Text());
  const bool existing = !current.empty() && m_files.IsDirectory(current);
  if (std::optional<std::string> folder = m_dialogs.BrowseFolder({}, existing ? current : ""))
    edServerPath.SetText(FromUtf8(*folder));
}

void TOptionsForm::OkBtnClick() {
  Integration.Validate();
  m_options.SetServerUrl(edServerUrl.Text());
  m_options.SetServerPath(edServerPath.Text());
  m_options.SetUseEscKey(cbEscExit.Checked());
  m_options.SetCodePage(cbCodePage.Text());
  if (m_shortcuts) m_shortcuts->Apply();
  m_options.SetUseRMSystemMenu(Integration.cbContextMenu.Checked());
  Integration.Apply();
  SetModalResult(mrOk);
}

}  // namespace qs
