#include "app/localwebserver.h"

#include <chrono>

#include "platform/loopback.h"
#include "platform/process.h"
#include "support/errors.h"

namespace qs {

namespace {

constexpr const char* kPhp = "php";
// PHP's server is up in well under a second; a slow machine gets some slack.
constexpr std::chrono::milliseconds kStartTimeout{5000};

}  // namespace

bool TPhpWebServer::Available() const {
  return !FindProgram(kPhp).empty();
}

void TPhpWebServer::Start(const std::string& root) {
  if (Running() && root == m_root) return;
  Stop();
  const int port = FreeLoopbackPort();
  const std::string address = "127.0.0.1:" + std::to_string(port);
  // Its request log would only clutter the program's own output.
  const pid_t pid = SpawnProcess({kPhp, "-S", address, "-t", root}, ChildOutput::Discard);
  if (!WaitForLoopbackListener(port, kStartTimeout)) {
    StopProcess(pid);
    throw Error("PHP's built-in web server did not start on " + address + " for \"" + root + "\"");
  }
  m_pid = pid;
  m_root = root;
  m_url = "http://" + address + "/";
}

void TPhpWebServer::Stop() noexcept {
  if (!Running()) return;
  StopProcess(m_pid);
  m_pid = 0;
  m_root.clear();
  m_url.clear();
}

}  // namespace qs
