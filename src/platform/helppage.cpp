#include "platform/helppage.h"

#include "support/errors.h"

namespace qs {

HelpPage ResolveHelpPage(const std::string& helpFolder, const std::string& topic) {
  const std::size_t hash = topic.find('#');
  std::string page = topic.substr(0, hash);
  if (page.empty()) page = "index.html";
  if (page.front() == '/' || page.find("..") != std::string::npos)
    throw Error("The help topic \"" + topic + "\" is not a page of the help.");
  return {helpFolder + "/" + page, hash == std::string::npos ? "" : topic.substr(hash + 1)};
}

}  // namespace qs
