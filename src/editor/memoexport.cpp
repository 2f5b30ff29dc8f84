// The export walk: the document's lines (or the selection's), split into
// runs that the control paints alike, handed to an exporter as calls.
#include <array>
#include <optional>

#include "editor/canvasfontmeasure.h"
#include "editor/qsmemo.h"
#include "export/htmlexporter.h"
#include "export/rtfexporter.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "support/unicodecase.h"

namespace qs {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kUrlStyle = 17;

int PointsOf(const FontSpec& font) {
  return font.height != 0 ? PointsFromHeight(font.height, kScreenDpi) : font.size;
}

bool SameLook(const TRunLook& a, const TRunLook& b) {
  return a.font == b.font && a.foreground == b.foreground && a.background == b.background &&
         a.upperCase == b.upperCase;
}

// Which opening and closing calls a run (or the document) gets.
struct TMarks {
  bool name = false, size = false, color = false, background = false;
  bool bold = false, italic = false, underline = false, strikeOut = false;
};

TMarks StyleMarks(const FontSpec& font) {
  TMarks marks;
  marks.bold = font.bold;
  marks.italic = font.italic;
  marks.underline = font.underline;
  marks.strikeOut = font.strikeOut;
  return marks;
}

void OpenRun(TQSExporter& e, const TMarks& m, const TRunLook& look, int points) {
  if (m.name) e.BeginFont(look.font.name, static_cast<std::uint8_t>(look.font.charset));
  if (m.size) e.BeginFontSize(points);
  if (m.bold) e.BeginBold();
  if (m.italic) e.BeginItalic();
  if (m.underline) e.BeginUnderline();
  if (m.strikeOut) e.BeginStrikeOut();
  if (m.color) e.BeginFontColor(look.foreground);
  if (m.background) e.BeginBackColor(look.background);
}

void CloseRun(TQSExporter& e, const TMarks& m) {
  if (m.background) e.EndBackColor();
  if (m.color) e.EndFontColor();
  if (m.strikeOut) e.EndStrikeOut();
  if (m.underline) e.EndUnderline();
  if (m.italic) e.EndItalic();
  if (m.bold) e.EndBold();
  if (m.size) e.EndFontSize();
  if (m.name) e.EndFont();
}

}  // namespace

class TExportWalk {
 public:
  TExportWalk(TCustomQSMemo& memo, TQSExporter& exporter, bool selectionOnly)
      : m_memo(memo),
        m_source(memo.Source()),
        m_exporter(exporter),
        m_selectionOnly(selectionOnly),
        m_keepsTabs(exporter.KeepsTabs()),
        m_syntaxColors(memo.ShowsStyleBytes()),
        m_highlighted(m_syntaxColors || m_source.HighlightUrls()) {}

  void Run() {
    m_exporter.BeginDocument(m_source.EditedName());
    const TLookContext context = Context(-1);
    m_exporter.BeginPageColor(context.controlColor);
    m_documentLook = ControlLook(context);
    // The control's background under all text, so light text on a dark
    // control stays readable where the format has no page colour.
    m_documentMarks = m_highlighted ? TMarks{} : StyleMarks(m_documentLook.font);
    m_documentMarks.name = m_documentMarks.size = m_documentMarks.color = true;
    m_documentMarks.background = true;
    OpenRun(m_exporter, m_documentMarks, m_documentLook, PointsOf(m_documentLook.font));
    try {
      WalkLines();
    } catch (...) {
      CloseDocumentQuietly();
      throw;
    }
    CloseDocument();
  }

 private:
  // What the walk writes of a line: views of the stored line, or of the
  // walk's own buffers when TABs had to be expanded.
  struct TLinePart {
    StringView text;
    std::string_view styles;
    std::size_t from = 0, to = 0;  // [from, to) of text
    bool Empty() const noexcept { return from >= to; }
  };
  // Kept from line to line, so that a line costs no allocation of its own.
  struct TLineBuffers {
    String text;
    std::string styles;
  };
  // A look with what every run in it needs again.
  struct TLook {
    TRunLook look;
    int points = 0;
  };

  TLookContext Context(std::int32_t line) const {
    TLookContext context = m_memo.LookContext(line);
    context.disabled = false;  // a greyed control exports its real colours
    return context;
  }

  TRunLook ControlLook(const TLookContext& context) const {
    TRunLook look;
    look.font = ToFontSpec(m_memo.m_font);
    look.foreground = ResolveColor(m_memo.m_font.Color(), clWindowText);
    look.background = ResolveColor(context.controlColor, clWindow);
    return look;
  }

  void CloseDocument() {
    CloseRun(m_exporter, m_documentMarks);
    m_exporter.EndPageColor();
    m_exporter.EndDocument();
  }

  // The walk's own failure is the one the caller hears of.
  void CloseDocumentQuietly() noexcept {
    try {
      CloseDocument();
    } catch (...) {
      LogCaughtFailure("closing an export after a failure");
    }
  }

  void WalkLines() {
    std::int32_t first = 0;
    std::int32_t last = m_source.LineCount() - 1;
    if (m_selectionOnly) {
      if (!m_source.HasSelection()) return;
      first = m_source.BlockBegin().Line;
      last = std::min(m_source.BlockEnd().Line, last);
    }
    for (std::int32_t line = first; line <= last; ++line) {
      if (line > first) m_exporter.LineBreak();
      if (m_highlighted)
        line = WriteHighlightedLine(line, last);
      else
        WritePlainLine(line);
    }
  }

  // The part of line the walk writes. The text is stored with its TABs
  // unless the exporter wants them expanded and the line has one.
  TLinePart Part(std::int32_t line, bool withStyles, TLineBuffers& buffers) {
    TLinePart part;
    const bool expand = !m_keepsTabs && m_source.StoredLine(line).find(U'\t') != StringView::npos;
    if (withStyles) {
      // Highlighting the line first, as it may parse ahead.
      buffers.styles = expand ? m_source.GetExpandedStyleBytes(line) : m_source.GetStyleBytes(line);
      part.styles = buffers.styles;
    }
    if (expand) {
      buffers.text = m_source.ExpandedLine(line);
      part.text = buffers.text;
    } else {
      part.text = m_source.StoredLine(line);
    }
    part.to = part.text.size();
    if (!m_selectionOnly) return part;
    const auto [fromColumn, toColumn] = m_source.SelectedRange(line);
    part.from = Index(part.text, fromColumn);
    part.to = Index(part.text, toColumn);
    return part;
  }

  // A column of the expanded line as a place in the line the walk reads.
  std::size_t Index(StringView text, std::int32_t column) const {
    std::int64_t index = column;
    if (m_keepsTabs) index = m_source.ColumnToIndex(text, column) - 1;
    return static_cast<std::size_t>(std::clamp<std::int64_t>(index, 0, std::ssize(text)));
  }

  void WriteText(StringView text, bool upperCase) {
    if (text.empty()) return;
    if (upperCase) {
      m_exporter.ConvertString(ToUpper(text), m_converted);
    } else {
      m_exporter.ConvertString(text, m_converted);
    }
    if (m_memo.OnExportString) m_memo.OnExportString(m_exporter, m_converted);
    m_exporter.WriteString(m_converted);
  }

  void WritePlainLine(std::int32_t line) {
    const TLinePart part = Part(line, false, m_line);
    if (!part.Empty()) WriteText(part.text.substr(part.from, part.to - part.from), false);
  }

  // Writes line and the empty lines after it that share its last run's
  // formatting; returns the last line written.
  std::int32_t WriteHighlightedLine(std::int32_t line, std::int32_t last) {
    const TLinePart part = Part(line, true, m_line);
    if (part.Empty()) return line;
    PrepareLooks(line);
    int previous = -1;
    std::size_t i = part.from;
    while (i < part.to) {
      const int look = LookIdAt(part, i);
      std::size_t end = i + 1;
      while (end < part.to && LookIdAt(part, end) == look) ++end;
      const TLook& run = m_looks[static_cast<std::size_t>(look)];
      const TMarks& marks = MarksBetween(previous, look);
      OpenRun(m_exporter, marks, run.look, run.points);
      WriteText(part.text.substr(i, end - i), run.look.upperCase);
      if (end == part.to) line = WriteFollowingEmptyLines(line, last);
      CloseRun(m_exporter, marks);
      previous = look;
      i = end;
    }
    return line;
  }

  std::int32_t WriteFollowingEmptyLines(std::int32_t line, std::int32_t last) {
    while (line < last && WritesNothing(line + 1)) {
      m_exporter.LineBreak();
      ++line;
    }
    return line;
  }

  // A stored line with text writes some unless the selection leaves it out.
  bool WritesNothing(std::int32_t line) {
    if (m_source.StoredLine(line).empty()) return true;
    return m_selectionOnly && Part(line, false, m_lookahead).Empty();
  }

  // The marks of a run of look after a run of previous (-1: the line's
  // first run), worked out once per pair.
  const TMarks& MarksBetween(int previous, int look) {
    const std::size_t count = m_looks.size();
    const std::size_t at =
        static_cast<std::size_t>(previous + 1) * count + static_cast<std::size_t>(look);
    std::optional<TMarks>& marks = m_marks[at];
    if (!marks)
      marks = RunMarks(m_looks[static_cast<std::size_t>(look)],
                       previous < 0 ? nullptr : &m_looks[static_cast<std::size_t>(previous)]);
    return *marks;
  }

  TMarks RunMarks(const TLook& run, const TLook* previous) const {
    const TRunLook& look = run.look;
    TMarks marks = StyleMarks(look.font);
    const TRunLook& doc = m_documentLook;
    marks.name =
        !previous || look.font.name != previous->look.font.name || look.font.name != doc.font.name;
    marks.size = !previous || run.points != previous->points || run.points != PointsOf(doc.font);
    marks.color = !previous || look.foreground != previous->look.foreground ||
                  look.foreground != doc.foreground;
    marks.background = look.background != doc.background;
    return marks;
  }

  // The painter's rule: without syntax colours only URL marks keep their
  // style, and the rest is the control's own text.
  int EffectiveStyle(unsigned char byte) const {
    return !m_syntaxColors && byte != kUrlStyle ? 0 : byte;
  }

  int LookIdAt(const TLinePart& part, std::size_t i) const {
    const unsigned char byte =
        i < part.styles.size() ? static_cast<unsigned char>(part.styles[i]) : 0;
    return m_lookIds[byte];
  }

  // Gives every style byte the id of the first byte painted alike, for the
  // line style of line (most documents have none, so this runs once).
  void PrepareLooks(std::int32_t line) {
    const int lineStyle = m_source.GetLineStyle(line);
    if (m_preparedLineStyle == lineStyle) return;
    m_preparedLineStyle = lineStyle;
    const TLookContext context = Context(line);
    m_looks.clear();
    for (int byte = 0; byte < 256; ++byte) {
      const int style = EffectiveStyle(static_cast<unsigned char>(byte));
      const TRunLook look = style == 0 && !m_syntaxColors ? ControlLook(context)
                                                          : RunLook(context, style, false, false);
      int id = 0;
      while (id < static_cast<int>(m_looks.size()) &&
             !SameLook(m_looks[static_cast<std::size_t>(id)].look, look))
        ++id;
      if (id == static_cast<int>(m_looks.size())) m_looks.push_back({look, PointsOf(look.font)});
      m_lookIds[static_cast<std::size_t>(byte)] = id;
    }
    m_marks.assign((m_looks.size() + 1) * m_looks.size(), std::nullopt);
  }

  TCustomQSMemo& m_memo;
  TCustomMemoSource& m_source;
  TQSExporter& m_exporter;
  const bool m_selectionOnly;
  const bool m_keepsTabs;
  const bool m_syntaxColors;
  const bool m_highlighted;
  TRunLook m_documentLook;
  TMarks m_documentMarks;
  std::optional<int> m_preparedLineStyle;
  std::vector<TLook> m_looks;
  std::array<int, 256> m_lookIds{};
  std::vector<std::optional<TMarks>> m_marks;  // by (previous + 1, look)
  TLineBuffers m_line, m_lookahead;
  std::string m_converted;
};

void TCustomQSMemo::ExportDocument(TQSExporter& exporter, bool selectionOnly) {
  TExportWalk(*this, exporter, selectionOnly).Run();
}

void TCustomQSMemo::ExportToStream(TOutputStream& stream, TExporterClass exporterClass,
                                   bool selectionOnly) {
  const std::unique_ptr<TQSExporter> exporter = exporterClass(stream);
  ExportDocument(*exporter, selectionOnly);
}

void TCustomQSMemo::ExportToFile(const std::string& fileName, TExporterClass exporterClass,
                                 bool selectionOnly) {
  TStringStream bytes;
  ExportToStream(bytes, exporterClass, selectionOnly);
  ThePlatform().files.WriteFileAtomic(fileName, bytes.Bytes());
}

void TCustomQSMemo::SaveToHtml(const std::string& fileName, bool selectionOnly) {
  ExportToFile(fileName, &TQSHTMLExporter::Create, selectionOnly);
}

void TCustomQSMemo::SaveToRtf(const std::string& fileName, bool selectionOnly) {
  ExportToFile(fileName, &TQSRTFExporter::Create, selectionOnly);
}

}  // namespace qs
