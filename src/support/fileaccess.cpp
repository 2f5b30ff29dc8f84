#include "support/fileaccess.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/errors.h"
#include "support/fileerror.h"

namespace qs {

std::string HostFileAccess::ReadFile(const std::string& path) {
  if (IsDirectory(path)) FailOnFile("Cannot open file", path, EISDIR);
  // Opened without blocking and refused unless regular: a pipe named like a
  // file of ours must not hang the program.
  return ReadDocumentFile(path);
}

void HostFileAccess::RefuseReadOnly(const std::string& path) const {
  if (Exists(path) && IsReadOnly(path)) FailOnFile("Cannot write file", path, EACCES);
}

void HostFileAccess::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  RefuseReadOnly(path);
  WriteFileAtomically(path, bytes);
}

bool HostFileAccess::Exists(const std::string& path) const {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

bool HostFileAccess::IsDirectory(const std::string& path) const {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::uint64_t HostFileAccess::FileSize(const std::string& path) const {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) FailOnFile("Cannot access file", path, errno);
  return static_cast<std::uint64_t>(info.st_size);
}

bool HostFileAccess::IsReadOnly(const std::string& path) const {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) FailOnFile("Cannot access file", path, errno);
  return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

void HostFileAccess::Rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0)
    throw Error("Can't rename file " + from + " to file " + to + ": " + std::strerror(errno));
}

void HostFileAccess::CreateDirectories(const std::string& path) {
  if (path.empty()) FailOnFile("Cannot create folder", path, ENOENT);
  std::size_t pos = path.front() == '/' ? 1 : 0;
  while (pos <= path.size()) {
    const std::size_t slash = path.find('/', pos);
    const std::size_t end = slash == std::string::npos ? path.size() : slash;
    const std::string prefix = path.substr(0, end);
    if (end > pos && ::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
      FailOnFile("Cannot create folder", prefix, errno);
    if (end > pos && !IsDirectory(prefix)) FailOnFile("Cannot create folder", prefix, ENOTDIR);
    pos = end + 1;
  }
}

HostFileAccess& HostFiles() {
  static HostFileAccess host;
  return host;
}

}  // namespace qs
