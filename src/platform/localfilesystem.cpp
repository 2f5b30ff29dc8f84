#include "platform/localfilesystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/filetime.h"
#include "platform/globmatch.h"
#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/errors.h"
#include "support/fileaccess.h"
#include "support/fileerror.h"

namespace qs {
namespace {

bool StatPath(const std::string& path, struct stat& info) {
  return ::stat(path.c_str(), &info) == 0;
}

struct stat StatOrFail(const std::string& path) {
  struct stat info;
  if (!StatPath(path, info)) FailOnFile("Cannot access file", path, errno);
  return info;
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

std::string LocalFileSystem::ReadFile(const std::string& path) {
  return HostFiles().ReadFile(path);
}

void LocalFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  HostFiles().WriteFileAtomic(path, bytes);
}

std::unique_ptr<TByteSource> LocalFileSystem::OpenRead(const std::string& path) {
  return OpenDocumentFile(path);
}

void LocalFileSystem::WriteFileWithBackup(const std::string& path, const std::string& backup,
                                          std::string_view bytes) {
  HostFiles().RefuseReadOnly(path);
  SaveWithBackup(path, backup, bytes);
}

bool LocalFileSystem::Exists(const std::string& path) const {
  return HostFiles().Exists(path);
}

std::uint64_t LocalFileSystem::FileSize(const std::string& path) const {
  return HostFiles().FileSize(path);
}

bool LocalFileSystem::IsDirectory(const std::string& path) const {
  return HostFiles().IsDirectory(path);
}

bool LocalFileSystem::Delete(const std::string& path) {
  if (::unlink(path.c_str()) == 0) return true;
  if (errno == ENOENT) return false;
  FailOnFile("Can't delete file", path, errno);
}

void LocalFileSystem::Rename(const std::string& from, const std::string& to) {
  HostFiles().Rename(from, to);
}

void LocalFileSystem::CreateDirectories(const std::string& path) {
  HostFiles().CreateDirectories(path);
}

std::vector<std::string> LocalFileSystem::ListDirectory(const std::string& folder,
                                                        std::string_view pattern) const {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) FailOnFile("Cannot list folder", folder, errno);
  std::vector<std::string> names;
  errno = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != ".." && MatchesGlob(name, pattern)) names.emplace_back(name);
  }
  if (errno != 0) FailOnFile("Cannot list folder", folder, errno);
  SortListing(names);
  return names;
}

TFileTime LocalFileSystem::LastWriteTime(const std::string& path) const {
  const struct stat info = StatOrFail(path);
  return FileTimeFromUnix({info.st_mtim.tv_sec, static_cast<std::int32_t>(info.st_mtim.tv_nsec)});
}

void LocalFileSystem::SetLastWriteTime(const std::string& path, TFileTime time) {
  const UnixTime t = UnixFromFileTime(time);
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;  // leave the access time alone
  times[1].tv_sec = static_cast<time_t>(t.seconds);
  times[1].tv_nsec = t.nanoseconds;
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
    FailOnFile("Cannot set the time of file", path, errno);
}

bool LocalFileSystem::IsReadOnly(const std::string& path) const {
  return HostFiles().IsReadOnly(path);
}

void LocalFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
  const struct stat info = StatOrFail(path);
  const mode_t mode = readOnly ? (info.st_mode & ~0222) : (info.st_mode | S_IWUSR);
  if (::chmod(path.c_str(), mode & 07777) != 0) FailOnFile("Cannot change file", path, errno);
}

std::string LocalFileSystem::TempDirectory() const {
  const char* env = std::getenv("TMPDIR");
  if (env != nullptr && *env != '\0' && IsDirectory(env)) return env;
  return "/tmp";
}

std::string LocalFileSystem::UniqueTempName(const std::string& folder, std::string_view prefix) {
  const std::string dir = folder.empty() ? TempDirectory() : folder;
  std::string name = JoinPath(dir, prefix) + "XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) FailOnFile("Can't create temporary filename in", dir, errno);
  ::close(fd);
  return name;
}

}  // namespace qs
