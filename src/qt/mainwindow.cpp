#include "qt/mainwindow.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "editor/memoenvoptions.h"
#include "platform/localfilesystem.h"
#include "qt/qtconvert.h"
#include "qt/qtmemowidget.h"

namespace qs::qt {

namespace {

// The switches of the main window's editor.
constexpr TMemoOptions kMainEditorOptions = SetBit(moDrawMargin) | SetBit(moDrawGutter) |
                                            SetBit(moThumbTracking) | SetBit(moDblClickLine) |
                                            SetBit(moColorSyntax) | SetBit(moLineNumbers) |
                                            SetBit(moLeftIndent) | SetBit(moLineNumbersOnGutter);
// What choosing a scheme or none switches on or off.
constexpr TMemoOptions kSchemeOptions =
    SetBit(moDrawGutter) | SetBit(moColorSyntax) | SetBit(moLineNumbers);

}  // namespace

MainWindow::MainWindow(QWidget* parent, const QString& schemeFolder)
    : QMainWindow(parent), m_resolver(MemoEnvOptions()) {
  setWindowTitle(QStringLiteral("Untitled - Quillon"));
  resize(800, 600);
  m_schemeFolder = Utf8FromQString(schemeFolder.isEmpty()
                                       ? QCoreApplication::applicationDirPath() + "/syntaxschemes"
                                       : schemeFolder);
  m_parser.SetStyleResolver(&m_resolver);
  m_parser.SetUseGlobalOptions(true);

  m_editor = new QtMemoWidget(this);
  TQSMemo& memo = m_editor->Memo();
  memo.SetOptions(kMainEditorOptions);
  memo.SetLeftIndent(10);
  memo.SetScrollBars(ssVertical);
  setCentralWidget(m_editor);
  m_editor->setFocus();
}

MainWindow::~MainWindow() {
  m_editor->Memo().SetSyntaxParser(nullptr);
}

void MainWindow::OpenFile(const QString& path) {
  TQSMemo& memo = m_editor->Memo();
  memo.Source().LoadFromFile(Utf8FromQString(path));
  LocalFileSystem files;
  m_schemes = ReadSchemeFolder(files, m_schemeFolder);
  SelectScheme(AutoSchemeIndex(m_schemes, FromQString(path), memo.Source()));
  setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - Quillon"));
}

void MainWindow::SelectScheme(int index) {
  TQSMemo& memo = m_editor->Memo();
  memo.SetSyntaxParser(nullptr);
  m_schemeIndex = 0;
  if (index > 0 && index <= static_cast<int>(m_schemes.size())) {
    TSyntaxScheme scheme;
    scheme.LoadFromFile(m_schemeFolder + "/" + m_schemes[static_cast<std::size_t>(index) - 1].name);
    m_parser.SetSyntaxScheme(scheme);
    memo.SetSyntaxParser(&m_parser);
    m_schemeIndex = index;
  }
  memo.SetOptions(m_schemeIndex > 0 ? memo.Options() | kSchemeOptions
                                    : memo.Options() & ~kSchemeOptions);
}

QString MainWindow::SchemeName() const {
  if (m_schemeIndex == 0) return {};
  const String& name = m_schemes[static_cast<std::size_t>(m_schemeIndex) - 1].schemeName;
  return ToQString(StringView(name));
}

}  // namespace qs::qt
