#include "platform/filetransaction.h"

#include <algorithm>

#include "platform/filesystem.h"
#include "support/guardedcall.h"

namespace qs {

namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace

TFileTransaction::~TFileTransaction() {
  for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
    try {
      if (it->bytes)
        m_files.WriteFileAtomic(it->path, *it->bytes);
      else
        m_files.Delete(it->path);
    } catch (...) {
      LogCaughtFailure("putting back " + it->path);
    }
  }
}

void TFileTransaction::Keep(const std::string& path) {
  if (std::any_of(m_saved.begin(), m_saved.end(),
                  [&](const Saved& saved) { return saved.path == path; }))
    return;
  std::optional<std::string> bytes;
  if (m_files.Exists(path)) bytes = m_files.ReadFile(path);
  m_saved.push_back({path, std::move(bytes)});
}

std::string TFileTransaction::Read(const std::string& path) {
  return m_files.Exists(path) ? m_files.ReadFile(path) : std::string();
}

void TFileTransaction::Write(const std::string& path, std::string_view bytes) {
  if (Read(path) == bytes) return;
  Keep(path);
  m_files.CreateDirectories(FolderOf(path));
  m_files.WriteFileAtomic(path, bytes);
}

void TFileTransaction::Remove(const std::string& path) {
  Keep(path);
  m_files.Delete(path);
}

}  // namespace qs
