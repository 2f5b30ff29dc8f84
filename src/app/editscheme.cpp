#include "app/editscheme.h"

#include "app/syntaxlist.h"
#include "dialogs/syntaxedform.h"
#include "editor/memoenvoptions.h"

namespace qs {

namespace {

std::vector<String> GlobalTextStyleNames() {
  std::vector<String> names;
  const TTextStyles& styles = MemoEnvOptions().TextStyles();
  for (int i = 0; i < styles.Count(); ++i) names.push_back(styles.Items(i).Name());
  return names;
}

}  // namespace

bool EditSchemeInEditor(TSyntaxList& catalogue, IFormHost& host, IDialogs& dialogs,
                        const std::string& fileName, String& name, String& extensions,
                        bool keepExtensions) {
  return catalogue.EditSchemeFile(fileName, name, extensions, keepExtensions,
                                  [&](TSyntaxScheme& scheme, const std::function<void()>& store) {
                                    TSyntaxEdForm form(host, dialogs, catalogue.Folders().Files());
                                    form.SetTextStyleNames(GlobalTextStyleNames());
                                    form.SetScheme(scheme);
                                    form.OnApply = [&store](TSyntaxScheme&) { store(); };
                                    form.ShowModal();
                                  });
}

}  // namespace qs
