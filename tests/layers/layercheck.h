// Reads the #include lines of a source tree and names each one that breaks
// the layering: a folder reaching a folder above it, or a Qt header outside
// the Qt backend. Text only, no compiler: the check runs in milliseconds and
// cannot be fooled by what a build happens to have on its include path.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qs::layers {

// The folders of src/, lowest first: each may include its own and the ones
// before it.
const std::vector<std::string>& LayerOrder();

// The one folder whose files may include Qt headers.
inline constexpr std::string_view kQtFolder = "qt";

struct Include {
  std::string name;  // as written between the quotes or brackets
  bool angled = false;
};

// The include a line names, if the line is an #include directive.
std::optional<Include> ParseInclude(std::string_view line);

struct Violation {
  std::string file;  // relative to the scanned root
  int line = 0;
  Include include;  // empty name for a misplaced file or folder
  std::string reason;
};

struct Report {
  int files = 0;     // source files read
  int includes = 0;  // #include lines among them
  std::vector<Violation> violations;
};

// Scans every C++ source below srcRoot against the given order.
Report CheckLayers(const std::filesystem::path& srcRoot, const std::vector<std::string>& order);

std::string Describe(const Violation& v);

}  // namespace qs::layers
