// Starting a program with an argument vector, without a command interpreter.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace qs {

enum class ChildOutput { Inherit, Discard };

// Starts argv[0] (looked up in PATH when it has no "/") with argv, standard
// input from /dev/null, its output ours or discarded. Throws qs::Error naming
// the program when it cannot start.
[[nodiscard]] pid_t SpawnProcess(const std::vector<std::string>& argv,
                                 ChildOutput output = ChildOutput::Inherit);

// Waits for the child and returns its exit status (128 + signal number when a
// signal ended it, -1 when it cannot be waited for).
int WaitProcess(pid_t pid);

// Starts argv and reaps the child in the background, so a launcher that exits
// at once leaves no zombie and one that lingers does not block the caller.
void SpawnDetached(const std::vector<std::string>& argv);

// Asks a child started by SpawnProcess to end (SIGTERM), kills it when it
// has not ended after a second, and reaps it.
void StopProcess(pid_t pid) noexcept;

// The path of an executable file of that name in a folder of PATH, or empty.
[[nodiscard]] std::string FindProgram(std::string_view name);

}  // namespace qs
