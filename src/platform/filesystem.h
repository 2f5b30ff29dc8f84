// What the program asks of the file system. Paths are UTF-8 strings in the
// host's own notation; every failure throws qs::Error naming the file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/bytesource.h"
#include "support/fileaccess.h"

namespace qs {

// A last-write time: 100-nanosecond intervals since 1601-01-01 00:00 UTC, the
// unit the stored file times of the program's data use.
using TFileTime = std::int64_t;

// The file access of support (read, atomic write, existence, rename,
// folders) and what only the layers above need.
class IFileSystem : public IFileAccess {
 public:
  // A regular file read a chunk at a time (a document may be larger than is
  // wise to hold twice).
  [[nodiscard]] virtual std::unique_ptr<TByteSource> OpenRead(const std::string& path) = 0;
  // As WriteFileAtomic, keeping the file's old content under backup first; a
  // backup naming the file itself is skipped.
  virtual void WriteFileWithBackup(const std::string& path, const std::string& backup,
                                   std::string_view bytes) = 0;

  // Removes a file. False when there was nothing to remove; throws when the
  // file exists but cannot be removed.
  virtual bool Delete(const std::string& path) = 0;
  // The names (not paths) of the files and folders in folder that match the
  // pattern (see globmatch.h), sorted as a directory listing shows them:
  // ignoring ASCII letter case, ties in byte order. "." and ".." are left out.
  [[nodiscard]] virtual std::vector<std::string> ListDirectory(const std::string& folder,
                                                               std::string_view pattern) const = 0;

  [[nodiscard]] virtual TFileTime LastWriteTime(const std::string& path) const = 0;
  virtual void SetLastWriteTime(const std::string& path, TFileTime time) = 0;
  [[nodiscard]] virtual bool IsReadOnly(const std::string& path) const = 0;
  virtual void SetReadOnly(const std::string& path, bool readOnly) = 0;

  [[nodiscard]] virtual std::string TempDirectory() const = 0;
  // Creates a new empty file named prefix + a unique part in folder (the temp
  // directory when folder is empty) and returns its path; creating it is what
  // makes the name safe from a second caller.
  [[nodiscard]] virtual std::string UniqueTempName(const std::string& folder,
                                                   std::string_view prefix) = 0;
};

// Joins a folder and a name with exactly one "/" between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// Orders names as ListDirectory returns them.
void SortListing(std::vector<std::string>& names);

}  // namespace qs
