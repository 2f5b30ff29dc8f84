#include "qt/qtprinter.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <cerrno>
#include <cstring>

#include "qt/qtconvert.h"
#include "support/errors.h"
#include "support/fileaccess.h"

namespace qs::qt {

QtPrinter::QtPrinter(QPrinter& printer) : m_printer(printer) {
  ChoosePdfWithoutPrinter();
}

// Where no printer is installed (or the chosen one is gone) the PDF output
// is the current printer, so the print dialog still opens and its set-up
// can name the file.
void QtPrinter::ChoosePdfWithoutPrinter() {
  if (m_printer.outputFormat() == QPrinter::NativeFormat &&
      !QPrinterInfo::availablePrinterNames().contains(m_printer.printerName()))
    m_printer.setOutputFormat(QPrinter::PdfFormat);
}

QtPrinter::~QtPrinter() {
  m_jobCanvas.reset();
  if (m_painter.isActive()) m_painter.end();
  m_measureCanvas.reset();
  // A job still open here never finished: its temporary file goes with it.
  DropPdfPart();
}

std::vector<String> QtPrinter::Printers() const {
  std::vector<String> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    names.push_back(FromQString(name));
  // A PDF file is always an output, also where no printer is installed.
  names.emplace_back(kPdfPrinterName);
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
  if (name == kPdfPrinterName) {
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    if (m_pdf) m_printer.setOutputFileName(ToQString(*m_pdf));
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
    ChoosePdfWithoutPrinter();
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

void QtPrinter::BeginPdfPart() {
  m_pdfTarget = m_pdf ? *m_pdf : m_printer.outputFileName().toStdString();
  if (m_pdfTarget.empty()) throw Error("No PDF file is chosen; choose one under Setup");
  auto part = std::make_unique<HiddenTemporary>();
  if (!part->Create(m_pdfTarget, 0600))
    throw Error("Cannot create a file beside \"" + m_pdfTarget + "\": " + std::strerror(errno));
  part->Close();
  m_printer.setOutputFileName(QString::fromStdString(part->Path()));
  m_pdfPart = std::move(part);
}

void QtPrinter::DropPdfPart() {
  if (!m_pdfPart) return;
  m_pdfPart.reset();
  m_printer.setOutputFileName(QString::fromStdString(m_pdfTarget));
}

// The finished file replaces the chosen one whole, as a save does; the
// temporary goes whatever happens.
void QtPrinter::CommitPdfPart() {
  const std::string bytes = HostFiles().ReadFile(m_pdfPart->Path());
  DropPdfPart();
  HostFiles().WriteFileAtomic(m_pdfTarget, bytes);
}

void QtPrinter::DoBeginDoc(const String& title) {
  m_printer.setDocName(ToQString(title));
  if (m_printer.outputFormat() == QPrinter::PdfFormat) BeginPdfPart();
  if (!m_painter.begin(&m_printer)) {
    DropPdfPart();
    throw Error(std::string(kInvalidPrinter));
  }
  m_jobCanvas = std::make_unique<QtCanvas>(m_painter);
}

void QtPrinter::DoNewPage() {
  if (!m_printer.newPage()) throw Error("Cannot start a new page on the printer");
}

void QtPrinter::DoEndDoc() {
  m_jobCanvas.reset();
  const bool written = m_painter.end();
  if (!m_pdfPart) return;
  if (!written) {
    DropPdfPart();
    throw Error("Cannot write the PDF file \"" + m_pdfTarget + "\"");
  }
  CommitPdfPart();
}

void QtPrinter::DoAbort() {
  m_jobCanvas.reset();
  m_printer.abort();
  if (m_painter.isActive()) m_painter.end();
  DropPdfPart();
}

}  // namespace qs::qt
