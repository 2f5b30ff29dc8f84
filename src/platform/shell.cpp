#include "platform/shell.h"

#include "support/errors.h"

namespace qs {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// Only addresses the desktop opens as a page, a mail or a file go to it: a
// token a scheme marks as a URL may be anything ("javascript:", "smb:", a
// command name), and the opener would start whatever handles it.
std::string UrlArgument(std::string_view target) {
  for (std::string_view scheme : {"http://", "https://", "ftp://", "mailto:", "file://"})
    if (StartsWithNoCase(target, scheme) && target.size() > scheme.size())
      return std::string(target);
  if (StartsWithNoCase(target, "www.") && target.size() > 4) return "http://" + std::string(target);
  throw Error("Cannot open \"" + std::string(target) +
              "\": only web (http, https, ftp), mail and file addresses are opened");
}

std::string Argument(ShellTarget kind, std::string_view target) {
  if (target.empty()) throw Error("Nothing to open");
  // An argument vector ends each string at NUL, so the handler would get a
  // different target from the one shown to the user.
  if (target.find('\0') != std::string_view::npos)
    throw Error("Cannot open \"" + std::string(target.substr(0, target.find('\0'))) +
                "\": the name holds a NUL character");
  switch (kind) {
    case ShellTarget::Document:
      if (target.front() == '-') return "./" + std::string(target);
      return std::string(target);
    case ShellTarget::Url:
      return UrlArgument(target);
    case ShellTarget::Mail:
      if (StartsWithNoCase(target, "mailto:")) return std::string(target);
      return "mailto:" + std::string(target);
  }
  return std::string(target);
}

}  // namespace

std::vector<std::string> ShellArguments(const std::vector<std::string>& launcher, ShellTarget kind,
                                        std::string_view target) {
  std::vector<std::string> argv = launcher;
  argv.push_back(Argument(kind, target));
  return argv;
}

}  // namespace qs
