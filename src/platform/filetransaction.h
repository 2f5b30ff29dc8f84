// A set of whole-file writes that happens completely or not at all: each
// file's old content (or its absence) is kept before the first change, and
// unless the transaction is committed every file is put back as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

class IFileSystem;

class TFileTransaction {
 public:
  explicit TFileTransaction(IFileSystem& files) : m_files(files) {}
  // Rolls back unless committed; a file that cannot be put back is logged.
  ~TFileTransaction();
  TFileTransaction(const TFileTransaction&) = delete;
  TFileTransaction& operator=(const TFileTransaction&) = delete;

  // The file's content as it now stands in the transaction; empty when absent.
  [[nodiscard]] std::string Read(const std::string& path);
  // Writes atomically, making the folder when it is missing. A file that
  // holds the bytes already is left alone, and nothing creates an empty one.
  void Write(const std::string& path, std::string_view bytes);
  void Remove(const std::string& path);
  void Commit() noexcept { m_saved.clear(); }

 private:
  struct Saved {
    std::string path;
    std::optional<std::string> bytes;  // nullopt: the file did not exist
  };
  void Keep(const std::string& path);

  IFileSystem& m_files;
  std::vector<Saved> m_saved;
};

}  // namespace qs
