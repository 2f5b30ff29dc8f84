#include "support/errorlog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <mutex>

#include "support/xdgfolders.h"

namespace qs {
namespace {

std::string TimeStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return std::string(text, n);
}

// A message may span lines; the log keeps one entry a line.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  return line;
}

// O_APPEND makes each entry one write at the file's end, whoever else
// appends. Returns 0 or the errno of the step that failed.
int AppendToFile(const std::string& path, const std::string& entry) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  int error = 0;
  errno = 0;
  if (::write(fd, entry.data(), entry.size()) != static_cast<ssize_t>(entry.size()))
    error = errno != 0 ? errno : EIO;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

std::string LogFileFromEnvironment() {
  if (const char* file = std::getenv("QUILLON_LOG_FILE"); file && *file) return file;
  const std::string folder = UserFolder(XdgFolder::State);
  return folder.empty() ? std::string() : folder + "/quillon.log";
}

void LogLine(std::string_view text) noexcept {
  try {
    static std::mutex mutex;
    static std::string last;
    const std::string line = OneLine(text);
    const std::lock_guard<std::mutex> lock(mutex);
    if (line == last) return;
    last = line;
    std::fprintf(stderr, "quillon: %s\n", line.c_str());
    const std::string path = LogFileFromEnvironment();
    if (path.empty()) return;
    if (const int error = AppendToFile(path, TimeStamp() + " " + line + "\n"); error != 0)
      std::fprintf(stderr, "quillon: cannot write the log file %s: %s\n", path.c_str(),
                   std::strerror(error));
  } catch (...) {
    // Out of memory for the line itself: a fixed text is all that is left.
    std::fputs("quillon: a failure could not be logged\n", stderr);
  }
}

}  // namespace qs
