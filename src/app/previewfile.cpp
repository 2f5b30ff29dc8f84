#include "app/previewfile.h"

#include "platform/filesystem.h"
#include "support/guardedcall.h"

namespace qs {

TPreviewFile::~TPreviewFile() {
  try {
    Delete();
  } catch (...) {
    LogCaughtFailure("Removing the preview copy");
  }
}

std::string TPreviewFile::NameIn(const std::string& folder, const std::string& ext) const {
  const std::string first = JoinPath(folder, std::string(kPreviewBaseName) + ext);
  if (first == m_path || !m_files.Exists(first)) return first;
  for (int number = 2;; ++number) {
    const std::string name =
        JoinPath(folder, std::string(kPreviewBaseName) + "-" + std::to_string(number) + ext);
    if (name == m_path || !m_files.Exists(name)) return name;
  }
}

void TPreviewFile::Write(const std::string& path, std::string_view bytes) {
  m_files.WriteFileAtomic(path, bytes);
  if (path == m_path) return;
  const std::string earlier = m_path;
  m_path = path;
  if (!earlier.empty()) m_files.Delete(earlier);
}

void TPreviewFile::Delete() {
  if (m_path.empty()) return;
  const std::string path = m_path;
  m_path.clear();
  m_files.Delete(path);
}

}  // namespace qs
