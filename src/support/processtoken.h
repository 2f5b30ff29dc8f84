// Telling a live process of ours from a dead one whose number was given to
// another: a process is named by its id and a token made of the boot's id and
// the process's start time, which no later process can share.
#pragma once

#include <string>

namespace qs {

// The token of the running process pid; empty when there is no such process.
[[nodiscard]] std::string ProcessStartToken(int pid);

// Whether the process pid that had token is still running.
[[nodiscard]] bool IsProcessAlive(int pid, const std::string& token);

}  // namespace qs
