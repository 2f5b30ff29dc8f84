// The application's top-level window on the Qt desktop: the main window's
// menus, toolbar, scheme selector, editor and status bar, all shown from
// TMainForm's state, with the user's keys, clicks and drops passed to it.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/mainform.h"

class QComboBox;
class QLabel;
class QToolBar;

namespace qs {
class ISchemeCatalogue;
class TSysOptions;
struct Platform;
}  // namespace qs

namespace qs::qt {

class ColorSwatch;
class QtHintPopups;
class QtCommands;
class QtDocking;
class QtMemoWidget;
class QtPreviewViews;
class QtToolPanels;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Platform& platform, ISchemeCatalogue& schemes, TSysOptions& options,
             std::vector<std::string> args, bool formsAvailable, QWidget* parent = nullptr);
  ~MainWindow() override;

  TMainForm& Form() noexcept { return *m_form; }
  QtMemoWidget& Editor() noexcept { return *m_editor; }
  QComboBox& SchemeSelector() noexcept { return *m_schemeSelector; }
  QToolBar& ToolBar() noexcept { return *m_toolBar; }
  QtPreviewViews& PreviewViews() noexcept { return *m_previewViews; }
  QtDocking& Docking() noexcept { return *m_docking; }
  QtToolPanels& ToolPanels() noexcept { return *m_toolPanels; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenuBar();
  void BuildToolBar();
  void BuildStatusBar();
  void ShowState();
  void ShowEditorMenu(const QPoint& at);
  void ShowGutterMenu(const QPoint& at);
  bool GutterClick(QObject* watched, QEvent* event);

  QtMemoWidget* m_editor;
  std::unique_ptr<TMainForm> m_form;
  QtCommands* m_commands = nullptr;
  QToolBar* m_toolBar = nullptr;
  QComboBox* m_schemeSelector = nullptr;
  QtPreviewViews* m_previewViews = nullptr;
  QtDocking* m_docking = nullptr;
  QtToolPanels* m_toolPanels = nullptr;
  std::array<QLabel*, 4> m_panels{};
  ColorSwatch* m_swatch = nullptr;
  bool m_showingState = false;
  // Goes before the form whose hints it drives.
  std::unique_ptr<QtHintPopups> m_hintPopups;
};

}  // namespace qs::qt
