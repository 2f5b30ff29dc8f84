// A file system held in memory for tests: "/"-separated paths, a fixed clock
// that ticks one second per write, and one-shot faults a test can arm.
#pragma once

#include <map>
#include <set>

#include "platform/filesystem.h"

namespace qs {

enum class FileFault { Read, Write, Rename, Delete };

class MemoryFileSystem final : public IFileSystem {
 public:
  // Starts with the folders "/" and "/tmp".
  MemoryFileSystem();

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
  std::string TempDirectory() const override { return "/tmp"; }
  std::string UniqueTempName(const std::string& folder, std::string_view prefix) override;

  // The next operation of that kind fails with qs::Error and changes nothing.
  void FailNext(FileFault fault) { m_faults.insert(fault); }
  // The time the next write stamps (then one second later for each write).
  void SetNow(TFileTime now) { m_now = now; }
  // Every file path held, in order; for tests that check nothing was left behind.
  [[nodiscard]] std::vector<std::string> AllFiles() const;

 private:
  struct Node {
    bool isDirectory = false;
    bool readOnly = false;
    std::string bytes;
    TFileTime time = 0;
  };
  bool TakeFault(FileFault fault);
  const Node& NodeOrFail(const std::string& key, const char* what) const;
  void RequireParentFolder(const std::string& key, const char* what) const;
  TFileTime Tick();

  std::map<std::string, Node> m_nodes;  // keyed by normalised path
  std::set<FileFault> m_faults;
  TFileTime m_now;
  unsigned m_tempCounter = 0;
};

}  // namespace qs
