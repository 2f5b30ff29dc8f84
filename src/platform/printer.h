// The current printer and its print job. Pages are painted on Canvas()
// between BeginDoc and EndDoc, in the printer's own pixels.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "support/qschar.h"

namespace qs {

// The messages of the printing layer, as the user sees them.
inline constexpr std::string_view kNoDefaultPrinter =
    "There is no default printer currently selected";
inline constexpr std::string_view kInvalidPrinter = "Printer selected is not valid";
inline constexpr std::string_view kPrintingInProgress = "Printing in progress";
inline constexpr std::string_view kNotPrinting = "Printer is not currently printing";

// The unprintable border of a sheet on each side, in printer pixels.
struct PageMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PageMargins&) const = default;
};

// The job rules are kept here once: BeginDoc while printing, NewPage, EndDoc
// or Abort while not, and any job without a printer, throw qs::Error with the
// messages above. Implementations supply the Do* steps.
class IPrinter {
 public:
  virtual ~IPrinter() = default;

  [[nodiscard]] virtual std::vector<String> Printers() const = 0;
  // -1 when there is no printer.
  [[nodiscard]] virtual int PrinterIndex() const = 0;
  // Throws kInvalidPrinter for an index outside Printers(), kPrintingInProgress during a job.
  void SetPrinterIndex(int index);
  // Throws kNoDefaultPrinter when there is none.
  [[nodiscard]] String PrinterName() const;

  // Of the printable area, in printer pixels.
  [[nodiscard]] virtual TSize PageSize() const = 0;
  [[nodiscard]] virtual TSize Resolution() const = 0;  // dots per inch
  [[nodiscard]] virtual PageMargins Margins() const = 0;

  void BeginDoc(const String& title);
  void NewPage();
  void EndDoc();
  // Ends the job, discarding what the printer has not yet printed.
  void Abort();
  [[nodiscard]] bool Printing() const { return m_printing; }
  // 1-based while printing.
  [[nodiscard]] int PageNumber() const { return m_pageNumber; }

  virtual ICanvas& Canvas() = 0;

 protected:
  virtual void DoSelectPrinter(int index) = 0;
  virtual void DoBeginDoc(const String& title) = 0;
  virtual void DoNewPage() = 0;
  virtual void DoEndDoc() = 0;
  virtual void DoAbort() = 0;

 private:
  void RequirePrinter() const;
  void RequirePrinting() const;

  bool m_printing = false;
  int m_pageNumber = 0;
};

}  // namespace qs
