// The main window's text conversions: the DOS display and the commands of
// the Convert menu that rewrite the whole text.
#include "app/mainform.h"
#include "app/textconversions.h"
#include "support/fontcharsets.h"

namespace qs {

namespace {

bool IsEmptyDocument(const TCustomMemoSource& source) {
  return source.LineCount() == 0 || (source.LineCount() == 1 && source.StoredLine(0).empty());
}

}  // namespace

void TMainForm::Charset(bool dos) {
  Action("ToggleCharsetAct").SetCaption(dos ? U"WINDOWS charset" : U"DOS charset");
  m_editor.Font().SetCharset(dos ? OEM_CHARSET : DEFAULT_CHARSET);
  m_statusBarColor = dos ? clInfoBk : clBtnFace;
  Changed();
}

bool TMainForm::DosCharset() const {
  return m_editor.Font().Charset() == OEM_CHARSET;
}

bool TMainForm::ConvertCharset(Char (*convert)(Char)) {
  TCustomMemoSource& source = m_editor.Source();
  if (IsEmptyDocument(source)) return false;
  source.MapCharacters(upd::kMapCharacters, convert);
  return true;
}

void TMainForm::DosToWin() {
  if (ConvertCharset(DosToWinChar)) Charset(false);
}

// The DOS display shows the converted text as it read before.
void TMainForm::WinToDos() {
  if (ConvertCharset(WinToDosChar)) Charset(true);
}

void TMainForm::KoiToWin() {
  ConvertCharset(KoiToWinChar);
}

void TMainForm::TextToHtml() {
  TCustomMemoSource& source = m_editor.Source();
  if (IsEmptyDocument(source)) return;
  std::vector<String> lines;
  lines.reserve(static_cast<std::size_t>(source.LineCount()));
  for (std::int32_t l = 0; l < source.LineCount(); ++l) lines.emplace_back(source.StoredLine(l));
  if (source.ReplaceAllText(upd::kReplaceAllText, TextToHtmlPage(lines, source.FileEncoding())))
    AutoParser(U".htm");
}

}  // namespace qs
