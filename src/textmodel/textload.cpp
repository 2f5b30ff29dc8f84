#include "textmodel/textload.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "support/errors.h"
#include "support/utf8.h"
#include "textmodel/tabstops.h"

namespace qs {
namespace {

constexpr std::size_t kMaxLineChars = std::numeric_limits<std::int32_t>::max();

// Stores decoded lines: the text stays in the block it was decoded into unless
// the storing conversion has to rewrite it.
class LineSink {
 public:
  LineSink(TInternalStrings& list, const TLoadRules& rules) : m_list(list), m_rules(rules) {}

  Char* Reserve(std::size_t maxChars) {
    if (maxChars > kMaxLineChars) throw Error("The file has a line too long to edit");
    return m_list.Blocks().Reserve(maxChars);
  }

  void Store(Char* text, std::size_t size) {
    TStringItem& item = m_list.InsertItem(m_list.Count());
    const StringView view(text, size);
    if (!m_rules.storeTabs && view.find(kTab) != StringView::npos) {
      item.SetText(
          ConvertForStoring(view, false, m_rules.spacesInTab, !m_rules.keepTrailingBlanks));
      return;
    }
    const std::size_t kept = m_rules.keepTrailingBlanks ? size : TrimmedSize(view);
    m_list.Blocks().Commit(kept);
    item.TextStore().Borrow(text, static_cast<std::uint32_t>(kept));
  }

 private:
  TInternalStrings& m_list;
  const TLoadRules& m_rules;
};

// The end of the line starting at p, and where the next line starts.
std::pair<const char*, const char*> LineEnd(const char* p, const char* end) {
  const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
  const char* stop = lf ? static_cast<const char*>(lf) : end;
  const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(stop - p));
  if (cr) {
    const char* at = static_cast<const char*>(cr);
    return {at, at + 1 < end && at[1] == '\n' ? at + 2 : at + 1};
  }
  return {stop, lf ? stop + 1 : end};
}

// Returns false at the first ill-formed sequence: the file is then not UTF-8.
bool LoadUtf8(std::string_view bytes, LineSink& sink) {
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  while (p < end) {
    const auto [lineEnd, next] = LineEnd(p, end);
    const std::string_view line(p, static_cast<std::size_t>(lineEnd - p));
    Char* out = sink.Reserve(line.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < line.size();) {
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
    sink.Store(out, n);
    p = next;
  }
  return true;
}

void LoadEightBit(std::string_view bytes, Encoding codePage, LineSink& sink) {
  Char table[256];
  for (int b = 0; b < 256; ++b) table[b] = DecodeEightBit(static_cast<unsigned char>(b), codePage);
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  while (p < end) {
    const auto [lineEnd, next] = LineEnd(p, end);
    const auto size = static_cast<std::size_t>(lineEnd - p);
    Char* out = sink.Reserve(size);
    for (std::size_t i = 0; i < size; ++i) out[i] = table[static_cast<unsigned char>(p[i])];
    sink.Store(out, size);
    p = next;
  }
}

void LoadUtf16(std::string_view bytes, bool bigEndian, LineSink& sink) {
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t i) -> unsigned {
    const auto a = static_cast<unsigned char>(bytes[2 * i]);
    const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
    return bigEndian ? (a << 8) | b : (b << 8) | a;
  };
  std::size_t i = 0;
  while (i < units) {
    std::size_t stop = i;
    while (stop < units && unit(stop) != 0x0A && unit(stop) != 0x0D) ++stop;
    Char* out = sink.Reserve(stop - i);
    std::size_t n = 0;
    for (std::size_t k = i; k < stop; ++k) {
      const unsigned u = unit(k);
      if (u >= 0xD800 && u <= 0xDBFF && k + 1 < stop) {
        const unsigned low = unit(k + 1);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          out[n++] = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
          ++k;
          continue;
        }
      }
      out[n++] = u;  // a lone surrogate is kept as the unit it is, so it saves back unchanged
    }
    sink.Store(out, n);
    i = stop;
    if (i < units) {
      const unsigned lineBreak = unit(i++);
      if (lineBreak == 0x0D && i < units && unit(i) == 0x0A) ++i;
    }
  }
}

}  // namespace

std::size_t TrimmedSize(StringView text) noexcept {
  std::size_t n = text.size();
  while (n > 0 && text[n - 1] <= U' ') --n;
  return n;
}

String ConvertForStoring(StringView text, bool storeTabs, int spacesInTab, bool cutTrailing) {
  String out;
  if (storeTabs) {
    out.assign(text);
  } else {
    out.reserve(text.size());
    for (Char c : text) {
      if (c == kTab)
        out.append(static_cast<std::size_t>(spacesInTab), U' ');
      else
        out.push_back(c);
    }
  }
  if (cutTrailing) out.resize(TrimmedSize(out));
  return out;
}

TLoadResult DecodeIntoLines(std::string_view bytes, const TLoadRules& rules,
                            TInternalStrings& into) {
  LineSink sink(into, rules);
  const BomInfo bom = DetectBom(bytes);
  const std::string_view body = bytes.substr(bom.length);
  if (bom.length > 0 && bom.encoding != Encoding::Utf8 && body.size() % 2 == 0) {
    LoadUtf16(body, bom.encoding == Encoding::Utf16BE, sink);
    return {bom.encoding, true};
  }
  if (bom.length > 0 && bom.encoding == Encoding::Utf8) {
    if (LoadUtf8(body, sink)) return {Encoding::Utf8, true};
  } else if (LoadUtf8(bytes, sink)) {
    return {Encoding::Utf8, false};
  }
  // Not UTF-8 after all (or a damaged BOM): every byte is one character.
  into.Clear();
  LoadEightBit(bytes, rules.eightBitCodePage, sink);
  return {rules.eightBitCodePage, false};
}

}  // namespace qs
