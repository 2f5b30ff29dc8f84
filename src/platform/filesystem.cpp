#include "platform/filesystem.h"

#include <algorithm>

namespace qs {
namespace {

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ListingLess(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char fa = Fold(a[i]), fb = Fold(b[i]);
    if (fa != fb) return static_cast<unsigned char>(fa) < static_cast<unsigned char>(fb);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  while (!name.empty() && name.front() == '/') name.remove_prefix(1);
  if (path.empty()) return std::string(name);
  if (path.back() != '/') path += '/';
  path += name;
  return path;
}

void SortListing(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), ListingLess);
}

}  // namespace qs
