#include "export/rtftables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "export/asciirun.h"
#include "support/unicodecase.h"

namespace qs {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kDefaultCellWidth = 250;
// Widths beyond this would overflow a reader's twips.
constexpr std::int32_t kMaxCellWidth = 100000;

void AppendHexEscape(std::string& out, unsigned value) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\'";
  out += kHex[(value >> 4) & 0xF];
  out += kHex[value & 0xF];
}

void AppendUnicode(std::string& out, unsigned unit) {
  // \u takes a signed 16-bit number.
  out += "\\u";
  out += std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit)));
  out += '?';
}

void WriteLine(TOutputStream& stream, std::string line) {
  line += kLineEnd;
  stream.Write(line);
}

// RTF has no name for "any character set"; the reader's default is ANSI.
int RtfCharset(std::uint8_t charset) {
  return charset == 1 ? 0 : charset;
}

// The last ";" ends a name in the font table, so one inside it is escaped.
std::string FontNameText(StringView name) {
  std::string out;
  for (const Char c : name) {
    if (c == U';')
      AppendHexEscape(out, ';');
    else
      AppendRtfText(out, StringView(&c, 1));
  }
  return out;
}

// ASCII that RTF text takes as it is.
constexpr bool IsPlainRtf(Char c) noexcept {
  return c >= 0x20 && c < 0x80 && c != U'\\' && c != U'{' && c != U'}';
}

void AppendRtfChar(std::string& out, Char c) {
  if (c == U'\\' || c == U'{' || c == U'}') {
    out += '\\';
    out += static_cast<char>(c);
  } else if (c == U'\t') {
    out += "\\tab ";
  } else if (c < 0x20 || c == 0x7F) {
    AppendHexEscape(out, c);
  } else if (c > 0xFFFF && c <= 0x10FFFF) {
    const Char v = c - 0x10000;
    AppendUnicode(out, 0xD800 + (v >> 10));
    AppendUnicode(out, 0xDC00 + (v & 0x3FF));
  } else {
    AppendUnicode(out, c > 0x10FFFF ? 0xFFFD : c);
  }
}

}  // namespace

void AppendRtfText(std::string& out, StringView text) {
  AppendConverted(out, text, IsPlainRtf, AppendRtfChar);
}

// ---- Fonts ------------------------------------------------------------------

TWriterFontObject::TWriterFontObject() {
  m_fonts.push_back({U"Times New Roman", 1});
}

int TWriterFontObject::IndexOf(StringView name, std::uint8_t charset) {
  const auto same = [&](const Font& f) {
    return f.name == name || ToLower(f.name) == ToLower(name);
  };
  if (same(m_fonts[static_cast<std::size_t>(m_last)])) return m_last;
  const auto found = std::find_if(m_fonts.begin(), m_fonts.end(), same);
  if (found != m_fonts.end()) {
    m_last = static_cast<int>(found - m_fonts.begin());
  } else {
    m_fonts.push_back({String(name), charset});
    m_last = static_cast<int>(m_fonts.size()) - 1;
  }
  return m_last;
}

// Font 0 is the reader's roman default; the editor's fonts are the modern
// (fixed-pitch) family, which a reader lacking the face falls back to.
void TWriterFontObject::SaveToStream(TOutputStream& stream) const {
  WriteLine(stream, "{\\fonttbl");
  for (std::size_t i = 0; i < m_fonts.size(); ++i) {
    const Font& font = m_fonts[i];
    WriteLine(stream, "{\\f" + std::to_string(i) + (i == 0 ? "\\froman" : "\\fmodern") +
                          "\\fcharset" + std::to_string(RtfCharset(font.charset)) + " " +
                          FontNameText(font.name) + ";}");
  }
  WriteLine(stream, "}");
}

// ---- Colours ----------------------------------------------------------------

int TWriterColorObject::IndexOf(TColor color) {
  const TRgb rgb = ResolveRgb(color);
  if (m_last > 0 && m_colors[static_cast<std::size_t>(m_last - 1)] == rgb) return m_last;
  auto found = std::find(m_colors.begin(), m_colors.end(), rgb);
  if (found == m_colors.end()) found = m_colors.insert(m_colors.end(), rgb);
  m_last = static_cast<int>(found - m_colors.begin()) + 1;
  return m_last;
}

void TWriterColorObject::SaveToStream(TOutputStream& stream) const {
  WriteLine(stream, "{\\colortbl;");
  for (const TRgb& c : m_colors)
    WriteLine(stream, "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) +
                          "\\blue" + std::to_string(c.blue) + ";");
  WriteLine(stream, "}");
}

// ---- Tables -----------------------------------------------------------------

namespace {

constexpr std::array<const char*, kFrameKinds> kBorderWords = {
    "void",
    "trbrdrt",
    "trbrdrb",
    "trbrdrh",
    "trbrdrl",
    "trbrdrr",
    "trbrdrv",
    "trbrdrt\\trbrdrb\\trbrdrh\\trbrdrl\\trbrdrr\\trbrdrv",
    "trbrdrt\\trbrdrb\\trbrdrh\\trbrdrl\\trbrdrr\\trbrdrv"};

}  // namespace

void TWriterTableObject::BeginRow() {
  const std::uint8_t frame = m_params.Frame < kFrameKinds ? m_params.Frame : 0;
  m_rows.push_back({std::string("{\\trowd\\") + kBorderWords[frame], {}});
}

void TWriterTableObject::BeginCell(std::int32_t width) {
  if (m_rows.empty()) return;
  if (width == 0) width = kDefaultCellWidth;
  m_rows.back().cells.push_back({std::clamp(width, 1, kMaxCellWidth), {}});
}

void TWriterTableObject::CaptureToken(std::string_view token) {
  if (m_rows.empty() || m_rows.back().cells.empty()) return;
  m_rows.back().cells.back().text.append(token);
}

void TWriterTableObject::SaveToStream(TOutputStream& stream) const {
  if (m_rows.empty()) {
    stream.Write("{");
    return;
  }
  WriteLine(stream, "{\\par");
  for (const Row& row : m_rows) {
    WriteLine(stream, row.header);
    std::int64_t sum = 0;
    for (const Cell& cell : row.cells) {
      sum += cell.width;
      WriteLine(stream,
                "\\cellx" + std::to_string(std::llround(static_cast<double>(sum) * 56.7 / 2)));
    }
    for (const Cell& cell : row.cells) WriteLine(stream, "\\pard \\intbl " + cell.text + "\\cell");
    WriteLine(stream, "\\row\\pard}");
  }
}

}  // namespace qs
