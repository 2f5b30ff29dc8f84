// The defaults of mimeapps.list: for each MIME type, the desktop ids of the
// programs that open it, the first one installed being the default.
#pragma once

#include <string>
#include <string_view>

namespace qs {

class TKeyFile;

inline constexpr std::string_view kDefaultApplications = "Default Applications";

// The first id of the type's default list, or empty when it has none.
[[nodiscard]] std::string DefaultApplication(const TKeyFile& list, std::string_view mimeType);

// Puts id first in the type's list; the programs listed before stay behind
// it, so they remain the fallback.
void MakeDefaultApplication(TKeyFile& list, std::string_view mimeType, std::string_view id);

// Takes id out of the type's list. When id was the default and restore is
// not empty, restore becomes the default again. A list left empty goes.
void DropDefaultApplication(TKeyFile& list, std::string_view mimeType, std::string_view id,
                            std::string_view restore);

}  // namespace qs
