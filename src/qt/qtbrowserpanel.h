// The browser window inside the main window on the Qt desktop: the toolbar
// of TBrowserDlg (its buttons, the address box, the Size menu) above the web
// view, which a fixed page size puts in a scrolled area of that size.
#pragma once

#include <QWidget>

class QComboBox;
class QScrollArea;

namespace qs {
class TBrowserDlg;
}

namespace qs::qt {

class QtCommands;

class QtBrowserPanel final : public QWidget {
  Q_OBJECT

 public:
  QtBrowserPanel(TBrowserDlg& dialog, QWidget& view, QWidget* parent);

  // Shows the dialog's address, address list and page size.
  void ShowState();
  QComboBox& AddressBox() noexcept { return *m_address; }

 private:
  void BuildToolBar();
  void NavigateToTypedAddress();

  TBrowserDlg& m_dialog;
  QWidget& m_view;
  QtCommands* m_commands;
  QComboBox* m_address = nullptr;
  QScrollArea* m_area = nullptr;
};

}  // namespace qs::qt
