#include "textmodel/textload.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include "support/errors.h"
#include "support/utf8.h"
#include "textmodel/tabstops.h"

namespace qs {
namespace {

constexpr std::size_t kMaxLineChars = std::numeric_limits<std::int32_t>::max();

// Stores decoded lines as they are: the text stays in the block it was
// decoded into, and each record takes the break that ended its line.
class LineSink {
 public:
  explicit LineSink(TInternalStrings& list) : m_list(list) {}

  Char* Reserve(std::size_t maxChars) {
    if (maxChars > kMaxLineChars) throw Error("The file has a line too long to edit");
    return m_list.Blocks().Reserve(maxChars);
  }

  void Store(Char* text, std::size_t size, std::optional<TOutFormatType> lineBreak) {
    TStringItem& item = m_list.InsertItem(m_list.Count());
    m_list.Blocks().Commit(size);
    item.TextStore().Borrow(text, static_cast<std::uint32_t>(size));
    m_lastHadBreak = lineBreak.has_value();
    if (lineBreak) item.LineBreak = *lineBreak;
  }

  bool LastHadBreak() const noexcept { return m_lastHadBreak; }

 private:
  TInternalStrings& m_list;
  bool m_lastHadBreak = true;
};

// The break most lines end with; the first one met wins a tie.
TOutFormatType MajorityBreak(const TInternalStrings& list, std::int32_t breaks) {
  std::int64_t counts[3] = {};
  std::optional<TOutFormatType> first;
  for (std::int32_t i = 0; i < breaks; ++i) {
    const TOutFormatType b = list.Item(i)->LineBreak;
    if (!first) first = b;
    ++counts[static_cast<int>(b)];
  }
  if (!first) return ofUnix;
  TOutFormatType best = *first;
  for (TOutFormatType b : {ofWindows, ofMac, ofUnix})
    if (counts[static_cast<int>(b)] > counts[static_cast<int>(best)]) best = b;
  return best;
}

void FinishBreaks(TInternalStrings& list, bool lastHadBreak, TLoadResult& result) {
  const std::int32_t count = list.Count();
  result.finalBreak = count == 0 || lastHadBreak;
  const std::int32_t breaks = result.finalBreak ? count : count - 1;
  result.lineBreak = MajorityBreak(list, breaks);
  result.lineBreakCount = breaks;
  // A last line without a break takes the document's, for when lines follow it.
  if (!result.finalBreak) list.Item(count - 1)->LineBreak = result.lineBreak;
}

// Returns false at the first ill-formed sequence: the file is then not UTF-8.
bool LoadUtf8(TChunkedLines& lines, LineSink& sink) {
  std::string_view line;
  while (lines.Next(line)) {
    Char* out = sink.Reserve(line.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < line.size();) {
      // Eight ASCII bytes at a time: most text is ASCII, and this widens well.
      while (i + 8 <= line.size()) {
        std::uint64_t word;
        std::memcpy(&word, line.data() + i, 8);
        if (word & 0x8080808080808080ull) break;
        for (int k = 0; k < 8; ++k) out[n + k] = static_cast<unsigned char>(line[i + k]);
        n += 8;
        i += 8;
      }
      if (i >= line.size()) break;
      const auto b = static_cast<unsigned char>(line[i]);
      if (b < 0x80) {
        out[n++] = b;
        ++i;
        continue;
      }
      bool valid = true;
      out[n++] = DecodeUtf8At(line, i, valid);
      if (!valid) return false;
    }
    sink.Store(out, n, lines.LastBreak());
  }
  return true;
}

void LoadEightBit(TChunkedLines& lines, Encoding codePage, LineSink& sink) {
  std::string allBytes(256, '\0');
  for (int b = 0; b < 256; ++b) allBytes[static_cast<std::size_t>(b)] = static_cast<char>(b);
  String table;
  DecodeAppend(allBytes, codePage, table);  // one character per byte
  std::string_view line;
  while (lines.Next(line)) {
    Char* out = sink.Reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i)
      out[i] = table[static_cast<unsigned char>(line[i])];
    sink.Store(out, line.size(), lines.LastBreak());
  }
}

// Returns false when the bytes do not pair up or hold a lone surrogate: the
// file is then read byte for byte, so that it still saves back unchanged.
bool LoadUtf16(TChunkedLines& lines, bool bigEndian, LineSink& sink) {
  std::string_view line;
  while (lines.Next(line)) {
    const auto unit = [&](std::size_t i) -> unsigned {
      const auto a = static_cast<unsigned char>(line[2 * i]);
      const auto b = static_cast<unsigned char>(line[2 * i + 1]);
      return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    const std::size_t units = line.size() / 2;
    Char* out = sink.Reserve(units);
    std::size_t n = 0;
    for (std::size_t k = 0; k < units; ++k) {
      const unsigned u = unit(k);
      if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
        const unsigned low = unit(k + 1);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          out[n++] = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
          ++k;
          continue;
        }
      }
      if (u >= 0xD800 && u <= 0xDFFF) return false;  // a lone surrogate: not clean UTF-16
      out[n++] = u;
    }
    sink.Store(out, n, lines.LastBreak());
  }
  return !lines.OddTail();
}

}  // namespace

std::size_t TrimmedSize(StringView text) noexcept {
  std::size_t n = text.size();
  while (n > 0 && text[n - 1] <= U' ') --n;
  return n;
}

String ConvertForStoring(StringView text, bool storeTabs, int spacesInTab) {
  if (storeTabs) return String(text);
  String out;
  out.reserve(text.size());
  for (Char c : text) {
    if (c == kTab)
      out.append(static_cast<std::size_t>(spacesInTab), U' ');
    else
      out.push_back(c);
  }
  return out;
}

namespace {

bool IsUtf16(Encoding encoding) {
  return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

TLoadResult Decode(TByteSource& bytes, const TLoadRules& rules, TInternalStrings& into,
                   LineSink& sink) {
  char head[4096] = {};
  bytes.Rewind();
  std::size_t got = 0;
  while (got < sizeof head) {
    const std::size_t n = bytes.Read(head + got, sizeof head - got);
    if (n == 0) break;
    got += n;
  }
  // The head gives the BOM, or UTF-16 without one; the rest of the choice
  // needs every byte.
  const DetectedEncoding found = DetectEncoding(std::string_view(head, got));
  const struct {
    Encoding encoding;
    std::size_t length;
  } bom{found.encoding, found.bom ? found.bomLength : 0};
  using Unit = TChunkedLines::Unit;
  if (!found.bom && IsUtf16(found.encoding)) {
    const bool be = found.encoding == Encoding::Utf16BE;
    TChunkedLines lines(bytes, 0, be ? Unit::Utf16BE : Unit::Utf16LE);
    if (LoadUtf16(lines, be, sink)) return {found.encoding, false};
    into.Clear();  // not clean UTF-16 past its head: read it as bytes below
  }
  if (bom.length > 0 && bom.encoding != Encoding::Utf8) {
    const bool be = bom.encoding == Encoding::Utf16BE;
    TChunkedLines lines(bytes, bom.length, be ? Unit::Utf16BE : Unit::Utf16LE);
    if (LoadUtf16(lines, be, sink)) return {bom.encoding, true};
    into.Clear();  // an odd length: not UTF-16 after all
  } else {
    TChunkedLines lines(bytes, bom.length, Unit::Byte);
    if (LoadUtf8(lines, sink)) return {Encoding::Utf8, bom.length > 0};
    into.Clear();
  }
  if (bom.length == 0 || bom.encoding != Encoding::Utf8) {
    // No BOM, or an odd UTF-16 one: the bytes may still be UTF-8.
    TChunkedLines lines(bytes, 0, Unit::Byte);
    if (bom.length > 0 && LoadUtf8(lines, sink)) return {Encoding::Utf8, false};
    into.Clear();
  }
  // Every byte is one character of the 8-bit code page.
  TChunkedLines lines(bytes, 0, Unit::Byte);
  LoadEightBit(lines, rules.eightBitCodePage, sink);
  return {rules.eightBitCodePage, false};
}

}  // namespace

TLoadResult DecodeIntoLines(TByteSource& bytes, const TLoadRules& rules, TInternalStrings& into) {
  LineSink sink(into);
  TLoadResult result = Decode(bytes, rules, into, sink);
  FinishBreaks(into, sink.LastHadBreak(), result);
  return result;
}

TLoadResult SplitIntoLines(StringView text, TInternalStrings& into) {
  LineSink sink(into);
  std::size_t start = 0;
  const auto store = [&](std::size_t end, std::optional<TOutFormatType> lineBreak) {
    Char* out = sink.Reserve(end - start);
    std::copy(text.begin() + static_cast<std::ptrdiff_t>(start),
              text.begin() + static_cast<std::ptrdiff_t>(end), out);
    sink.Store(out, end - start, lineBreak);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    if (c != U'\r' && c != U'\n') continue;
    const bool crlf = c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n';
    store(i, crlf ? ofWindows : c == U'\r' ? ofMac : ofUnix);
    if (crlf) ++i;
    start = i + 1;
  }
  if (start < text.size()) store(text.size(), std::nullopt);
  TLoadResult result;
  FinishBreaks(into, sink.LastHadBreak(), result);
  return result;
}

TLoadResult DecodeIntoLines(std::string_view bytes, const TLoadRules& rules,
                            TInternalStrings& into) {
  TMemoryByteSource source(bytes);
  return DecodeIntoLines(source, rules, into);
}

}  // namespace qs
