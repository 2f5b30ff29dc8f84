#include "platform/desktopentry.h"

#include "platform/keyfile.h"

namespace qs {

namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";
constexpr std::string_view kGroup = "Desktop Entry";
constexpr std::string_view kPrintGroup = "Desktop Action Print";

std::string DoublePercents(std::string_view text) {
  std::string out;
  for (const char c : text) {
    out += c;
    if (c == '%') out += '%';
  }
  return out;
}

}  // namespace

std::string QuoteExecArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(kReserved) == std::string_view::npos)
    return DoublePercents(argument);
  std::string quoted = "\"";
  for (const char c : argument) {
    if (kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
    quoted += c;
  }
  return DoublePercents(quoted + "\"");
}

std::string ExecProgram(std::string_view exec) {
  while (!exec.empty() && exec.front() == ' ') exec.remove_prefix(1);
  std::string program;
  if (!exec.empty() && exec.front() == '"') {
    for (std::size_t i = 1; i < exec.size() && exec[i] != '"'; ++i) {
      if (exec[i] == '\\' && i + 1 < exec.size()) ++i;
      program += exec[i];
    }
  } else {
    program = std::string(exec.substr(0, exec.find(' ')));
  }
  std::string out;
  for (std::size_t i = 0; i < program.size(); ++i) {
    out += program[i];
    if (program[i] == '%' && i + 1 < program.size() && program[i + 1] == '%') ++i;
  }
  return out;
}

std::string DesktopEntryText(const TDesktopEntryContent& content) {
  const std::string program = QuoteExecArgument(content.executable);
  TKeyFile entry;
  entry.Set(kGroup, "Type", "Application");
  entry.Set(kGroup, "Name", "Quillon");
  entry.Set(kGroup, "GenericName", "Web Page Editor");
  entry.Set(kGroup, "Comment", "Edit web pages and scripts");
  entry.Set(kGroup, "TryExec", content.executable);
  entry.Set(kGroup, "Exec", program + " %F");
  entry.Set(kGroup, "Icon", "accessories-text-editor");
  entry.Set(kGroup, "Terminal", "false");
  entry.SetList(kGroup, "Categories", {"Development", "TextEditor", "WebDevelopment"});
  if (!content.mimeTypes.empty()) entry.SetList(kGroup, "MimeType", content.mimeTypes);
  entry.SetList(kGroup, "Actions", {"Print"});
  entry.Set(kPrintGroup, "Name", "Print");
  entry.Set(kPrintGroup, "Exec", program + " /p %f");
  return entry.Text();
}

}  // namespace qs
