#include "platform/memoryfilesystem.h"

#include "platform/filetime.h"
#include "platform/globmatch.h"
#include "support/errors.h"
#include "support/fileerror.h"

namespace qs {
namespace {

// "/a//b/./c/../d/" -> "/a/b/d"; a relative path is taken from "/".
std::string Normalise(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    const std::string_view part = path.substr(0, slash);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    if (slash == std::string_view::npos) break;
    path.remove_prefix(slash + 1);
  }
  std::string key;
  for (std::string_view part : parts) (key += '/') += part;
  return key.empty() ? "/" : key;
}

std::string ParentOf(const std::string& key) {
  const std::size_t slash = key.rfind('/');
  return slash == 0 ? "/" : key.substr(0, slash);
}

bool IsBelow(const std::string& key, const std::string& folder) {
  if (folder == "/") return key != "/";
  return key.size() > folder.size() && key.compare(0, folder.size(), folder) == 0 &&
         key[folder.size()] == '/';
}

// 2024-01-01 00:00 UTC: a plausible, fixed start so tests are repeatable.
constexpr TFileTime kStartTime = FileTimeFromUnix({1704067200, 0});

}  // namespace

MemoryFileSystem::MemoryFileSystem() : m_now(kStartTime) {
  m_nodes["/"].isDirectory = true;
  m_nodes["/tmp"].isDirectory = true;
}

bool MemoryFileSystem::TakeFault(FileFault fault) {
  return m_faults.erase(fault) > 0;
}

TFileTime MemoryFileSystem::Tick() {
  const TFileTime now = m_now;
  m_now += kFileTicksPerSecond;
  return now;
}

const MemoryFileSystem::Node& MemoryFileSystem::NodeOrFail(const std::string& key,
                                                           const char* what) const {
  const auto it = m_nodes.find(key);
  if (it == m_nodes.end()) FailOnFile(what, key, "No such file or directory");
  return it->second;
}

void MemoryFileSystem::RequireParentFolder(const std::string& key, const char* what) const {
  if (!IsDirectory(ParentOf(key))) FailOnFile(what, key, "No such file or directory");
}

std::string MemoryFileSystem::ReadFile(const std::string& path) {
  const std::string key = Normalise(path);
  const Node& node = NodeOrFail(key, "Cannot open file");
  if (node.isDirectory) FailOnFile("Cannot open file", key, "Is a directory");
  if (TakeFault(FileFault::Read)) FailOnFile("Cannot read file", key, "Input/output error");
  return node.bytes;
}

void MemoryFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::string key = Normalise(path);
  RequireParentFolder(key, "Cannot create file");
  const auto it = m_nodes.find(key);
  if (it != m_nodes.end() && it->second.isDirectory)
    FailOnFile("Cannot write file", key, "Is a directory");
  if (it != m_nodes.end() && it->second.readOnly)
    FailOnFile("Cannot write file", key, "Permission denied");
  if (TakeFault(FileFault::Write)) FailOnFile("Cannot write file", key, "No space left on device");
  Node& node = m_nodes[key];
  node.bytes.assign(bytes);
  node.time = Tick();
}

std::unique_ptr<TByteSource> MemoryFileSystem::OpenRead(const std::string& path) {
  return std::make_unique<TOwnedByteSource>(ReadFile(path));
}

void MemoryFileSystem::WriteFileWithBackup(const std::string& path, const std::string& backup,
                                           std::string_view bytes) {
  const std::string key = Normalise(path);
  const auto old = m_nodes.find(key);
  if (old != m_nodes.end() && !old->second.isDirectory && Normalise(backup) != key) {
    // The backup first: a failure there leaves the file as it was.
    const std::string previous = old->second.bytes;
    WriteFileAtomic(backup, previous);
  }
  WriteFileAtomic(path, bytes);
}

std::uint64_t MemoryFileSystem::FileSize(const std::string& path) const {
  return NodeOrFail(Normalise(path), "Cannot access file").bytes.size();
}

bool MemoryFileSystem::Exists(const std::string& path) const {
  return m_nodes.count(Normalise(path)) > 0;
}

bool MemoryFileSystem::IsDirectory(const std::string& path) const {
  const auto it = m_nodes.find(Normalise(path));
  return it != m_nodes.end() && it->second.isDirectory;
}

bool MemoryFileSystem::Delete(const std::string& path) {
  const std::string key = Normalise(path);
  const auto it = m_nodes.find(key);
  if (it == m_nodes.end()) return false;
  if (it->second.isDirectory) FailOnFile("Can't delete file", key, "Is a directory");
  if (TakeFault(FileFault::Delete)) FailOnFile("Can't delete file", key, "Permission denied");
  m_nodes.erase(it);
  return true;
}

void MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
  const std::string src = Normalise(from), dst = Normalise(to);
  const auto fail = [&](const char* reason) {
    throw Error("Can't rename file " + src + " to file " + dst + ": " + reason);
  };
  const auto it = m_nodes.find(src);
  if (it == m_nodes.end() || !IsDirectory(ParentOf(dst))) fail("No such file or directory");
  if (src == dst) return;
  if (IsBelow(dst, src)) fail("Invalid argument");
  const auto target = m_nodes.find(dst);
  if (target != m_nodes.end() && target->second.isDirectory) fail("Is a directory");
  if (target != m_nodes.end() && it->second.isDirectory) fail("Not a directory");
  if (TakeFault(FileFault::Rename)) fail("Permission denied");

  // Collect first: moving while iterating the map would skip or revisit entries.
  std::vector<std::pair<std::string, Node>> moved;
  for (auto node = m_nodes.begin(); node != m_nodes.end();) {
    if (node->first == src || IsBelow(node->first, src)) {
      moved.emplace_back(dst + node->first.substr(src.size()), std::move(node->second));
      node = m_nodes.erase(node);
    } else {
      ++node;
    }
  }
  for (auto& [key, node] : moved) m_nodes[key] = std::move(node);
}

void MemoryFileSystem::CreateDirectories(const std::string& path) {
  const std::string key = Normalise(path);
  std::vector<std::string> missing;
  for (std::string at = key; !IsDirectory(at); at = ParentOf(at)) {
    if (Exists(at)) FailOnFile("Cannot create folder", at, "Not a directory");
    missing.push_back(at);
  }
  for (const std::string& folder : missing) m_nodes[folder].isDirectory = true;
}

std::vector<std::string> MemoryFileSystem::ListDirectory(const std::string& folder,
                                                         std::string_view pattern) const {
  const std::string key = Normalise(folder);
  if (!IsDirectory(key)) FailOnFile("Cannot list folder", key, "No such file or directory");
  std::vector<std::string> names;
  for (const auto& [path, node] : m_nodes) {
    if (!IsBelow(path, key) || ParentOf(path) != key) continue;
    std::string name = path.substr(key == "/" ? 1 : key.size() + 1);
    if (MatchesGlob(name, pattern)) names.push_back(std::move(name));
  }
  SortListing(names);
  return names;
}

TFileTime MemoryFileSystem::LastWriteTime(const std::string& path) const {
  return NodeOrFail(Normalise(path), "Cannot access file").time;
}

void MemoryFileSystem::SetLastWriteTime(const std::string& path, TFileTime time) {
  const std::string key = Normalise(path);
  NodeOrFail(key, "Cannot set the time of file");
  m_nodes[key].time = time;
}

bool MemoryFileSystem::IsReadOnly(const std::string& path) const {
  return NodeOrFail(Normalise(path), "Cannot access file").readOnly;
}

void MemoryFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
  const std::string key = Normalise(path);
  NodeOrFail(key, "Cannot change file");
  m_nodes[key].readOnly = readOnly;
}

std::string MemoryFileSystem::UniqueTempName(const std::string& folder, std::string_view prefix) {
  const std::string dir = Normalise(folder.empty() ? TempDirectory() : folder);
  if (!IsDirectory(dir))
    FailOnFile("Can't create temporary filename in", dir, "No such file or directory");
  std::string name;
  do {
    name = JoinPath(dir, std::string(prefix) + std::to_string(++m_tempCounter) + ".tmp");
  } while (Exists(name));
  m_nodes[name].time = Tick();
  return name;
}

std::vector<std::string> MemoryFileSystem::AllFiles() const {
  std::vector<std::string> files;
  for (const auto& [path, node] : m_nodes)
    if (!node.isDirectory) files.push_back(path);
  return files;
}

}  // namespace qs
