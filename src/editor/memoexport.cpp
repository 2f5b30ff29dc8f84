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

void OpenRun(TQSExporter& e, const TMarks& m, const TRunLook& look) {
  if (m.name) e.BeginFont(look.font.name, static_cast<std::uint8_t>(look.font.charset));
  if (m.size) e.BeginFontSize(PointsOf(look.font));
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
        m_syntaxColors(m_source.SyntaxParser() != nullptr && memo.HasOption(moColorSyntax)),
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
    OpenRun(m_exporter, m_documentMarks, m_documentLook);
    try {
      WalkLines();
    } catch (...) {
      CloseDocumentQuietly();
      throw;
    }
    CloseDocument();
  }

 private:
  struct TLinePart {
    String text;
    std::string styles;
    std::size_t from = 0, to = 0;  // [from, to) of text
    bool Empty() const noexcept { return from >= to; }
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

  TLinePart Part(std::int32_t line, bool withStyles) {
    TLinePart part;
    if (m_keepsTabs) {
      part.text = String(m_source.StoredLine(line));
      if (withStyles) part.styles = m_source.GetStyleBytes(line);
    } else {
      part.text = m_source.ExpandedLine(line);
      if (withStyles) part.styles = m_source.GetExpandedStyleBytes(line);
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
    const TLinePart part = Part(line, false);
    if (!part.Empty())
      WriteText(StringView(part.text).substr(part.from, part.to - part.from), false);
  }

  // Writes line and the empty lines after it that share its last run's
  // formatting; returns the last line written.
  std::int32_t WriteHighlightedLine(std::int32_t line, std::int32_t last) {
    const TLinePart part = Part(line, true);
    if (part.Empty()) return line;
    PrepareLooks(line);
    std::optional<TRunLook> previous;
    std::size_t i = part.from;
    while (i < part.to) {
      const int look = LookIdAt(part, i);
      std::size_t end = i + 1;
      while (end < part.to && LookIdAt(part, end) == look) ++end;
      const TRunLook& runLook = m_looks[static_cast<std::size_t>(look)];
      const TMarks marks = RunMarks(runLook, previous ? &*previous : nullptr);
      OpenRun(m_exporter, marks, runLook);
      WriteText(StringView(part.text).substr(i, end - i), runLook.upperCase);
      if (end == part.to) line = WriteFollowingEmptyLines(line, last);
      CloseRun(m_exporter, marks);
      previous = runLook;
      i = end;
    }
    return line;
  }

  std::int32_t WriteFollowingEmptyLines(std::int32_t line, std::int32_t last) {
    while (line < last && Part(line + 1, false).Empty()) {
      m_exporter.LineBreak();
      ++line;
    }
    return line;
  }

  TMarks RunMarks(const TRunLook& look, const TRunLook* previous) const {
    TMarks marks = StyleMarks(look.font);
    const TRunLook& doc = m_documentLook;
    marks.name =
        !previous || look.font.name != previous->font.name || look.font.name != doc.font.name;
    marks.size = !previous || PointsOf(look.font) != PointsOf(previous->font) ||
                 PointsOf(look.font) != PointsOf(doc.font);
    marks.color =
        !previous || look.foreground != previous->foreground || look.foreground != doc.foreground;
    marks.background = look.background != doc.background;
    return marks;
  }

  // The painter's rule: without syntax colours only URL marks keep their
  // style, and the rest is the control's own text.
  int EffectiveStyle(unsigned char byte) const {
    return !m_memo.HasOption(moColorSyntax) && byte != kUrlStyle ? 0 : byte;
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
             !SameLook(m_looks[static_cast<std::size_t>(id)], look))
        ++id;
      if (id == static_cast<int>(m_looks.size())) m_looks.push_back(look);
      m_lookIds[static_cast<std::size_t>(byte)] = id;
    }
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
  std::vector<TRunLook> m_looks;
  std::array<int, 256> m_lookIds{};
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
