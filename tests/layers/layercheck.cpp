#include "layers/layercheck.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace qs::layers {
namespace fs = std::filesystem;
namespace {

bool IsSource(const fs::path& p) {
  static const std::vector<std::string> kExtensions = {".h",   ".hh", ".hpp", ".hxx", ".inl",
                                                       ".ipp", ".c",  ".cc",  ".cpp", ".cxx"};
  const std::string ext = p.extension().string();
  return std::find(kExtensions.begin(), kExtensions.end(), ext) != kExtensions.end();
}

int RankOf(const std::vector<std::string>& order, const std::string& folder) {
  const auto it = std::find(order.begin(), order.end(), folder);
  return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

// The top folder below root that p lies in: "" for a file directly in root,
// nothing for a path outside root. Subfolders count as their top folder.
std::optional<std::string> FolderOf(const fs::path& root, const fs::path& p) {
  const fs::path rel = p.lexically_normal().lexically_relative(root);
  if (rel.empty() || *rel.begin() == "..") return std::nullopt;
  if (std::next(rel.begin()) == rel.end()) return std::string();
  return rel.begin()->string();
}

bool StartsWithDot(const fs::path& name) {
  return !name.empty() && name.begin()->string().starts_with('.');
}

// Where an include lands in the tree, if it names one of our files. A quoted
// name is looked for beside the including file first, as the compiler does. A
// name under one of root's folders counts even when the file is missing, so a
// header that does not exist yet cannot hide a wrong direction.
std::optional<fs::path> Resolve(const fs::path& root, const fs::path& file, const Include& inc) {
  const fs::path name(inc.name);
  if (!inc.angled) {
    const fs::path beside = (file.parent_path() / name).lexically_normal();
    if (StartsWithDot(name) || fs::is_regular_file(beside)) return beside;
  }
  const fs::path under = (root / name).lexically_normal();
  if (fs::is_regular_file(under)) return under;
  const bool inFolder =
      std::distance(name.begin(), name.end()) > 1 && fs::is_directory(root / *name.begin());
  if (inFolder) return under;
  return std::nullopt;
}

bool IsQtHeader(const Include& inc) {
  return inc.name.starts_with('Q') || inc.name.starts_with("qt");
}

// Why an include from a file of `from` breaks the layering, or nothing.
std::optional<std::string> Judge(const fs::path& root, const fs::path& file,
                                 const std::string& from, const Include& inc,
                                 const std::vector<std::string>& order) {
  const std::optional<fs::path> target = Resolve(root, file, inc);
  if (!target) {
    if (from != kQtFolder && IsQtHeader(inc)) return "a Qt header outside src/qt";
    return std::nullopt;
  }
  const std::optional<std::string> to = FolderOf(root, *target);
  if (!to || *to == from) return std::nullopt;
  const int fromRank = RankOf(order, from);
  const int toRank = RankOf(order, *to);
  if (toRank < 0) return "'" + *to + "' is not in the layer order";
  if (fromRank >= 0 && toRank > fromRank) return "'" + from + "' may not reach up to '" + *to + "'";
  return std::nullopt;
}

// A folder of root that is no layer, or a file beside the folders: the
// order must be extended before such code can be judged.
void CheckPlaces(const fs::path& root, const std::vector<std::string>& order, Report& report) {
  std::vector<fs::path> entries;
  for (const fs::directory_entry& e : fs::directory_iterator(root)) entries.push_back(e.path());
  std::sort(entries.begin(), entries.end());
  for (const fs::path& p : entries) {
    const std::string name = p.filename().string();
    if (fs::is_directory(p) && RankOf(order, name) < 0)
      report.violations.push_back({name, 0, {}, "folder is not in the layer order"});
    else if (fs::is_regular_file(p) && IsSource(p))
      report.violations.push_back({name, 0, {}, "source file outside the layer folders"});
  }
}

void CheckFile(const fs::path& root, const fs::path& file, const std::vector<std::string>& order,
               Report& report) {
  const std::string from = FolderOf(root, file).value_or("");
  std::ifstream in(file);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::optional<Include> inc = ParseInclude(line);
    if (!inc) continue;
    ++report.includes;
    if (auto why = Judge(root, file, from, *inc, order))
      report.violations.push_back(
          {file.lexically_relative(root).generic_string(), number, *inc, *why});
  }
  ++report.files;
}

}  // namespace

const std::vector<std::string>& LayerOrder() {
  static const std::vector<std::string> order = {"support", "regex",  "platform", "textmodel",
                                                 "syntax",  "export", "editor",   "dialogs",
                                                 "app",     "qt"};
  return order;
}

std::optional<Include> ParseInclude(std::string_view line) {
  auto skipBlanks = [&line] {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  };
  skipBlanks();
  if (!line.starts_with('#')) return std::nullopt;
  line.remove_prefix(1);
  skipBlanks();
  if (line.starts_with("include_next"))
    line.remove_prefix(12);
  else if (line.starts_with("include"))
    line.remove_prefix(7);
  else
    return std::nullopt;
  skipBlanks();
  if (line.empty() || (line.front() != '<' && line.front() != '"')) return std::nullopt;
  const bool angled = line.front() == '<';
  const std::size_t end = line.find(angled ? '>' : '"', 1);
  if (end == std::string_view::npos) return std::nullopt;
  return Include{std::string(line.substr(1, end - 1)), angled};
}

Report CheckLayers(const fs::path& srcRoot, const std::vector<std::string>& order) {
  Report report;
  fs::path root = fs::absolute(srcRoot).lexically_normal();
  if (root.filename().empty()) root = root.parent_path();  // "src/" names src too
  if (!fs::is_directory(root)) return report;
  CheckPlaces(root, order, report);
  std::vector<fs::path> files;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file() && IsSource(e.path())) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) CheckFile(root, file, order, report);
  return report;
}

std::string Describe(const Violation& v) {
  std::string text = v.file;
  if (v.line > 0) text += ":" + std::to_string(v.line);
  if (!v.include.name.empty()) {
    const bool angled = v.include.angled;
    text +=
        ": #include " + std::string(angled ? "<" : "\"") + v.include.name + (angled ? ">" : "\"");
  }
  return text + ": " + v.reason;
}

}  // namespace qs::layers
