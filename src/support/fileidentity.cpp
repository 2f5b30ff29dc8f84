#include "support/fileidentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/filepath.h"
#include "support/uniquefd.h"

namespace qs {
namespace {

// Keeps the owner if the user may; when not, keeps at least the group.
void GiveOwner(int fd, const struct stat& now, const FileIdentity& old) {
  if (now.st_uid == old.owner && now.st_gid == old.group) return;
  if (::fchown(fd, old.owner, old.group) == 0) return;
  if (now.st_gid != old.group) (void)::fchown(fd, static_cast<uid_t>(-1), old.group);
}

mode_t KeptMode(const struct stat& now, const FileIdentity& old) {
  mode_t mode = old.mode;
  if (now.st_uid != old.owner) mode &= ~S_ISUID;
  if (now.st_gid != old.group) mode &= ~S_ISGID;
  return mode;
}

}  // namespace

FileIdentity IdentityOf(const std::string& path) {
  struct stat info;
  FileIdentity identity;
  if (::stat(path.c_str(), &info) != 0) return identity;
  identity.exists = true;
  identity.regular = S_ISREG(info.st_mode);
  identity.owner = info.st_uid;
  identity.group = info.st_gid;
  identity.mode = info.st_mode & 07777;
  identity.links = info.st_nlink;
  return identity;
}

void GiveIdentity(int fd, const FileIdentity& old) {
  struct stat now;
  if (::fstat(fd, &now) != 0) return;
  GiveOwner(fd, now, old);
  if (::fstat(fd, &now) != 0) return;
  // Ignored on failure: FAT and some network shares refuse modes, and the
  // bytes matter more than the bits.
  (void)::fchmod(fd, KeptMode(now, old));
}

void SyncFolderOf(const std::string& path) {
  UniqueFd folder(::open(OpenableFolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.IsOpen()) (void)::fsync(folder.Get());
}

}  // namespace qs
