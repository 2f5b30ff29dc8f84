// The desktop's handlers, reached through a launcher program (xdg-open).
#pragma once

#include "platform/shell.h"

namespace qs {

class LocalShell final : public IShell {
 public:
  // launcher: the program and its leading arguments; tests put a harmless
  // program here.
  explicit LocalShell(std::vector<std::string> launcher = {std::string(kDesktopLauncher)})
      : m_launcher(std::move(launcher)) {}

  void OpenDocument(const std::string& path) override { Open(ShellTarget::Document, path); }
  void OpenUrl(const std::string& url) override { Open(ShellTarget::Url, url); }
  void OpenMail(const std::string& address) override { Open(ShellTarget::Mail, address); }

 private:
  void Open(ShellTarget kind, const std::string& target);
  std::vector<std::string> m_launcher;
};

}  // namespace qs
