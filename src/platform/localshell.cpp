#include "platform/localshell.h"

#include "platform/process.h"

namespace qs {

void LocalShell::Open(ShellTarget kind, const std::string& target) {
  SpawnDetached(ShellArguments(m_launcher, kind, target));
}

}  // namespace qs
