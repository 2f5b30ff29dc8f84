#include "platform/shellhelpviewer.h"

#include "platform/helppage.h"
#include "platform/shell.h"

namespace qs {

// The shell opens files, not places in them: the page opens at its top.
int ShellHelpViewer::ShowTopic(const std::string& helpFile, const std::string& topic) {
  m_shell.OpenDocument(ResolveHelpPage(helpFile, topic).path);
  return 0;
}

}  // namespace qs
