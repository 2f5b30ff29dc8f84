// The desktop clipboard through QClipboard; rich text travels as "text/rtf".
#pragma once

#include <QMimeData>
#include <QPointer>

#include "platform/clipboard.h"

namespace qs::qt {

class QtClipboard final : public IClipboard {
 public:
  bool HasText() const override;
  String GetText() const override;
  void SetText(StringView text) override;
  bool HasRtf() const override;
  std::string GetRtf() const override;
  void SetTextAndRtf(StringView text, std::string_view rtf) override;
  bool IsOwner() const override;

 private:
  void Place(QMimeData* data);
  // What this program placed last; Qt deletes it once another program takes
  // the clipboard, which clears the pointer.
  QPointer<QMimeData> m_placed;
};

}  // namespace qs::qt
