#include "support/hiddentemp.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>
#include <random>

#include "support/filepath.h"

namespace qs {
namespace {

constexpr std::string_view kMarker = ".quillon-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kMaxStemBytes = 200;
constexpr std::size_t kTagLength = 6;
constexpr std::size_t kMaxPidDigits = 10;
constexpr int kNameAttempts = 100;
constexpr std::string_view kTagAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string_view Stem(std::string_view targetName) {
  if (targetName.size() <= kMaxStemBytes) return targetName;
  std::size_t end = kMaxStemBytes;
  while (end > 0 && IsUtf8Continuation(targetName[end])) --end;
  return targetName.substr(0, end);
}

std::string Prefix(std::string_view targetName) {
  std::string prefix = ".";
  prefix += Stem(targetName);
  prefix += kMarker;
  return prefix;
}

bool IsTagCharacter(char c) {
  return kTagAlphabet.find(c) != std::string_view::npos;
}

std::optional<pid_t> ParsePid(std::string_view digits) {
  if (digits.empty() || digits.size() > kMaxPidDigits || digits.front() == '0') return {};
  long long value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return {};
    value = value * 10 + (c - '0');
  }
  if (value > INT_MAX) return {};
  return static_cast<pid_t>(value);
}

std::string RandomTag() {
  thread_local std::mt19937 engine{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, kTagAlphabet.size() - 1);
  std::string tag(kTagLength, '\0');
  for (char& c : tag) c = kTagAlphabet[pick(engine)];
  return tag;
}

bool ProcessIsGone(pid_t pid) {
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

std::string HiddenTemporaryName(std::string_view targetName, pid_t pid, std::string_view tag) {
  std::string name = Prefix(targetName);
  name += std::to_string(pid);
  name += '-';
  name += tag;
  name += kSuffix;
  return name;
}

std::optional<pid_t> WriterOfHiddenTemporary(std::string_view entryName,
                                             std::string_view targetName) {
  const std::string prefix = Prefix(targetName);
  if (entryName.substr(0, prefix.size()) != prefix) return {};
  std::string_view rest = entryName.substr(prefix.size());
  if (rest.size() < kSuffix.size() || rest.substr(rest.size() - kSuffix.size()) != kSuffix)
    return {};
  rest.remove_suffix(kSuffix.size());
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos) return {};
  const std::string_view tag = rest.substr(dash + 1);
  if (tag.size() != kTagLength) return {};
  for (char c : tag)
    if (!IsTagCharacter(c)) return {};
  return ParsePid(rest.substr(0, dash));
}

bool MakeUnderHiddenName(const std::string& target,
                         const std::function<bool(const std::string&)>& make, std::string& path) {
  const std::string folder = FolderOfPath(target);
  const std::string targetName = NameOfPath(target);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string name = HiddenTemporaryName(targetName, ::getpid(), RandomTag());
    std::string candidate = JoinToFolder(folder, name);
    if (make(candidate)) {
      path = std::move(candidate);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;  // errno is still EEXIST
}

HiddenTemporary::~HiddenTemporary() {
  m_fd.Close();
  if (!m_path.empty()) ::unlink(m_path.c_str());
}

bool HiddenTemporary::Create(const std::string& target, mode_t mode) {
  const auto open = [&](const std::string& candidate) {
    m_fd =
        UniqueFd(::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode));
    return m_fd.IsOpen();
  };
  return MakeUnderHiddenName(target, open, m_path);
}

void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = OpenableFolderOf(target);
  const std::string targetName = NameOfPath(target);
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::optional<pid_t> writer = WriterOfHiddenTemporary(entry->d_name, targetName);
    if (!writer || !ProcessIsGone(*writer)) continue;
    struct stat info;
    // Only files of ours: a folder or link of that name was made by someone else.
    if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode))
      (void)::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
  }
}

}  // namespace qs
