// What makes a replaced file still the user's file: its owner, group and
// mode, its hard links, and a folder entry that survives a crash.
#pragma once

#include <sys/types.h>

#include <string>

namespace qs {

struct FileIdentity {
  bool exists = false;
  bool regular = false;
  uid_t owner = 0;
  gid_t group = 0;
  mode_t mode = 0;  // permission bits with setuid, setgid and sticky
  nlink_t links = 0;

  // A rename over a file with several names would give only this name the new
  // content, so such a file must be written in place.
  bool HasOtherNames() const { return regular && links > 1; }
};

// The identity of the file at path (links followed); exists is false when
// there is none to read.
FileIdentity IdentityOf(const std::string& path);

// Gives the file open as fd the owner, group and mode of old, as far as the
// user may set them: the owner first (a change of owner clears setuid), then
// the group alone when the owner may not be given away. setuid is only kept
// with the owner and setgid only with the group, since either bit on a file
// now owned by the writer would lend the writer's rights to whoever runs it.
// Nothing here fails the save: a file system without owners or modes still
// takes the bytes.
void GiveIdentity(int fd, const FileIdentity& old);

// Flushes the folder holding path, so a rename in it survives a crash. A
// failure is ignored: the file itself is already safe on disk.
void SyncFolderOf(const std::string& path);

}  // namespace qs
