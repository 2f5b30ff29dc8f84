// File-name patterns as the program's folder listings and file dialogs use
// them: "*" any run, "?" one character, ";" between alternatives
// ("*.htm;*.html"). Letters match ignoring ASCII case, because the data files
// this program reads were named on a file system that ignores it, and "*.*"
// matches every name, with or without a dot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qs {

[[nodiscard]] bool MatchesGlob(std::string_view name, std::string_view pattern);

// The alternatives of a pattern, blanks around each trimmed, empty ones dropped.
[[nodiscard]] std::vector<std::string> SplitGlobList(std::string_view patterns);

}  // namespace qs
