// The file-type filters of open and save dialogs, written as
// "Description|patterns|Description|patterns", patterns separated by ";".
#pragma once

#include <string>
#include <vector>

#include "support/qschar.h"

namespace qs {

struct FileFilterEntry {
  String description;
  std::vector<std::string> patterns;  // "*.htm", "*.html"
  bool operator==(const FileFilterEntry&) const = default;
};

// A description without a pattern part is dropped, and so is an empty
// description with its patterns; nothing in a filter string is an error.
[[nodiscard]] std::vector<FileFilterEntry> ParseFileFilter(StringView filter);

}  // namespace qs
