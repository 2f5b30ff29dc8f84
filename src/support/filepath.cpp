#include "support/filepath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qs {
namespace {

// As many links as the kernel follows before it reports ELOOP.
constexpr int kMaxLinkHops = 40;

bool ReadLink(const std::string& path, std::string& target) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return false;
    if (static_cast<std::size_t>(n) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(n));
      target = std::move(buffer);
      return true;
    }
    buffer.resize(buffer.size() * 2);  // the name may have been cut
  }
}

std::string JoinLinkTarget(const std::string& link, const std::string& target) {
  if (target.front() == '/') return target;
  return JoinToFolder(FolderOfPath(link), target);
}

}  // namespace

std::string FolderOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string NameOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string JoinToFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string OpenableFolderOf(std::string_view path) {
  std::string folder = FolderOfPath(path);
  return folder.empty() ? "." : folder;
}

bool ResolveSymlinks(const std::string& path, std::string& resolved) {
  std::string current = path;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat info;
    if (::lstat(current.c_str(), &info) != 0) {
      if (errno != ENOENT) return false;
      resolved = std::move(current);  // nothing there yet: the write creates it
      return true;
    }
    if (!S_ISLNK(info.st_mode)) {
      resolved = std::move(current);
      return true;
    }
    std::string target;
    if (!ReadLink(current, target)) return false;
    if (target.empty()) {
      errno = ENOENT;
      return false;
    }
    current = JoinLinkTarget(current, target);
  }
  errno = ELOOP;
  return false;
}

}  // namespace qs
