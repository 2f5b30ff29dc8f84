// The pictures the program ships (gutter images, bookmarks), looked up by
// their resource name. The headless implementation reads them from a folder
// of XPM files; the Qt backend installs one that reads them through Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace qs {

class IBitmapResources {
 public:
  virtual ~IBitmapResources() = default;
  // Empty when the picture does not exist or cannot be read.
  [[nodiscard]] virtual std::optional<Bitmap> Load(std::string_view name) const = 0;
};

// Reads "<folder>/<name>.xpm" with our own reader.
class FolderBitmapResources final : public IBitmapResources {
 public:
  explicit FolderBitmapResources(std::string folder) : m_folder(std::move(folder)) {}
  [[nodiscard]] std::optional<Bitmap> Load(std::string_view name) const override;
  [[nodiscard]] const std::string& Folder() const noexcept { return m_folder; }

 private:
  std::string m_folder;
};

// The folder of the shipped pictures: $QUILLON_RESOURCES_DIR when set, else
// the nearest folder named "resources" holding them, beside the executable or
// above it (the source tree of a build). Empty when there is none.
[[nodiscard]] std::string FindResourceFolder();

// The installed resources, or a FolderBitmapResources over
// FindResourceFolder() when none is installed.
IBitmapResources& BitmapResources();
// nullptr goes back to the folder reader. The resources must outlive their
// installation.
void SetBitmapResources(IBitmapResources* resources);

}  // namespace qs
