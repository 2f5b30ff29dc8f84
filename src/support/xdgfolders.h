// Where the program keeps its own files in the user's home, by the desktop's
// base-directory rules: settings in the config folder, schemes and the
// catalogue in the data folder, the log in the state folder.
#pragma once

#include <string>

namespace qs {

enum class XdgFolder { Config, Data, State };

// The program's folder of that kind: $XDG_CONFIG_HOME, $XDG_DATA_HOME or
// $XDG_STATE_HOME (an absolute path only), else ~/.config, ~/.local/share or
// ~/.local/state, with "/quillon" added; empty when no home folder is known.
[[nodiscard]] std::string UserFolder(XdgFolder kind);
// The same folder without "/quillon": where the desktop's own files of that
// kind live (mimeapps.list, desktop entries, MIME packages).
[[nodiscard]] std::string BaseFolder(XdgFolder kind);

}  // namespace qs
