// A fresh folder per test, removed afterwards.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace qs::testing {

class ScratchDir {
 public:
  explicit ScratchDir(const std::string& tag)
      : m_dir(std::filesystem::temp_directory_path() /
              ("qs_" + tag + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return m_dir; }
  std::string File(const std::string& name) const { return (m_dir / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path m_dir;
};

}  // namespace qs::testing
