// The recovery record of a document's unsaved changes: a header naming the
// document and the saved text the changes apply to, then groups of replaced
// line runs, each group closed by the document's state after it. Every entry
// carries its length and checksum, so a record cut short at any byte or
// damaged is read up to its last whole group and never further.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/encoding.h"
#include "support/qschar.h"
#include "textmodel/changedlines.h"
#include "textmodel/memotypes.h"

namespace qs {

class TCustomMemoSource;

// What tells a saved file from a changed one without reading it.
struct TFileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const TFileStamp&) const = default;
};
// Nothing when there is no regular file at path.
[[nodiscard]] std::optional<TFileStamp> StampOf(const std::string& path);

struct TRecoveryHeader {
  std::string documentPath;  // empty for an untitled document
  int pid = 0;               // the writer and its start token
  std::string processToken;
  // The saved file the changes apply to; without one they start from no text.
  bool hasBase = false;
  TFileStamp baseStamp;
  std::uint64_t baseDigest = 0;                       // DocumentDigest of the text as saved
  Encoding eightBitCodePage = Encoding::Windows1252;  // what the base is read with
};

struct TRecoveredLine {
  String text;
  TOutFormatType lineBreak = ofUnix;
  bool operator==(const TRecoveredLine&) const = default;
};

struct TRecoveredState {
  Encoding encoding = Encoding::Utf8;
  bool bom = false;
  TOutFormatType outFormat = ofUnix;
  bool finalBreak = true;
  std::int64_t writtenUnix = 0;  // when the group was written, seconds since 1970
};

// The text a record brings back.
struct TRecoveredText {
  std::vector<TRecoveredLine> lines;
  TRecoveredState state;
  int groups = 0;  // complete groups applied
};

// The digest of a document's stored lines, their breaks and its final break.
[[nodiscard]] std::uint64_t DocumentDigest(const TCustomMemoSource& source);
[[nodiscard]] std::uint64_t DocumentDigest(const std::vector<TRecoveredLine>& lines,
                                           bool finalBreak);
// The document's lines as a record holds them.
[[nodiscard]] std::vector<TRecoveredLine> LinesOf(const TCustomMemoSource& source);
// The lines with their breaks as one text, for a bulk load.
[[nodiscard]] String JoinedText(const TRecoveredText& text);

// ---- Writing: each returns one complete entry ----------------------------
[[nodiscard]] std::string HeaderEntry(const TRecoveryHeader& header);
// The run's lines as they are now in source.
[[nodiscard]] std::string HunkEntry(const TCustomMemoSource& source, const TLineHunk& hunk);
// Closes a group.
[[nodiscard]] std::string StateEntry(const TCustomMemoSource& source, std::int64_t nowUnix);

// ---- Reading --------------------------------------------------------------
// The header of a record; nothing when the bytes do not start with one.
[[nodiscard]] std::optional<TRecoveryHeader> ReadRecoveryHeader(std::string_view record);
// Applies the record's complete groups to base (the saved text, or nothing
// when the record has no base) and stops at the first entry that is cut
// short, damaged or does not fit the text.
[[nodiscard]] TRecoveredText ReplayRecovery(std::string_view record,
                                            std::vector<TRecoveredLine> base);

}  // namespace qs
