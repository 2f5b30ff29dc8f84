// Pop-up menus as QMenus: shown modally at a screen point.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/popupmenu.h"

namespace qs::qt {

class QtPopupMenuHost final : public IPopupMenuHost {
 public:
  explicit QtPopupMenuHost(QWidget* parent) : m_parent(parent) {}
  int Popup(const std::vector<TPopupItem>& items, TPoint screen) override;

 private:
  QPointer<QWidget> m_parent;
};

}  // namespace qs::qt
