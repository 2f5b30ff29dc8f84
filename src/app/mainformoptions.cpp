// The main window's side of "Editor Properties".
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
  // Until the scheme editor exists, the scheme's entry is edited in the
  // "Syntax Schemes" dialog.
  context.editScheme = [this, catalogue](const std::string& fileName, String& name,
                                         String& extensions) {
    if (catalogue == nullptr) return false;
    EditSyntaxSchemes();
    const int index = catalogue->IndexOfFile(fileName);
    if (index < 0) return false;
    name = catalogue->Items(index).SchemeName();
    extensions = catalogue->Items(index).Extensions();
    return true;
  };
  if (!ShowEditorOptions(context)) return;
  ApplyEditorOptions();
  FillSchemeSelector();
  // The scheme's templates or extensions may have changed on disk.
  SyntaxComboBoxChange(m_schemeIndex);
}

}  // namespace qs
