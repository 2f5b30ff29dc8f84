// A help viewer for tests: records the topics asked for; windows stay open
// until CloseAll.
#pragma once

#include <set>
#include <vector>

#include "platform/helpviewer.h"

namespace qs {

struct HelpRequest {
  std::string helpFile;
  std::string topic;
  bool operator==(const HelpRequest&) const = default;
};

class HeadlessHelpViewer final : public IHelpViewer {
 public:
  bool IsAvailable() const override { return m_available; }
  int ShowTopic(const std::string& helpFile, const std::string& topic) override;
  bool IsWindowOpen(int window) const override { return m_open.count(window) > 0; }
  void CloseAll() override { m_open.clear(); }

  void SetAvailable(bool available) { m_available = available; }
  [[nodiscard]] const std::vector<HelpRequest>& Requests() const { return m_requests; }

 private:
  bool m_available = true;
  int m_lastWindow = 0;
  std::set<int> m_open;
  std::vector<HelpRequest> m_requests;
};

}  // namespace qs
