#include "platform/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "support/errors.h"

extern char** environ;

namespace qs {
namespace {

struct SpawnActions {
  posix_spawn_file_actions_t actions;
  SpawnActions() { posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
};

}  // namespace

pid_t SpawnProcess(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) throw Error("No program to start");
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  SpawnActions spawn;
  posix_spawn_file_actions_addopen(&spawn.actions, 0, "/dev/null", O_RDONLY, 0);
  pid_t pid = 0;
  const int err = ::posix_spawnp(&pid, args[0], &spawn.actions, nullptr, args.data(), environ);
  if (err != 0)
    throw Error("Cannot start \"" + argv.front() + "\": " + std::string(std::strerror(err)));
  return pid;
}

int WaitProcess(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

void SpawnDetached(const std::vector<std::string>& argv) {
  const pid_t pid = SpawnProcess(argv);
  std::thread([pid] { WaitProcess(pid); }).detach();
}

}  // namespace qs
