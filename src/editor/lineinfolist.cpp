#include "editor/lineinfolist.h"

namespace qs {

std::optional<TLineInfo> TLineInfoList::Find(std::int32_t line) const {
  const std::vector<TLineInfo> found = m_tree.RecordsOf(line);
  if (found.empty()) return std::nullopt;
  return found.front();
}

void TLineInfoList::Set(std::int32_t line, const std::optional<TLineInfo>& info) {
  if (info)
    m_tree.ReplaceLine(line, {*info});
  else
    m_tree.ReplaceLine(line, {});
}

}  // namespace qs
