// The main window's preview: the tab strip, the code view and the browser
// view, the preview copy and its address, and the web server it goes
// through.
#include "app/browserdlg.h"
#include "app/localwebserver.h"
#include "app/mainform.h"
#include "app/optionsform.h"
#include "app/previewfile.h"
#include "app/previewpaths.h"
#include "app/systopt.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "platform/privatetempfolder.h"
#include "support/errors.h"
#include "support/filepath.h"
#include "support/utf8.h"

namespace qs {

namespace {

enum PreviewTab : int { tabCode = 0, tabPreview = 1, tabServer = 2 };

}  // namespace

void TMainForm::AttachPreviewOperations() {
  m_previewFile = std::make_unique<TPreviewFile>(m_platform.files);
  m_ownServer = std::make_unique<TPhpWebServer>();
  m_localServer = m_ownServer.get();
  PrivateTempFolder = [this] { return qs::PrivateTempFolder(m_platform.files.TempDirectory()); };
  const auto toggle = [this](const char* name, int tab) {
    Action(name).SetOperation([this, tab] {
      RunCommand([this, tab] { TabSet1Change(m_tabIndex != tab ? tab : tabCode); });
    });
  };
  toggle("ToggleCodePreviewAct", tabPreview);
  toggle("ToggleCodeLocalhostPreviewAct", tabServer);
  UpdatePreviewTabCaptions();
}

void TMainForm::UpdatePreviewTabCaptions() {
  m_tabCaptions[tabPreview] =
      U"Preview " + ShortCutToText(Action("ToggleCodePreviewAct").ShortCut());
  m_tabCaptions[tabServer] =
      U"Preview on Server " + ShortCutToText(Action("ToggleCodeLocalhostPreviewAct").ShortCut());
  Changed();
}

void TMainForm::TabSet1Change(int tab) {
  if (tab < tabCode || tab > tabServer || tab == m_tabIndex) return;
  if (tab == tabServer && !CanPreviewOnServer()) return;
  if (tab != tabCode) ShowPreview(true, tab == tabServer);
  if (m_tabIndex == tabCode) ShowCodeView(false);
  m_tabIndex = tab;
  if (tab == tabCode) {
    ShowCodeView(true);
    ShowPreview(false, false);
  }
  Changed();
}

void TMainForm::ShowCodeView(bool show) {
  TCustomMemoSource& source = m_editor.Source();
  if (show) {
    source.SetReadOnly(m_readOnlyBeforePreview);
  } else {
    m_readOnlyBeforePreview = source.ReadOnly();
    source.SetReadOnly(true);
  }
  RefreshCommandStates();
}

void TMainForm::ShowPreview(bool show, bool server) {
  if (!show) {
    m_statusSimpleText.clear();
    m_previewFile->Delete();
    return;
  }
  const std::string file = PreviewFileName(server);
  const std::string url = PreviewUrl(file, server);
  // Written as a save writes it, but the document keeps its name, its
  // modified state and any backup it has.
  m_previewFile->Write(file, m_editor.Source().SaveToBytes());
  if (!m_browserDlg) CreateBrowserDlg();
  m_browserDlg->ShowPreviewPage(file, url, m_previewLoaded);
  m_previewLoaded = true;
}

void TMainForm::CreateBrowserDlg() {
  m_browserDlg = std::make_unique<TBrowserDlg>(m_platform.browser);
  m_browserDlg->OnStatusText = [this](const String& text) {
    m_statusSimpleText = text;
    Changed();
  };
}

std::string TMainForm::DocumentFolder() const {
  return m_documentPath.empty() ? std::string() : FolderOfPath(m_documentPath);
}

// A document inside the document root is previewed beside itself, so its
// relative links and includes work; any other in the root itself. A local
// preview sits beside the document, or in the user's private folder when
// the document has no folder.
std::string TMainForm::PreviewFileName(bool server) {
  std::string folder = DocumentFolder();
  if (server) {
    const std::string root =
        HasMappedServer() ? ToUtf8(m_options.ServerPath()) : m_localServer->Root();
    if (folder.empty() || !IsInsideFolder(folder, root)) folder = root;
  } else if (folder.empty() || !m_platform.files.IsDirectory(folder)) {
    folder = PrivateTempFolder();
  }
  return m_previewFile->NameIn(NormalPath(folder), PreviewExtension(m_documentPath));
}

std::string TMainForm::PreviewUrl(const std::string& file, bool server) const {
  if (!server) return EncodedFileUrl(file);
  if (HasMappedServer())
    return ServerUrlOf(file, ToUtf8(m_options.ServerPath()), ToUtf8(m_options.ServerUrl()));
  return ServerUrlOf(file, m_localServer->Root(), m_localServer->Url());
}

bool TMainForm::HasMappedServer() const {
  const std::string root = ToUtf8(m_options.ServerPath());
  return !root.empty() && m_platform.files.IsDirectory(root);
}

bool TMainForm::CanPreviewOnServer() {
  if (HasMappedServer()) return true;
  if (m_useLocalServer || (m_localServer != nullptr && m_localServer->Available())) {
    if (StartLocalServer()) return true;
  }
  return ConfigureMapping();
}

// The program's own server, once the user has agreed to it, serves the
// document's folder for the rest of the session; a document outside the
// folder it serves moves it to the document's folder.
bool TMainForm::StartLocalServer() {
  const std::string folder = DocumentFolder();
  const bool ownFolder = !folder.empty() && m_platform.files.IsDirectory(folder);
  const std::string root = NormalPath(ownFolder ? folder : PrivateTempFolder());
  if (!m_useLocalServer) {
    const MsgResult answer = m_platform.dialogs.MessageBox(
        U"No web server is mapped for the preview on a server.\n\nStart PHP's built-in web "
        U"server over \"" +
            FromUtf8(root) + U"\" for this session?\n(No lets you map a server.)",
        U"Confirm", MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgResult::Cancel) throw Abort();
    if (answer != MsgResult::Yes) return false;
    m_useLocalServer = true;
  }
  if (!m_localServer->Running() || (ownFolder && !IsInsideFolder(folder, m_localServer->Root())))
    m_localServer->Start(root);
  return true;
}

// The mapping the user enters is checked like the stored one: a dialog
// closed with OK over a folder that is not there previews nothing.
bool TMainForm::ConfigureMapping() {
  if (m_platform.dialogs.MessageBox(U"Configure mapping?", U"Error", MsgButtons::YesNo,
                                    MsgIcon::Error) != MsgResult::Yes)
    return false;
  TOptionsForm form(m_platform.forms, m_platform.dialogs, m_platform.files, m_options, Desktop());
  form.OpenOnWebServer = true;
  const bool accepted = form.ShowModal() == mrOk;
  UpdatePreviewTabCaptions();
  if (!accepted) return false;
  if (HasMappedServer()) return true;
  m_platform.dialogs.ShowError(U"The document root \"" + m_options.ServerPath() +
                               U"\" is not an existing folder.");
  return false;
}

}  // namespace qs
