// File names to MIME types: the glob lists of the shared MIME database
// (globs2), and the small MIME package that gives a type to an extension
// the database does not know.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qs {

struct TMimeGlobMatch {
  std::string mimeType;
  int weight = 0;
};

// The type that globs2 text gives to files named "*.<extension>" (extension
// lower case, without its dot): the match of the highest weight, the first
// one among equals. Lines that do not read as "weight:type:glob" are skipped.
[[nodiscard]] std::optional<TMimeGlobMatch> MatchExtensionGlob(std::string_view globs2,
                                                               std::string_view extension);

// The type the program defines for an extension nothing else knows: a
// kind of plain text.
[[nodiscard]] std::string OwnMimeType(std::string_view extension);

// A MIME package defining each (extension, type) pair as a sub-class of
// plain text matched by "*.<extension>". Throws qs::Error for an extension
// that is not a valid one (see IsValidExtension).
[[nodiscard]] std::string MimePackageText(
    const std::vector<std::pair<std::string, std::string>>& types);

// Letters, digits, "_", "-" and "+" only, 1 to 32 of them: what can stand in
// a glob, a type name and an XML attribute without any quoting.
[[nodiscard]] bool IsValidExtension(std::string_view extension);

}  // namespace qs
