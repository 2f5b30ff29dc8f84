// A clipboard in memory for tests; SimulateOtherProgram stands for a copy made
// elsewhere on the desktop.
#pragma once

#include <optional>

#include "platform/clipboard.h"

namespace qs {

class HeadlessClipboard final : public IClipboard {
 public:
  bool HasText() const override { return m_text.has_value(); }
  String GetText() const override { return m_text.value_or(String()); }
  void SetText(StringView text) override;
  bool HasRtf() const override { return m_rtf.has_value(); }
  std::string GetRtf() const override { return m_rtf.value_or(std::string()); }
  void SetTextAndRtf(StringView text, std::string_view rtf) override;
  bool IsOwner() const override { return m_owner; }

  // Content placed by another program: text and, when given, RTF.
  void SimulateOtherProgram(std::optional<String> text, std::optional<std::string> rtf = {});
  void Clear();

 private:
  std::optional<String> m_text;
  std::optional<std::string> m_rtf;
  bool m_owner = false;
};

}  // namespace qs
