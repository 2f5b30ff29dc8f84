// The function hint as a Qt window: a tool-tip-like box under the caret that
// never takes the focus, drawing its "~bold~" markup.
#pragma once

#include <QWidget>

#include "platform/hintwindow.h"

namespace qs::qt {

class QtHintWindow final : public QWidget, public IHintWindow {
  Q_OBJECT

 public:
  explicit QtHintWindow(QWidget* owner);

  void ShowHint(const String& text, TPoint at) override;
  void SetHintText(const String& text) override;
  void HideHint() override { hide(); }
  bool IsHintVisible() const override { return isVisible(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize TextSize() const;

  String m_text;
};

}  // namespace qs::qt
