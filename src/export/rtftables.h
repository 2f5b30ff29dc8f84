// The parts of an RTF document that are known only once the text has been
// walked: the font table, the colour table, and tables whose cell widths
// must precede their cells. Each gathers while tokens arrive and writes
// itself when the document ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/exporter.h"
#include "export/outputstream.h"

namespace qs {

// Text for an RTF destination: \, { and } escaped, a TAB as \tab, other
// control characters as \'hh, everything from U+0080 as \uN with "?" for
// readers that do not know \u (characters past U+FFFF as their two UTF-16
// halves). Appends to out.
void AppendRtfText(std::string& out, StringView text);

class TWriterFontObject {
 public:
  TWriterFontObject();
  // The index of the font, appended with its character set when the table
  // has no font of that name in any letter case.
  int IndexOf(StringView name, std::uint8_t charset);
  void SaveToStream(TOutputStream& stream) const;

 private:
  struct Font {
    String name;
    std::uint8_t charset;
  };
  std::vector<Font> m_fonts;
  int m_last = 0;  // runs ask for the same font again and again
};

// Entry 0 is the reader's automatic colour, so no real colour has index 0
// (\highlight0 and \cb0 mean "none").
class TWriterColorObject {
 public:
  int IndexOf(TColor color);
  void SaveToStream(TOutputStream& stream) const;

 private:
  std::vector<TRgb> m_colors;
  int m_last = 0;
};

// A table keeps its cells until it ends, since each row starts with the
// right edges of all its cells.
class TWriterTableObject {
 public:
  explicit TWriterTableObject(const TTableParams& params) : m_params(params) {}
  const TTableParams& Params() const noexcept { return m_params; }
  void BeginRow();
  // Width 0 means the default width; nothing without a row.
  void BeginCell(std::int32_t width);
  // A token of the current cell; dropped when there is no cell to take it.
  void CaptureToken(std::string_view token);
  void SaveToStream(TOutputStream& stream) const;

 private:
  struct Cell {
    std::int32_t width;
    std::string text;
  };
  struct Row {
    std::string header;
    std::vector<Cell> cells;
  };
  TTableParams m_params;
  std::vector<Row> m_rows;
};

}  // namespace qs
