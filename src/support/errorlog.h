// The program's log of failures: each line goes to stderr and is appended to
// a file in the user's state folder, so an internal error the user saw, or a
// failure nobody could be shown (a paint, a destructor), can be read later.
#pragma once

#include <string>
#include <string_view>

namespace qs {

// $QUILLON_LOG_FILE when set, else quillon.log in the user's state folder
// ($XDG_STATE_HOME/quillon, ~/.local/state/quillon); empty when no home
// folder is known.
[[nodiscard]] std::string LogFileFromEnvironment();

// Appends one line: a time stamp, then text. A line that repeats the one
// before is left out, so a failure met at every repaint is logged once.
// Never throws; a log file that cannot be written is told on stderr.
void LogLine(std::string_view text) noexcept;

}  // namespace qs
