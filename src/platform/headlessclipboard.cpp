#include "platform/headlessclipboard.h"

namespace qs {

void HeadlessClipboard::SetText(StringView text) {
  m_text = String(text);
  m_rtf.reset();
  m_owner = true;
}

void HeadlessClipboard::SetTextAndRtf(StringView text, std::string_view rtf) {
  m_text = String(text);
  m_rtf = std::string(rtf);
  m_owner = true;
}

void HeadlessClipboard::SimulateOtherProgram(std::optional<String> text,
                                             std::optional<std::string> rtf) {
  m_text = std::move(text);
  m_rtf = std::move(rtf);
  m_owner = false;
}

void HeadlessClipboard::Clear() {
  m_text.reset();
  m_rtf.reset();
  m_owner = false;
}

}  // namespace qs
