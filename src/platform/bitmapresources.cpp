#include "platform/bitmapresources.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/filesystem.h"
#include "platform/platform.h"
#include "support/errorlog.h"
#include "support/errors.h"

namespace qs {

namespace {

// Larger files are not pictures of ours.
constexpr std::uintmax_t kMaxPictureFile = 4 * 1024 * 1024;
// A file every shipped resource folder holds.
constexpr const char* kMarkerFile = "MEMO_BREAKPOINT.xpm";

bool HoldsResources(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_regular_file(folder / kMarkerFile, error);
}

IBitmapResources* g_installed = nullptr;

}  // namespace

std::optional<Bitmap> FolderBitmapResources::Load(std::string_view name) const {
  if (m_folder.empty() || name.empty() || name.find('/') != std::string_view::npos ||
      name.find("..") != std::string_view::npos)
    return std::nullopt;
  // Through the installed file system like every other file of the program;
  // pictures are drawn before a platform exists too, so the host's own then.
  IFileAccess& files = HasPlatform() ? static_cast<IFileAccess&>(ThePlatform().files) : HostFiles();
  const std::string file = JoinPath(m_folder, std::string(name) + ".xpm");
  if (!files.Exists(file)) return std::nullopt;
  try {
    // Refused by its size before it is read, and again after (it may grow).
    if (files.FileSize(file) > kMaxPictureFile) throw Error("\"" + file + "\" is too large");
    const std::string text = files.ReadFile(file);
    if (text.size() > kMaxPictureFile) throw Error("\"" + file + "\" is too large");
    return ReadXpm(text);
  } catch (const Error& e) {
    // A picture that cannot be read is not drawn; the log says why.
    LogLine(std::string("picture not drawn: ") + e.what());
    return std::nullopt;
  }
}

std::string FindResourceFolder() {
  if (const char* env = std::getenv("QUILLON_RESOURCES_DIR"); env != nullptr && *env != '\0')
    return env;
  std::error_code error;
  std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  if (error) return {};
  for (int depth = 0; depth < 8 && !dir.empty(); ++depth) {
    if (HoldsResources(dir / "resources")) return (dir / "resources").string();
    if (dir == dir.parent_path()) break;
    dir = dir.parent_path();
  }
  return {};
}

IBitmapResources& BitmapResources() {
  if (g_installed != nullptr) return *g_installed;
  static FolderBitmapResources fallback(FindResourceFolder());
  return fallback;
}

void SetBitmapResources(IBitmapResources* resources) {
  g_installed = resources;
}

}  // namespace qs
