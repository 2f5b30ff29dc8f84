#include "support/processtoken.h"

#include <fstream>
#include <sstream>

namespace qs {
namespace {

std::string FirstLineOf(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// Field 22 of /proc/<pid>/stat, the start time in clock ticks since boot. The
// command name (field 2) may hold blanks and parentheses, so fields are
// counted from its closing parenthesis.
std::string StartTicks(int pid) {
  const std::string stat = FirstLineOf("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return {};
  std::istringstream fields(stat.substr(close + 1));
  std::string field;
  for (int index = 3; index <= 22 && fields >> field; ++index)
    if (index == 22) return field;
  return {};
}

}  // namespace

std::string ProcessStartToken(int pid) {
  if (pid <= 0) return {};
  const std::string ticks = StartTicks(pid);
  if (ticks.empty()) return {};
  return FirstLineOf("/proc/sys/kernel/random/boot_id") + ":" + ticks;
}

bool IsProcessAlive(int pid, const std::string& token) {
  return !token.empty() && ProcessStartToken(pid) == token;
}

}  // namespace qs
