#include "platform/headlessprinter.h"

namespace qs {

HeadlessPrinter::HeadlessPrinter(std::vector<String> printers, TSize resolution, TSize pageSize)
    : m_printers(std::move(printers)),
      m_index(m_printers.empty() ? -1 : 0),
      m_resolution(resolution),
      m_pageSize(pageSize),
      m_canvas(0, 0) {
  m_canvas.SetPixelsPerInch(resolution);
}

PageMargins HeadlessPrinter::Margins() const {
  return {m_resolution.cx / 4, m_resolution.cy / 4, m_resolution.cx / 4, m_resolution.cy / 4};
}

void HeadlessPrinter::ClosePage() {
  m_jobs.back().pages.push_back({m_canvas.Records()});
  m_canvas.ClearRecords();
}

void HeadlessPrinter::DoBeginDoc(const String& title) {
  m_canvas.ClearRecords();
  m_jobs.push_back({title, {}, false, false});
}

void HeadlessPrinter::DoNewPage() {
  ClosePage();
}

void HeadlessPrinter::DoEndDoc() {
  ClosePage();
  m_jobs.back().finished = true;
}

void HeadlessPrinter::DoAbort() {
  m_canvas.ClearRecords();
  m_jobs.back().aborted = true;
}

}  // namespace qs
