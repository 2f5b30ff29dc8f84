#include "textmodel/recoveryrecord.h"

#include <sys/stat.h>

#include <algorithm>
#include <utility>

#include "support/checksum.h"
#include "support/utf8.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

enum class EntryKind : std::uint8_t { Header = 1, Hunk = 2, State = 3 };

constexpr std::string_view kMagic = "quillon-recovery-1";
// An entry claiming more is damage, not a document.
constexpr std::uint32_t kMaxEntryBytes = 1U << 31;

void PutInt(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void PutBytes(std::string& out, std::string_view bytes) {
  PutInt(out, bytes.size(), 4);
  out.append(bytes);
}

// length, kind and payload, then the CRC of kind and payload.
std::string Framed(EntryKind kind, std::string_view payload) {
  std::string body(1, static_cast<char>(kind));
  body.append(payload);
  std::string entry;
  entry.reserve(body.size() + 8);
  PutInt(entry, body.size(), 4);
  entry.append(body);
  PutInt(entry, Crc32(body), 4);
  return entry;
}

// Reads little-endian fields; any read past the end sets failed for good.
class TFieldReader {
 public:
  explicit TFieldReader(std::string_view bytes) : m_bytes(bytes) {}
  std::uint64_t Int(int bytes) {
    if (!Has(static_cast<std::size_t>(bytes))) return 0;
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
      value |= static_cast<std::uint64_t>(static_cast<unsigned char>(m_bytes[m_pos + i]))
               << (8 * i);
    m_pos += static_cast<std::size_t>(bytes);
    return value;
  }
  std::string_view Bytes() {
    const std::size_t size = Int(4);
    if (!Has(size)) return {};
    const std::string_view out = m_bytes.substr(m_pos, size);
    m_pos += size;
    return out;
  }
  bool Failed() const noexcept { return m_failed; }
  bool AtEnd() const noexcept { return m_pos == m_bytes.size(); }
  std::size_t Position() const noexcept { return m_pos; }

 private:
  bool Has(std::size_t count) {
    if (!m_failed && m_bytes.size() - m_pos >= count) return true;
    m_failed = true;
    return false;
  }
  std::string_view m_bytes;
  std::size_t m_pos = 0;
  bool m_failed = false;
};

struct Entry {
  EntryKind kind;
  std::string_view payload;
};

// The next whole, undamaged entry; nothing at the end or at damage.
std::optional<Entry> NextEntry(std::string_view record, std::size_t& pos) {
  TFieldReader reader(record.substr(pos));
  const std::uint64_t length = reader.Int(4);
  if (reader.Failed() || length == 0 || length > kMaxEntryBytes ||
      record.size() - pos - 4 < length + 4)
    return std::nullopt;
  const std::string_view body = record.substr(pos + 4, length);
  TFieldReader crc(record.substr(pos + 4 + length, 4));
  if (crc.Int(4) != Crc32(body)) return std::nullopt;
  pos += 4 + length + 4;
  return Entry{static_cast<EntryKind>(body[0]), body.substr(1)};
}

bool ValidBreak(std::uint64_t value) {
  return value <= static_cast<int>(ofUnix);
}
bool ValidEncoding(std::uint64_t value) {
  return value <= static_cast<int>(Encoding::Koi8R);
}

// One hunk put in place of the lines it replaces; false when it does not fit.
bool ApplyHunk(std::string_view payload, std::vector<TRecoveredLine>& lines) {
  TFieldReader reader(payload);
  const std::uint64_t start = reader.Int(4);
  const std::uint64_t oldCount = reader.Int(4);
  const std::uint64_t newCount = reader.Int(4);
  if (reader.Failed() || start + oldCount > lines.size()) return false;
  std::vector<TRecoveredLine> fresh;
  fresh.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(newCount, payload.size())));
  for (std::uint64_t i = 0; i < newCount; ++i) {
    const std::uint64_t lineBreak = reader.Int(1);
    const std::string_view text = reader.Bytes();
    if (reader.Failed() || !ValidBreak(lineBreak)) return false;
    fresh.push_back({FromUtf8(text), static_cast<TOutFormatType>(lineBreak)});
  }
  if (!reader.AtEnd()) return false;
  const auto at = lines.begin() + static_cast<std::ptrdiff_t>(start);
  const std::size_t common = std::min<std::size_t>(oldCount, fresh.size());
  std::move(fresh.begin(), fresh.begin() + static_cast<std::ptrdiff_t>(common), at);
  if (oldCount > common)
    lines.erase(at + static_cast<std::ptrdiff_t>(common),
                at + static_cast<std::ptrdiff_t>(oldCount));
  else
    lines.insert(at + static_cast<std::ptrdiff_t>(common),
                 std::make_move_iterator(fresh.begin() + static_cast<std::ptrdiff_t>(common)),
                 std::make_move_iterator(fresh.end()));
  return true;
}

std::optional<TRecoveredState> ReadState(std::string_view payload, std::size_t lineCount) {
  TFieldReader reader(payload);
  TRecoveredState state;
  const std::uint64_t encoding = reader.Int(1);
  state.bom = reader.Int(1) != 0;
  const std::uint64_t outFormat = reader.Int(1);
  state.finalBreak = reader.Int(1) != 0;
  const std::uint64_t count = reader.Int(4);
  state.writtenUnix = static_cast<std::int64_t>(reader.Int(8));
  if (reader.Failed() || !reader.AtEnd() || !ValidEncoding(encoding) || !ValidBreak(outFormat) ||
      count != lineCount)
    return std::nullopt;
  state.encoding = static_cast<Encoding>(encoding);
  state.outFormat = static_cast<TOutFormatType>(outFormat);
  return state;
}

// Applies the entries before limit. clean tells that the text ends on a
// complete group; committedEnd is where the last complete group ends.
struct ReplayPass {
  TRecoveredText text;
  std::size_t committedEnd = 0;
  bool clean = true;
};

ReplayPass Replay(std::string_view record, std::vector<TRecoveredLine> lines, std::size_t limit) {
  ReplayPass pass;
  std::size_t pos = 0;
  if (!NextEntry(record, pos)) return pass;  // the header
  pass.committedEnd = pos;
  while (pos < limit) {
    const std::optional<Entry> entry = NextEntry(record, pos);
    if (!entry) break;
    if (entry->kind == EntryKind::Hunk) {
      pass.clean = false;
      if (!ApplyHunk(entry->payload, lines)) break;
    } else if (entry->kind == EntryKind::State) {
      const std::optional<TRecoveredState> state = ReadState(entry->payload, lines.size());
      if (!state) {
        pass.clean = false;
        break;
      }
      pass.text.state = *state;
      ++pass.text.groups;
      pass.committedEnd = pos;
      pass.clean = true;
    } else {
      pass.clean = false;
      break;
    }
  }
  pass.text.lines = std::move(lines);
  return pass;
}

template <typename EachLine>
std::uint64_t Digest(std::size_t count, bool finalBreak, EachLine line) {
  TDigest digest;
  for (std::size_t i = 0; i < count; ++i) {
    const auto [text, lineBreak] = line(i);
    for (const Char c : text) digest.Add(c);
    digest.Add(0x110000U + static_cast<unsigned>(lineBreak));
  }
  digest.Add(finalBreak ? 1 : 0);
  digest.Add(count);
  return digest.Value();
}

}  // namespace

std::optional<TFileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return TFileStamp{
      static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
      static_cast<std::uint64_t>(info.st_size),
      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::uint64_t DocumentDigest(const TCustomMemoSource& source) {
  return Digest(static_cast<std::size_t>(source.LineCount()), source.FinalLineBreak(),
                [&](std::size_t i) {
                  const auto line = static_cast<std::int32_t>(i);
                  return std::pair(source.StoredLine(line), source.GetLineItem(line)->LineBreak);
                });
}

std::uint64_t DocumentDigest(const std::vector<TRecoveredLine>& lines, bool finalBreak) {
  return Digest(lines.size(), finalBreak, [&](std::size_t i) {
    return std::pair(StringView(lines[i].text), lines[i].lineBreak);
  });
}

std::vector<TRecoveredLine> LinesOf(const TCustomMemoSource& source) {
  std::vector<TRecoveredLine> lines;
  lines.reserve(static_cast<std::size_t>(source.LineCount()));
  for (std::int32_t i = 0; i < source.LineCount(); ++i)
    lines.push_back({String(source.StoredLine(i)), source.GetLineItem(i)->LineBreak});
  return lines;
}

String JoinedText(const TRecoveredText& text) {
  String out;
  const std::size_t count = text.lines.size();
  for (std::size_t i = 0; i < count; ++i) {
    out += text.lines[i].text;
    if (i + 1 < count || text.state.finalBreak) out += LineBreakChars(text.lines[i].lineBreak);
  }
  return out;
}

std::string HeaderEntry(const TRecoveryHeader& header) {
  std::string payload;
  PutBytes(payload, kMagic);
  PutBytes(payload, header.documentPath);
  PutInt(payload, static_cast<std::uint32_t>(header.pid), 4);
  PutBytes(payload, header.processToken);
  PutInt(payload, header.hasBase ? 1 : 0, 1);
  PutInt(payload, header.baseStamp.device, 8);
  PutInt(payload, header.baseStamp.inode, 8);
  PutInt(payload, header.baseStamp.size, 8);
  PutInt(payload, static_cast<std::uint64_t>(header.baseStamp.modifiedNs), 8);
  PutInt(payload, header.baseDigest, 8);
  PutInt(payload, static_cast<std::uint64_t>(header.eightBitCodePage), 1);
  return Framed(EntryKind::Header, payload);
}

std::string HunkEntry(const TCustomMemoSource& source, const TLineHunk& hunk) {
  std::string payload;
  PutInt(payload, static_cast<std::uint32_t>(hunk.start), 4);
  PutInt(payload, static_cast<std::uint32_t>(hunk.oldCount), 4);
  PutInt(payload, static_cast<std::uint32_t>(hunk.newCount), 4);
  for (std::int32_t line = hunk.start; line < hunk.start + hunk.newCount; ++line) {
    PutInt(payload, static_cast<std::uint8_t>(source.GetLineItem(line)->LineBreak), 1);
    PutBytes(payload, ToUtf8(source.StoredLine(line)));
  }
  return Framed(EntryKind::Hunk, payload);
}

std::string StateEntry(const TCustomMemoSource& source, std::int64_t nowUnix) {
  std::string payload;
  PutInt(payload, static_cast<std::uint8_t>(source.FileEncoding()), 1);
  PutInt(payload, source.HasBom() ? 1 : 0, 1);
  PutInt(payload, static_cast<std::uint8_t>(source.OutFormat()), 1);
  PutInt(payload, source.FinalLineBreak() ? 1 : 0, 1);
  PutInt(payload, static_cast<std::uint32_t>(source.LineCount()), 4);
  PutInt(payload, static_cast<std::uint64_t>(nowUnix), 8);
  return Framed(EntryKind::State, payload);
}

std::optional<TRecoveryHeader> ReadRecoveryHeader(std::string_view record) {
  std::size_t pos = 0;
  const std::optional<Entry> entry = NextEntry(record, pos);
  if (!entry || entry->kind != EntryKind::Header) return std::nullopt;
  TFieldReader reader(entry->payload);
  if (reader.Bytes() != kMagic) return std::nullopt;
  TRecoveryHeader header;
  header.documentPath = std::string(reader.Bytes());
  header.pid = static_cast<int>(reader.Int(4));
  header.processToken = std::string(reader.Bytes());
  header.hasBase = reader.Int(1) != 0;
  header.baseStamp.device = reader.Int(8);
  header.baseStamp.inode = reader.Int(8);
  header.baseStamp.size = reader.Int(8);
  header.baseStamp.modifiedNs = static_cast<std::int64_t>(reader.Int(8));
  header.baseDigest = reader.Int(8);
  const std::uint64_t codePage = reader.Int(1);
  if (reader.Failed() || !reader.AtEnd() || !ValidEncoding(codePage)) return std::nullopt;
  header.eightBitCodePage = static_cast<Encoding>(codePage);
  return header;
}

TRecoveredText ReplayRecovery(std::string_view record, std::vector<TRecoveredLine> base) {
  // A first pass finds where the last complete group ends; only when entries
  // after it were applied does a second pass from the base stop there.
  const std::vector<TRecoveredLine> saved = base;
  ReplayPass first = Replay(record, std::move(base), record.size());
  if (first.clean) return std::move(first.text);
  return Replay(record, saved, first.committedEnd).text;
}

}  // namespace qs
