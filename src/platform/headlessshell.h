// A shell for tests: it records what would be opened and the exact argument
// vector the real shell would start, and starts nothing.
#pragma once

#include "platform/shell.h"

namespace qs {

struct ShellCall {
  ShellTarget kind = ShellTarget::Document;
  std::string target;             // as the program passed it
  std::vector<std::string> argv;  // as the launcher would receive it
  bool operator==(const ShellCall&) const = default;
};

class HeadlessShell final : public IShell {
 public:
  void OpenDocument(const std::string& path) override { Open(ShellTarget::Document, path); }
  void OpenUrl(const std::string& url) override { Open(ShellTarget::Url, url); }
  void OpenMail(const std::string& address) override { Open(ShellTarget::Mail, address); }

  [[nodiscard]] const std::vector<ShellCall>& Calls() const { return m_calls; }
  void Clear() { m_calls.clear(); }

 private:
  void Open(ShellTarget kind, const std::string& target);
  std::vector<ShellCall> m_calls;
};

}  // namespace qs
