#include "qt/qtprinter.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include "qt/qtconvert.h"
#include "support/errors.h"

namespace qs::qt {

QtPrinter::QtPrinter(QPrinter& printer) : m_printer(printer) {}

QtPrinter::~QtPrinter() {
  m_jobCanvas.reset();
  if (m_painter.isActive()) m_painter.end();
  m_measureCanvas.reset();
}

std::vector<String> QtPrinter::Printers() const {
  std::vector<String> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    names.push_back(FromQString(name));
  if (m_pdf) names.emplace_back(kPdfPrinterName);
  return names;
}

int QtPrinter::PrinterIndex() const {
  const std::vector<String> names = Printers();
  const String current = m_printer.outputFormat() == QPrinter::PdfFormat
                             ? String(kPdfPrinterName)
                             : FromQString(m_printer.printerName());
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == current) return static_cast<int>(i);
  return -1;
}

void QtPrinter::DoSelectPrinter(int index) {
  const String name = Printers()[static_cast<std::size_t>(index)];
  if (m_pdf && name == kPdfPrinterName) {
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(ToQString(*m_pdf));
    return;
  }
  m_printer.setOutputFormat(QPrinter::NativeFormat);
  m_printer.setPrinterName(ToQString(name));
}

void QtPrinter::SetPdfOutput(std::optional<std::string> path) {
  if (Printing()) throw Error(std::string(kPrintingInProgress));
  m_pdf = std::move(path);
  m_measureCanvas.reset();
  if (m_pdf) {
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(ToQString(*m_pdf));
  } else {
    m_printer.setOutputFileName({});
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    m_printer.setPrinterName(QPrinterInfo::defaultPrinterName());
  }
}

TSize QtPrinter::PageSize() const {
  return FromQSize(m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size());
}

TSize QtPrinter::Resolution() const {
  return {m_printer.resolution(), m_printer.resolution()};
}

PageMargins QtPrinter::Margins() const {
  const QMargins m = m_printer.pageLayout().marginsPixels(m_printer.resolution());
  return {m.left(), m.top(), m.right(), m.bottom()};
}

ICanvas& QtPrinter::Canvas() {
  if (m_jobCanvas) return *m_jobCanvas;
  if (!m_measureCanvas) {
    // Metrics follow the device's resolution, so the image takes the printer's.
    m_measureCanvas.reset();
    m_measurePainter.reset();
    m_measureImage = QImage(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(m_printer.resolution() / 0.0254 + 0.5);
    m_measureImage.setDotsPerMeterX(dotsPerMeter);
    m_measureImage.setDotsPerMeterY(dotsPerMeter);
    m_measurePainter = std::make_unique<QPainter>(&m_measureImage);
    m_measureCanvas = std::make_unique<QtCanvas>(*m_measurePainter);
  }
  return *m_measureCanvas;
}

void QtPrinter::DoBeginDoc(const String& title) {
  m_printer.setDocName(ToQString(title));
  if (!m_painter.begin(&m_printer)) throw Error(std::string(kInvalidPrinter));
  m_jobCanvas = std::make_unique<QtCanvas>(m_painter);
}

void QtPrinter::DoNewPage() {
  if (!m_printer.newPage()) throw Error("Cannot start a new page on the printer");
}

void QtPrinter::DoEndDoc() {
  m_jobCanvas.reset();
  m_painter.end();
}

void QtPrinter::DoAbort() {
  m_jobCanvas.reset();
  m_printer.abort();
  if (m_painter.isActive()) m_painter.end();
}

}  // namespace qs::qt
