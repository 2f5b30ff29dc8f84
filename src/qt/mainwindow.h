// The application's top-level window on the Qt desktop. Until the full main
// window exists it holds one editor showing one document, highlighted by the
// shipped scheme its name or content asks for.
#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "app/schemematch.h"
#include "editor/globalstyleresolver.h"
#include "syntax/qsparser.h"

namespace qs::qt {

class QtMemoWidget;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // schemeFolder: where the shipped schemes are; empty for the folder
  // "syntaxschemes" beside the executable.
  explicit MainWindow(QWidget* parent = nullptr, const QString& schemeFolder = {});
  ~MainWindow() override;

  // Loads the file into the editor and chooses its scheme; throws qs::Error
  // (the window keeps its document) when the file cannot be read.
  void OpenFile(const QString& path);

  QtMemoWidget& Editor() noexcept { return *m_editor; }
  // The chosen scheme's display name, empty for none.
  QString SchemeName() const;

 private:
  void SelectScheme(int index);

  QtMemoWidget* m_editor;
  std::string m_schemeFolder;
  std::vector<TSchemeEntry> m_schemes;
  int m_schemeIndex = 0;
  TGlobalStyleResolver m_resolver;
  TSyntaxParser m_parser;
};

}  // namespace qs::qt
