// The main window's side of "Editor Properties".
#include "app/editscheme.h"
#include "app/envform.h"
#include "app/mainform.h"
#include "app/syntaxlist.h"
#include "platform/platform.h"
#include "textmodel/sourceoptions.h"

namespace qs {

void TMainForm::ShowEditorProperties() {
  auto* catalogue = dynamic_cast<TSyntaxList*>(&m_schemes);
  TMemoEnvOptions workingCopy;
  TOptionPageContext context{workingCopy,
                             TMemoSourceOptions::Instance(),
                             m_platform.forms,
                             m_platform.dialogs,
                             m_platform.files,
                             nullptr,
                             {},
                             {}};
  context.catalogue = catalogue;
  context.screen = &m_platform.screen;
  const std::vector<String> items = m_schemes.SelectorItems();
  if (m_schemeIndex > 0 && m_schemeIndex < static_cast<int>(items.size()))
    context.currentScheme = items[static_cast<std::size_t>(m_schemeIndex)];
  // The page's extensions stay the scheme's: they may have been edited there.
  context.editScheme = [this, catalogue](const std::string& fileName, String& name,
                                         String& extensions) {
    return catalogue != nullptr &&
           EditSchemeInEditor(*catalogue, m_platform.forms, m_platform.dialogs, fileName, name,
                              extensions, /*keepExtensions=*/true);
  };
  if (!ShowEditorOptions(context)) return;
  ApplyEditorOptions();
  FillSchemeSelector();
  // The scheme's templates or extensions may have changed on disk.
  SyntaxComboBoxChange(m_schemeIndex);
}

}  // namespace qs
