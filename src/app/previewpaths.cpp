#include "app/previewpaths.h"

#include <filesystem>

#include "support/filepath.h"

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

std::string PercentEncodePath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(path.size());
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                       (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                       c == '~' || c == '/';
    if (plain) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0xF];
    }
  }
  return encoded;
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
