#include "platform/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
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

pid_t SpawnProcess(const std::vector<std::string>& argv, ChildOutput output) {
  if (argv.empty() || argv.front().empty()) throw Error("No program to start");
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  SpawnActions spawn;
  posix_spawn_file_actions_addopen(&spawn.actions, 0, "/dev/null", O_RDONLY, 0);
  if (output == ChildOutput::Discard) {
    posix_spawn_file_actions_addopen(&spawn.actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&spawn.actions, 1, 2);
  }
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

void StopProcess(pid_t pid) noexcept {
  if (pid <= 0 || ::kill(pid, SIGTERM) != 0) return;
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + 1s;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) return;
    std::this_thread::sleep_for(10ms);
  }
  ::kill(pid, SIGKILL);
  WaitProcess(pid);
}

std::string FindProgram(std::string_view name) {
  const char* path = std::getenv("PATH");
  if (name.empty() || path == nullptr) return {};
  std::string_view folders(path);
  while (!folders.empty()) {
    const std::size_t colon = folders.find(':');
    const std::string_view folder = folders.substr(0, colon);
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty()) continue;
    const std::string candidate = std::string(folder) + "/" + std::string(name);
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}  // namespace qs
