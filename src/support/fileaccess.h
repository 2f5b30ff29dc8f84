// The part of a file system that the lowest layer's own files need (the
// settings file): the platform's file system is this and more, and the host's
// own files stand in for it before a platform is installed. Paths are the
// host's, as bytes; every failure throws qs::Error naming the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qs {

class IFileAccess {
 public:
  virtual ~IFileAccess() = default;

  // A regular file, whole.
  [[nodiscard]] virtual std::string ReadFile(const std::string& path) = 0;
  // Replaces or creates the file as a whole: on failure the old file is as it
  // was. A read-only file is refused rather than replaced behind its flag.
  // The file keeps what makes it the same file: a link stays a link, owner,
  // mode and other hard links stay.
  virtual void WriteFileAtomic(const std::string& path, std::string_view bytes) = 0;
  [[nodiscard]] virtual bool Exists(const std::string& path) const = 0;
  [[nodiscard]] virtual bool IsDirectory(const std::string& path) const = 0;
  // The size in bytes, so a reader can refuse a file before it reads it.
  [[nodiscard]] virtual std::uint64_t FileSize(const std::string& path) const = 0;
  // Moves a file or folder; an existing file at `to` is replaced.
  virtual void Rename(const std::string& from, const std::string& to) = 0;
  // Creates the folder and every missing parent; an existing folder is fine.
  virtual void CreateDirectories(const std::string& path) = 0;
};

// The host's own files, through POSIX calls.
class HostFileAccess final : public IFileAccess {
 public:
  std::string ReadFile(const std::string& path) override;
  void WriteFileAtomic(const std::string& path, std::string_view bytes) override;
  bool Exists(const std::string& path) const override;
  bool IsDirectory(const std::string& path) const override;
  std::uint64_t FileSize(const std::string& path) const override;
  void Rename(const std::string& from, const std::string& to) override;
  void CreateDirectories(const std::string& path) override;
  // The write bits decide even for a user who could override them.
  bool IsReadOnly(const std::string& path) const;
  // Throws for an existing file marked read-only: it is not replaced behind its mark.
  void RefuseReadOnly(const std::string& path) const;
};

// The one host file access of the process.
HostFileAccess& HostFiles();

}  // namespace qs
