#include "platform/headlessshell.h"

namespace qs {

void HeadlessShell::Open(ShellTarget kind, const std::string& target) {
  // Built (and so validated) exactly as the real shell does, before recording.
  std::vector<std::string> argv = ShellArguments({std::string(kDesktopLauncher)}, kind, target);
  m_calls.push_back({kind, target, std::move(argv)});
}

}  // namespace qs
