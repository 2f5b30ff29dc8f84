// Settings key paths: segments separated by "\", where leading, trailing and
// doubled separators are tolerated and mean nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qs {

inline std::vector<std::string_view> SplitKeyPath(std::string_view path) {
  std::vector<std::string_view> segments;
  while (!path.empty()) {
    const std::size_t cut = path.find('\\');
    const std::string_view segment = path.substr(0, cut);
    if (!segment.empty()) segments.push_back(segment);
    if (cut == std::string_view::npos) break;
    path.remove_prefix(cut + 1);
  }
  return segments;
}

// The path's segments joined by single separators, without one at either end.
inline std::string NormalKeyPath(std::string_view path) {
  std::string normal;
  for (std::string_view segment : SplitKeyPath(path)) {
    if (!normal.empty()) normal += '\\';
    normal += segment;
  }
  return normal;
}

}  // namespace qs
