#include "app/recoveryoffers.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "support/errorlog.h"
#include "support/errors.h"
#include "support/processtoken.h"
#include "support/utf8.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

constexpr std::string_view kRecordSuffix = ".recovery";

String LocalTime(std::int64_t unixSeconds) {
  const std::time_t time = static_cast<std::time_t>(unixSeconds);
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return FromUtf8(text);
}

// The saved text a record was written against, when the file still holds it.
std::optional<std::vector<TRecoveredLine>> UnchangedBase(const TRecoveryHeader& header) {
  if (!StampOf(header.documentPath)) return std::nullopt;
  TMemoSource base;
  base.SetEightBitCodePage(header.eightBitCodePage);
  base.LoadFromFile(header.documentPath);
  if (DocumentDigest(base) != header.baseDigest) return std::nullopt;
  return LinesOf(base);
}

// A record of the whole text: was the file left as it was when it began?
bool FileChangedSince(const TRecoveryHeader& header) {
  if (header.documentPath.empty()) return false;
  const std::optional<TFileStamp> now = StampOf(header.documentPath);
  return now ? *now != header.baseStamp : header.baseStamp != TFileStamp{};
}

}  // namespace

std::vector<TOrphanRecord> TakeOrphanRecords(const std::string& folder) {
  std::vector<std::string> paths;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > kRecordSuffix.size() && name.ends_with(kRecordSuffix))
      paths.push_back(entry.path().string());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<TOrphanRecord> records;
  for (const std::string& path : paths) {
    std::optional<TJournalFile> file = TJournalFile::TryTake(path);
    if (!file) continue;
    std::string bytes = file->ReadAll();
    std::optional<TRecoveryHeader> header = ReadRecoveryHeader(bytes);
    if (!header) {
      LogLine("Left alone an unreadable recovery record \"" + path + "\"");
      continue;
    }
    // Where locks are not kept (some network folders) the writer's id and
    // start token still tell a live writer.
    if (IsProcessAlive(header->pid, header->processToken)) continue;
    struct stat info {};
    const std::int64_t written = ::stat(path.c_str(), &info) == 0 ? info.st_mtim.tv_sec : 0;
    records.push_back({std::move(*file), std::move(*header), std::move(bytes), written});
  }
  return records;
}

TRecoveryOffer PrepareOffer(const TOrphanRecord& record) {
  TRecoveryOffer offer;
  if (!record.header.hasBase) {
    offer.fileChanged = FileChangedSince(record.header);
    offer.text = ReplayRecovery(record.bytes, {});
    return offer;
  }
  std::optional<std::vector<TRecoveredLine>> base;
  try {
    base = UnchangedBase(record.header);
  } catch (const Error&) {
    base.reset();  // unreadable now: not the text the changes apply to
  }
  if (!base) {
    offer.fileChanged = true;
    offer.recoverable = false;
    return offer;
  }
  offer.text = ReplayRecovery(record.bytes, std::move(*base));
  return offer;
}

String RecoveryQuestion(const TOrphanRecord& record, const TRecoveryOffer& offer) {
  const String name = record.header.documentPath.empty() ? String(U"Untitled")
                                                         : FromUtf8(record.header.documentPath);
  String text =
      U"Recover the unsaved changes to " + name + U" from " + LocalTime(record.writtenUnix) + U"?";
  if (offer.fileChanged && offer.recoverable)
    text +=
        U"\n\nThe file has changed on disk since then: the recovered text opens as an "
        U"untitled document.";
  else if (offer.fileChanged)
    text +=
        U"\n\nThe file has changed on disk since then, so the changes can no longer be "
        U"applied to it.";
  return text;
}

}  // namespace qs
