// Context help: the help page for the word at the caret, and the help
// viewer's windows.
#include <algorithm>

#include "app/callfinder.h"
#include "app/functionhints.h"
#include "editor/qsmemo.h"
#include "platform/helpviewer.h"
#include "platform/platform.h"
#include "support/utf8.h"
#include "textmodel/qsstring.h"

namespace qs {

namespace {

// Takes "-" out of a document's word delimiters for a scope, so a CSS
// property such as "padding-left" reads as one word; it is put back only if
// it was there, however the scope ends.
class TDashInWords {
 public:
  explicit TDashInWords(TCustomMemoSource& source)
      : m_source(source), m_saved(source.Delimeters()) {
    String without = m_saved;
    std::erase(without, U'-');
    if (without != m_saved) m_source.SetDelimeters(without);
  }
  ~TDashInWords() {
    if (m_source.Delimeters() != m_saved) m_source.SetDelimeters(m_saved);
  }
  TDashInWords(const TDashInWords&) = delete;
  TDashInWords& operator=(const TDashInWords&) = delete;

 private:
  TCustomMemoSource& m_source;
  String m_saved;
};

String LineBeforeCaret(const TCustomMemoSource& source) {
  const String line = source.ExpandedLine(source.CaretLine());
  return line.substr(
      0, std::min(line.size(), static_cast<std::size_t>(std::max(source.CaretColumn(), 0))));
}

}  // namespace

String TFunctionHints::CssWordAtCaret() {
  const TDashInWords dash(m_editor.Source());
  return m_editor.Source().WordAtCaret();
}

std::optional<THelpTopic> TFunctionHints::ContextTopic() {
  TCustomMemoSource& source = m_editor.Source();
  const String language = LanguageAtCaret(source, m_parser);
  if (language.empty()) return std::nullopt;
  if (language == U"php")
    return PhpTopic(TopicWord(source.WordAtCaret()), m_lists.GetFunctionList(U"php"));
  const bool html = language == U"html";
  if (language == U"css" || (html && InsideStyleAttribute(LineBeforeCaret(source))))
    if (auto topic = CssTopic(TopicWord(CssWordAtCaret()))) return topic;
  if (html) return HtmlTopic(TopicWord(source.WordAtCaret()));
  return std::nullopt;
}

void TFunctionHints::TopicSearch() {
  if (const std::optional<THelpTopic> topic = ContextTopic()) ShowHelp(*topic, 4);
}

void TFunctionHints::ShowHelp(const THelpTopic& topic, int slot) {
  IHelpViewer& viewer = m_platform.help;
  if (!viewer.IsAvailable() || m_helpFolder.empty()) return;
  const std::string book = HelpBookFolder(topic.book);
  const std::string folder = book.empty() ? m_helpFolder : m_helpFolder + "/" + book;
  const int window = viewer.ShowTopic(folder, topic.page);
  if (slot >= 1 && slot <= static_cast<int>(m_helpWindows.size()))
    m_helpWindows[static_cast<std::size_t>(slot - 1)] = window;
}

void TFunctionHints::CloseHelpWindows() {
  m_platform.help.CloseAll();
  m_helpWindows.fill(0);
}

}  // namespace qs
