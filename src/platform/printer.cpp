#include "platform/printer.h"

#include "support/errors.h"

namespace qs {

void IPrinter::RequirePrinter() const {
  if (PrinterIndex() < 0 || Printers().empty()) throw Error(std::string(kNoDefaultPrinter));
}

void IPrinter::RequirePrinting() const {
  if (!m_printing) throw Error(std::string(kNotPrinting));
}

void IPrinter::SetPrinterIndex(int index) {
  if (m_printing) throw Error(std::string(kPrintingInProgress));
  if (index < 0 || index >= static_cast<int>(Printers().size()))
    throw Error(std::string(kInvalidPrinter));
  DoSelectPrinter(index);
}

String IPrinter::PrinterName() const {
  RequirePrinter();
  return Printers()[static_cast<std::size_t>(PrinterIndex())];
}

void IPrinter::BeginDoc(const String& title) {
  if (m_printing) throw Error(std::string(kPrintingInProgress));
  RequirePrinter();
  DoBeginDoc(title);
  m_printing = true;
  m_pageNumber = 1;
}

void IPrinter::NewPage() {
  RequirePrinting();
  DoNewPage();
  ++m_pageNumber;
}

void IPrinter::EndDoc() {
  RequirePrinting();
  m_printing = false;
  m_pageNumber = 0;
  DoEndDoc();
}

void IPrinter::Abort() {
  RequirePrinting();
  m_printing = false;
  m_pageNumber = 0;
  DoAbort();
}

}  // namespace qs
