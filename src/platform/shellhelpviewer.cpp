#include "platform/shellhelpviewer.h"

#include "platform/shell.h"
#include "support/errors.h"

namespace qs {

int ShellHelpViewer::ShowTopic(const std::string& helpFile, const std::string& topic) {
  const std::string page = topic.empty() ? "index.html" : topic;
  if (page.front() == '/' || page.find("..") != std::string::npos)
    throw Error("The help topic \"" + topic + "\" is not a page of the help.");
  m_shell.OpenDocument(helpFile + "/" + page);
  return 0;
}

}  // namespace qs
