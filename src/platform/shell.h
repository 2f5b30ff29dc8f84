// Handing a document, web address or mail address to the desktop's own
// handler for it. Targets go to the handler as one argument each, never
// through a command interpreter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qs {

enum class ShellTarget { Document, Url, Mail };

// The desktop's opener of documents, addresses and mail links.
inline constexpr std::string_view kDesktopLauncher = "xdg-open";

class IShell {
 public:
  virtual ~IShell() = default;
  // Each throws qs::Error when the target is unusable or the handler cannot start.
  virtual void OpenDocument(const std::string& path) = 0;
  virtual void OpenUrl(const std::string& url) = 0;
  // "mailto:" is put in front unless the address starts with it (any case).
  virtual void OpenMail(const std::string& address) = 0;
};

// The argument vector that opens target with the launcher program (its own
// arguments first). Throws qs::Error for a target that cannot be passed
// safely: empty, holding a NUL byte, or a URL that would read as an option.
// A document path that would read as an option gets "./" in front.
[[nodiscard]] std::vector<std::string> ShellArguments(const std::vector<std::string>& launcher,
                                                      ShellTarget kind, std::string_view target);

}  // namespace qs
