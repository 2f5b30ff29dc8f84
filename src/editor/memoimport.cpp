// Formatted text read into the control: an importer's runs inserted at the
// caret, each with its format in rich attribute mode, and whole documents
// loaded through an importer.
#include <algorithm>

#include "editor/canvasfontmeasure.h"
#include "editor/memorichmode.h"
#include "editor/qsmemo.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "support/encoding.h"
#include "textmodel/sharededitstate.h"
#include "textmodel/tstrings.h"
#include "textmodel/updatebracket.h"

namespace qs {

namespace {

bool IsDroppedControl(Char c) {
  return (c < 0x20 && c != kTab) || c == 0x7F;
}

// Turns runs into text at the caret. Line breaks and TABs may stand alone
// or inside a run; other control characters are not text and are left out.
class TImportHandler {
 public:
  TImportHandler(TCustomQSMemo& memo, TAttributeParser* parser, bool columnMode)
      : m_memo(memo),
        m_source(memo.Source()),
        m_parser(parser),
        m_columnMode(columnMode),
        m_startColumn(memo.Source().CaretColumn()) {}

  void Run(StringView text, TColor backColor, const TImportFont& font) {
    std::optional<char> attribute;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      const bool end = i == text.size();
      if (!end && !IsDroppedControl(text[i])) continue;
      if (i > start) {
        if (!attribute) attribute = Attribute(backColor, font);
        Insert(text.substr(start, i - start), *attribute);
      }
      if (!end && (text[i] == U'\n' || (text[i] == U'\r' && !FollowedByLf(text, i)))) LineBreak();
      start = i + 1;
    }
  }

  int Dropped() const noexcept { return m_dropped; }

 private:
  static bool FollowedByLf(StringView text, std::size_t i) {
    return i + 1 < text.size() && text[i + 1] == U'\n';
  }

  void Insert(StringView piece, char attribute) {
    m_source.InsertTextWithStyle(piece, std::string(piece.size(), attribute));
    m_source.SetCaretPos(m_source.InsertedEnd(), m_source.CaretLine());
  }

  // A column block pasted back goes down one line at the column it started at.
  void LineBreak() {
    const std::int32_t next = m_source.CaretLine() + 1;
    if (m_columnMode) {
      if (next >= m_source.LineCount()) {
        const std::int32_t last = m_source.LineCount() - 1;
        m_source.SetCaretPos(m_source.LineLength(last), last);
        m_source.InsertLineBreak();
      }
      m_source.SetCaretPos(m_startColumn, next);
      return;
    }
    m_source.InsertLineBreak();
    m_source.SetCaretPos(0, next);
  }

  // The run's format as an index; without the attribute highlighter only
  // the text is kept.
  char Attribute(TColor backColor, const TImportFont& font) {
    if (m_parser == nullptr) return 0;
    const FontSpec& face = font.Face;
    TAttributeSet set;
    set.name = face.name.empty() ? m_memo.Font().Name() : face.name;
    set.size = std::clamp(
        face.height != 0 ? PointsFromHeight(face.height, TMemoFont::kPixelsPerInch) : face.size, 1,
        TMemoAttributes::kMaxSize);
    set.style = (face.bold ? SetBit(fsBold) : 0u) | (face.italic ? SetBit(fsItalic) : 0u) |
                (face.underline ? SetBit(fsUnderline) : 0u) |
                (face.strikeOut ? SetBit(fsStrikeOut) : 0u);
    set.charset = std::clamp(face.charset, 0, 255);
    set.pitch = FromPitch(face.pitch);
    set.color = font.Color == kImportNoColor ? m_memo.Font().Color() : font.Color;
    set.backColor = backColor == kImportNoColor ? m_memo.Color() : backColor;
    try {
      return static_cast<char>(m_parser->FindOrAddAttributes(set));
    } catch (const AttributeTableFull&) {
      ++m_dropped;
      return 0;
    }
  }

  TCustomQSMemo& m_memo;
  TCustomMemoSource& m_source;
  TAttributeParser* m_parser;
  bool m_columnMode;
  std::int32_t m_startColumn;
  int m_dropped = 0;
};

bool ColumnBlocksAllowed(const TCustomMemoSource& source) {
  return source.BlockOption() == bkBlockSel || source.BlockOption() == bkBoth;
}

}  // namespace

TMemoAttributes& TCustomQSMemo::SelectionAttributes() {
  return m_rich->SelectionAttributes();
}

TAttributeParser* TCustomQSMemo::AttributeParser() const noexcept {
  return m_rich->Parser();
}

bool TCustomQSMemo::RichModeAvailable() const noexcept {
  return m_rich->Available();
}

void TCustomQSMemo::ClearAttributes() {
  m_rich->ClearAttributes();
}

int TCustomQSMemo::ImportFromStream(std::string_view input, TImporterClass importerClass) {
  if (input.empty()) return 0;
  const std::unique_ptr<TQSImporter> importer = importerClass();
  return ImportWith(input, *importer);
}

int TCustomQSMemo::ImportWith(std::string_view input, TQSImporter& importer) {
  TCustomMemoSource& s = Source();
  if (input.empty()) return 0;
  bool& columnFlag = TSharedEditState::Current().columnClipboard;
  if (!importer.CanImport(input)) {
    // Not of the importer's kind: the bytes go in as lines of text.
    const String text = DecodeDocument(input, s.EightBitCodePage()).text;
    std::vector<String> lines = SplitLines(text);
    if (!text.empty() && (text.back() == U'\n' || text.back() == U'\r')) lines.emplace_back();
    const TUpdateBracket update(s, upd::kInsertLines);
    s.InsertBlockLines(std::move(lines),
                       ColumnBlocksAllowed(s) && columnFlag ? stBlockSel : stStreamSel);
    s.ClearSelection();
    return 0;
  }
  const TUpdateBracket update(s, upd::kImport);
  if (!ColumnBlocksAllowed(s)) columnFlag = false;
  m_rich->Enter();
  s.ClearSelection();
  TImportHandler handler(*this, m_rich->Parser(), columnFlag);
  importer.OnImportText = [&handler](TQSImporter&, StringView text, TColor backColor,
                                     const TImportFont& font) {
    handler.Run(text, backColor, font);
  };
  importer.Import(input);
  importer.OnImportText = nullptr;
  return handler.Dropped();
}

// The whole load is one step of the history while it runs, so a failure
// takes exactly that step back: the previous text, its formats and its
// history stay.
int TCustomQSMemo::LoadFromImport(std::string_view input, TImporterClass importerClass) {
  const std::unique_ptr<TQSImporter> importer = importerClass();
  TCustomMemoSource& s = Source();
  TSimpleParser* const parserBefore = s.SyntaxParser();
  const std::vector<TAttributeSet> entriesBefore =
      AttributeParser() != nullptr ? AttributeParser()->Entries() : std::vector<TAttributeSet>{};
  const bool allowUndo = s.AllowUndo();
  s.SetAllowUndo(true);
  const auto takeBackTheLoad = [&] {
    s.Undo();
    s.DiscardRedo();
    if (!entriesBefore.empty()) AttributeParser()->RestoreEntries(entriesBefore);
    if (s.SyntaxParser() != parserBefore) s.SetSyntaxParser(parserBefore);
    s.SetAllowUndo(allowUndo);
  };
  int dropped = 0;
  try {
    const TUpdateBracket update(s, upd::kLoad);
    s.ClearAll();
    ClearAttributes();
    dropped = ImportWith(input, *importer);
    s.SetCaretPos(0, 0);
  } catch (...) {
    takeBackTheLoad();
    throw;  // the caller reports why the load failed
  }
  s.ClearUndo();
  s.SetAllowUndo(allowUndo);
  s.ResetModified();
  return dropped;
}

int TCustomQSMemo::LoadFromHtmlStream(std::string_view input) {
  return LoadFromImport(input, m_htmlImporterClass);
}

int TCustomQSMemo::LoadFromRtfStream(std::string_view input) {
  return LoadFromImport(input, m_rtfImporterClass);
}

// The file is read whole before anything changes, so one that cannot be
// read leaves the document as it was.
int TCustomQSMemo::LoadFromHtmlFile(const std::string& fileName) {
  return LoadFromHtmlStream(ThePlatform().files.ReadFile(fileName));
}

int TCustomQSMemo::LoadFromRtfFile(const std::string& fileName) {
  return LoadFromRtfStream(ThePlatform().files.ReadFile(fileName));
}

}  // namespace qs
