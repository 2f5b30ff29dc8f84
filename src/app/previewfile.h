// The preview copy of the document: a file of its own name, written for the
// browser and removed again. Only a file this object wrote is ever removed
// or rewritten; a user's file that happens to carry the preview's name is
// never touched, the copy takes a numbered name beside it instead.
#pragma once

#include <string>
#include <string_view>

namespace qs {

class IFileSystem;

inline constexpr std::string_view kPreviewBaseName = "qwil_tempfile";

class TPreviewFile {
 public:
  explicit TPreviewFile(IFileSystem& files) : m_files(files) {}
  // Removes the copy; a failure is logged, since nothing can be asked then.
  ~TPreviewFile();
  TPreviewFile(const TPreviewFile&) = delete;
  TPreviewFile& operator=(const TPreviewFile&) = delete;

  // Where a copy with extension ext goes in folder: the copy written last
  // when it is there, else "qwil_tempfile" + ext, else the first free one of
  // "qwil_tempfile-2" + ext, "qwil_tempfile-3" + ext, ...
  [[nodiscard]] std::string NameIn(const std::string& folder, const std::string& ext) const;

  // Replaces path with bytes in one step (no backup). The earlier copy is
  // removed once the new one is written, so a failed write keeps it.
  void Write(const std::string& path, std::string_view bytes);

  // Removes the copy written last, if any is left.
  void Delete();

  // The copy written last; empty when there is none.
  [[nodiscard]] const std::string& Path() const noexcept { return m_path; }

 private:
  IFileSystem& m_files;
  std::string m_path;
};

}  // namespace qs
