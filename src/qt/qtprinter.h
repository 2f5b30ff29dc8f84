// Printing through Qt PrintSupport: the desktop's printers, or a PDF file
// when one is chosen as the output. A PDF job is written to a hidden
// temporary file beside the chosen name and put in its place only when the
// job ends well, so an aborted or failed job leaves no half-written file
// under that name, and an existing file there is kept until the new one is
// complete.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <optional>

#include "platform/printer.h"
#include "qt/qtcanvas.h"
#include "support/hiddentemp.h"

namespace qs::qt {

// The name the PDF output has among the printers (always the last).
inline constexpr char32_t kPdfPrinterName[] = U"PDF file";

class QtPrinter final : public IPrinter {
 public:
  // printer: shared with the printer set-up dialog; it must outlive this object.
  explicit QtPrinter(QPrinter& printer);
  ~QtPrinter() override;

  std::vector<String> Printers() const override;
  int PrinterIndex() const override;
  TSize PageSize() const override;
  TSize Resolution() const override;
  PageMargins Margins() const override;
  // Outside a job: a canvas that measures as the printer would.
  ICanvas& Canvas() override;

  // Jobs go to this PDF file (it then is the current printer) until cleared;
  // without one, the PDF output writes the file the set-up dialog named.
  void SetPdfOutput(std::optional<std::string> path);

 protected:
  void DoSelectPrinter(int index) override;
  void DoBeginDoc(const String& title) override;
  void DoNewPage() override;
  void DoEndDoc() override;
  void DoAbort() override;

 private:
  void ChoosePdfWithoutPrinter();
  void BeginPdfPart();
  void CommitPdfPart();
  void DropPdfPart();

  QPrinter& m_printer;
  std::optional<std::string> m_pdf;
  // The file a PDF job writes until it ends.
  std::unique_ptr<HiddenTemporary> m_pdfPart;
  std::string m_pdfTarget;
  QPainter m_painter;
  std::unique_ptr<QtCanvas> m_jobCanvas;
  QImage m_measureImage;
  std::unique_ptr<QPainter> m_measurePainter;
  std::unique_ptr<QtCanvas> m_measureCanvas;
};

}  // namespace qs::qt
