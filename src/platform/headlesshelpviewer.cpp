#include "platform/headlesshelpviewer.h"

namespace qs {

int HeadlessHelpViewer::ShowTopic(const std::string& helpFile, const std::string& topic) {
  if (!m_available) return 0;
  m_requests.push_back({helpFile, topic});
  m_open.insert(++m_lastWindow);
  return m_lastWindow;
}

}  // namespace qs
