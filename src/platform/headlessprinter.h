// A printer for tests: each job keeps its title and, per page, the canvas
// records painted on it. The canvas measures with the headless fixed metrics.
#pragma once

#include "platform/headlesscanvas.h"
#include "platform/printer.h"

namespace qs {

struct PrintedPage {
  std::vector<CanvasRecord> records;
};

struct PrintJob {
  String title;
  std::vector<PrintedPage> pages;
  bool aborted = false;
  bool finished = false;
};

class HeadlessPrinter final : public IPrinter {
 public:
  // A sheet of 8.5 x 11 inches at 600 dpi with a quarter inch unprintable.
  explicit HeadlessPrinter(std::vector<String> printers = {U"Headless Printer"},
                           TSize resolution = {600, 600}, TSize pageSize = {4800, 6300});

  std::vector<String> Printers() const override { return m_printers; }
  int PrinterIndex() const override { return m_index; }
  TSize PageSize() const override { return m_pageSize; }
  TSize Resolution() const override { return m_resolution; }
  PageMargins Margins() const override;
  ICanvas& Canvas() override { return m_canvas; }

  [[nodiscard]] const std::vector<PrintJob>& Jobs() const { return m_jobs; }

 protected:
  void DoSelectPrinter(int index) override { m_index = index; }
  void DoBeginDoc(const String& title) override;
  void DoNewPage() override;
  void DoEndDoc() override;
  void DoAbort() override;

 private:
  void ClosePage();

  std::vector<String> m_printers;
  int m_index;
  TSize m_resolution;
  TSize m_pageSize;
  HeadlessCanvas m_canvas;
  std::vector<PrintJob> m_jobs;
};

}  // namespace qs
