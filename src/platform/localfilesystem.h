// The file system of the host, through POSIX calls.
#pragma once

#include "platform/filesystem.h"

namespace qs {

class LocalFileSystem final : public IFileSystem {
 public:
  std::string ReadFile(const std::string& path) override;
  std::unique_ptr<TByteSource> OpenRead(const std::string& path) override;
  void WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  void WriteFileWithBackup(const std::string& path, const std::string& backup,
                           std::string_view bytes) override;
  bool Exists(const std::string& path) const override;
  bool IsDirectory(const std::string& path) const override;
  std::uint64_t FileSize(const std::string& path) const override;
  bool Delete(const std::string& path) override;
  void Rename(const std::string& from, const std::string& to) override;
  void CreateDirectories(const std::string& path) override;
  std::vector<std::string> ListDirectory(const std::string& folder,
                                         std::string_view pattern) const override;
  TFileTime LastWriteTime(const std::string& path) const override;
  void SetLastWriteTime(const std::string& path, TFileTime time) override;
  bool IsReadOnly(const std::string& path) const override;
  void SetReadOnly(const std::string& path, bool readOnly) override;
  // $TMPDIR when it names a folder, else /tmp.
  std::string TempDirectory() const override;
  std::string UniqueTempName(const std::string& folder, std::string_view prefix) override;
};

}  // namespace qs
