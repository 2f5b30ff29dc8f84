// Starting a program with an argument vector, without a command interpreter.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace qs {

// Starts argv[0] (looked up in PATH when it has no "/") with argv, standard
// input from /dev/null. Throws qs::Error naming the program when it cannot start.
[[nodiscard]] pid_t SpawnProcess(const std::vector<std::string>& argv);

// Waits for the child and returns its exit status (128 + signal number when a
// signal ended it, -1 when it cannot be waited for).
int WaitProcess(pid_t pid);

// Starts argv and reaps the child in the background, so a launcher that exits
// at once leaves no zombie and one that lingers does not block the caller.
void SpawnDetached(const std::vector<std::string>& argv);

}  // namespace qs
