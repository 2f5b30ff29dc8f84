// Where a help topic lives: a help "file" is a folder of HTML pages, and a
// topic is a page inside it, optionally followed by "#anchor".
#pragma once

#include <string>

namespace qs {

struct HelpPage {
  std::string path;    // the page's file
  std::string anchor;  // without "#"; empty for the page's top
};

// The page of topic in helpFolder (index.html for an empty topic). A topic
// that is absolute or climbs out of the folder is refused with qs::Error.
[[nodiscard]] HelpPage ResolveHelpPage(const std::string& helpFolder, const std::string& topic);

}  // namespace qs
