// The per-language lists of functions (or words) beside the program:
// "data/<language>.ini", each line name=declaration - description. Loaded
// on first need and kept for the run; a language without a file is
// remembered as having none.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/qschar.h"

namespace qs {

class IFileSystem;

// A language name as it may name a file: lower case, only a-z, 0-9, "_"
// and "-" kept, so scheme data can never reach outside the data folder.
[[nodiscard]] String FileLanguageName(StringView language);

struct TFunctionsListItem {
  String language;
  // Absent when the language has no list (or it could not be read).
  std::optional<std::vector<String>> names;  // in file order; index = line index
  std::optional<std::vector<String>> lines;  // name=value, as in the file

  // The value (declaration - description) for name, matched ignoring
  // letter case; nullopt when the list has no such name.
  [[nodiscard]] std::optional<String> ValueOf(StringView name) const;
  [[nodiscard]] bool HasNames() const { return names && !names->empty(); }
};

// Splits a value at its first " - " into the declaration and the
// description, both trimmed.
struct TFunctionValue {
  String declaration;
  String description;
};
[[nodiscard]] TFunctionValue SplitFunctionValue(StringView value);

class TFunctionLists {
 public:
  // folder: the data folder ("" when there is none).
  TFunctionLists(IFileSystem& files, std::string folder);

  const TFunctionsListItem& GetFunctionList(StringView language);

 private:
  void Load(TFunctionsListItem& item);

  IFileSystem& m_files;
  std::string m_folder;
  std::vector<std::unique_ptr<TFunctionsListItem>> m_cache;
};

}  // namespace qs
