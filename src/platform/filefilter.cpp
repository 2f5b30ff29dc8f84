#include "platform/filefilter.h"

#include "platform/globmatch.h"
#include "support/utf8.h"

namespace qs {

std::vector<FileFilterEntry> ParseFileFilter(StringView filter) {
  std::vector<StringView> fields;
  while (true) {
    const std::size_t bar = filter.find(U'|');
    fields.push_back(filter.substr(0, bar));
    if (bar == StringView::npos) break;
    filter.remove_prefix(bar + 1);
  }
  std::vector<FileFilterEntry> entries;
  for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
    FileFilterEntry entry;
    entry.description = String(fields[i]);
    entry.patterns = SplitGlobList(ToUtf8(fields[i + 1]));
    if (!entry.description.empty() && !entry.patterns.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace qs
