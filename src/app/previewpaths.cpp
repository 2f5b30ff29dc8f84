#include "app/previewpaths.h"

#include <filesystem>

#include "support/filepath.h"
#include "support/percentcoding.h"

namespace qs {

std::string NormalPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  std::string normal = absolute.lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

bool IsInsideFolder(const std::string& path, const std::string& folder) {
  const std::string inner = NormalPath(path);
  const std::string outer = NormalPath(folder);
  if (inner.compare(0, outer.size(), outer) != 0) return false;
  // The prefix must end at a component boundary.
  return inner.size() == outer.size() || outer == "/" || inner[outer.size()] == '/';
}

std::string EncodedFileUrl(const std::string& path) {
  return "file://" + PercentEncodePath(NormalPath(path));
}

std::string ServerUrlOf(const std::string& file, const std::string& root,
                        const std::string& serverUrl) {
  const std::string normalFile = NormalPath(file);
  const std::string normalRoot = NormalPath(root);
  std::string relative = normalFile.substr(normalRoot.size());
  if (!relative.empty() && relative.front() == '/') relative.erase(0, 1);
  std::string url = serverUrl;
  if (url.empty() || url.back() != '/') url += '/';
  return url + PercentEncodePath(relative);
}

std::string PreviewExtension(const std::string& documentPath) {
  const std::string name = NameOfPath(documentPath);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) return ".html";
  return name.substr(dot);
}

}  // namespace qs
