// The program's desktop entry: how the desktop starts it for a file, prints
// a file with it and lists it under "Open with" for the file types it takes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qs {

// The desktop file id of the program.
inline constexpr std::string_view kDesktopId = "quillon.desktop";

// One argument of an Exec line: quoted with double quotes when it holds a
// character the launcher reads specially (blank, quote, "$", "*", ...),
// "\", "\"", "`" and "$" escaped inside the quotes, and "%" doubled so it
// is not read as a field code.
[[nodiscard]] std::string QuoteExecArgument(std::string_view argument);

// The program an Exec line (its value as read from the key file) starts:
// its first argument with the quoting undone; empty when there is none.
[[nodiscard]] std::string ExecProgram(std::string_view exec);

struct TDesktopEntryContent {
  std::string executable;              // absolute path of the program
  std::vector<std::string> mimeTypes;  // the types offered under "Open with"
};

// The whole desktop entry: Exec with %F, a "Print" action running the
// program with "/p" and the file, the MIME types, icon and categories.
[[nodiscard]] std::string DesktopEntryText(const TDesktopEntryContent& content);

}  // namespace qs
