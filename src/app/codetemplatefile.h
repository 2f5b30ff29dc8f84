// Template list files (".cdt"): a TPersHolder root in the binary object stream
// whose "P" is the collection of templates, each with Name, Description and
// its code as "Code.Strings".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "textmodel/codetemplates.h"

namespace qs {

class IFileAccess;

inline constexpr std::string_view kImportTemplatesFilter = "CodeTemplates (*.cdt)|*.cdt";
inline constexpr std::string_view kExportTemplatesFilter = "Code Templates (*.cdt)|*.cdt";
inline constexpr std::string_view kTemplatesExtension = "cdt";
// No template list is this large; a bigger file is refused before it is read.
inline constexpr std::uint64_t kMaxTemplatesFileBytes = 16 * 1024 * 1024;

std::vector<std::uint8_t> WriteCodeTemplates(const TMemoCodeTemplates& templates);
// Reads the whole stream into a list of its own first, so templates change
// only when the stream was read completely. Throws qs::ParseError otherwise.
void ReadCodeTemplates(const std::vector<std::uint8_t>& bytes, TMemoCodeTemplates& templates);

// Replaces the file as a whole (a hidden temporary renamed over it), so a
// failed export leaves the old file as it was. Throws qs::Error.
void SaveCodeTemplatesFile(IFileAccess& files, const std::string& path,
                           const TMemoCodeTemplates& templates);
// Throws qs::Error (the file's name in it) when the file cannot be read, is
// too large or holds no template list; templates are then as they were.
void LoadCodeTemplatesFile(IFileAccess& files, const std::string& path,
                           TMemoCodeTemplates& templates);

}  // namespace qs
