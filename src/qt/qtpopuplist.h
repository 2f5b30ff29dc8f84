// The completion list as a Qt window: a stay-on-top list without a title
// bar that never takes the keyboard focus from the editor; the editor's keys
// move its selection, a double click accepts an entry.
#pragma once

#include <QWidget>

#include "platform/popuplist.h"

class QListWidget;

namespace qs::qt {

class QtPopupList final : public QWidget, public IPopupList {
  Q_OBJECT

 public:
  explicit QtPopupList(QWidget* owner);

  TSize ListSize() const override;
  void SetEntries(std::vector<TPopupEntry> entries) override;
  const std::vector<TPopupEntry>& Entries() const override { return m_entries; }
  int Selected() const override;
  void SetSelected(int index) override;
  void ShowList(TPoint at) override;
  void HideList() override { hide(); }
  bool IsListVisible() const override { return isVisible(); }

 private:
  QListWidget* m_list;
  std::vector<TPopupEntry> m_entries;
};

}  // namespace qs::qt
