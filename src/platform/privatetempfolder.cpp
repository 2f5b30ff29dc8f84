#include "platform/privatetempfolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "support/errors.h"

namespace qs {

namespace {

std::string BaseFolder(const std::string& tempRoot) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  struct stat info {};
  if (runtime != nullptr && runtime[0] == '/' && ::stat(runtime, &info) == 0 &&
      S_ISDIR(info.st_mode))
    return std::string(runtime) + "/quillon";
  const std::string root = tempRoot.empty() ? std::string("/tmp") : tempRoot;
  return root + (root.back() == '/' ? "" : "/") + "quillon-" + std::to_string(::geteuid());
}

[[noreturn]] void Refuse(const std::string& folder, const std::string& why) {
  throw Error("The temporary folder \"" + folder + "\" cannot be used: " + why);
}

}  // namespace

std::string PrivateTempFolder(const std::string& tempRoot) {
  const std::string folder = BaseFolder(tempRoot);
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) Refuse(folder, std::strerror(errno));
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) Refuse(folder, std::strerror(errno));
  if (!S_ISDIR(info.st_mode)) Refuse(folder, "it is not a folder");
  if (info.st_uid != ::geteuid()) Refuse(folder, "it belongs to another user");
  if ((info.st_mode & 07777) != 0700 && ::chmod(folder.c_str(), 0700) != 0)
    Refuse(folder, std::strerror(errno));
  return folder;
}

}  // namespace qs
