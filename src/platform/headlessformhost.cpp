#include "platform/headlessformhost.h"

#include "platform/unscriptedprompt.h"
#include "support/utf8.h"

namespace qs {

void HeadlessFormHost::RunModal(TForm& form) {
  m_shown.push_back(form.Name());
  const std::string shown = "modal form \"" + form.Name() + "\" (" + ToUtf8(form.Caption()) + ")";
  if (m_scripts.empty()) throw UnscriptedPrompt("no script for the " + shown);
  const FormScript script = std::move(m_scripts.front());
  m_scripts.pop_front();
  script(form);
  if (form.Visible()) throw UnscriptedPrompt("the script left the " + shown + " open");
}

}  // namespace qs
