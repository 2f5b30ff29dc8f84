// One print of an editor's document. A hidden print editor takes a copy of
// the text (or of the selection) and of the editor's look, is laid out for
// the printer's page and wrapped whole before the pages are counted; each
// page is then painted from it through a print canvas, with the header line
// on top. The printer's job starts with the first page and ends after the
// last; a failure aborts it, so no partial job survives.
#pragma once

#include <cstdint>
#include <memory>

#include "editor/offscreenhost.h"
#include "editor/printgeometry.h"
#include "support/qschar.h"

namespace qs {

class IPrinter;
class TCustomQSMemo;
class TQSMemo;

inline constexpr StringView kUnknownPrintTitle = U"<Unknown>";
inline constexpr StringView kSelectionPrintTitle = U"<Selected block>";

class TMemoPrintJob {
 public:
  // Prepares the print with the editor's print settings; prints nothing yet.
  // Both must outlive the job.
  TMemoPrintJob(TCustomQSMemo& editor, IPrinter& printer);
  // Aborts a printer's job that is still open.
  ~TMemoPrintJob();
  TMemoPrintJob(const TMemoPrintJob&) = delete;
  TMemoPrintJob& operator=(const TMemoPrintJob&) = delete;

  [[nodiscard]] const String& Title() const noexcept { return m_title; }
  [[nodiscard]] std::int32_t PageCount() const noexcept { return m_pages; }
  [[nodiscard]] std::int32_t PagesPrinted() const noexcept { return m_printed; }
  [[nodiscard]] bool Done() const noexcept { return m_printed >= m_pages || m_stopped; }
  [[nodiscard]] const TPrintGeometry& Geometry() const noexcept { return m_geometry; }
  [[nodiscard]] TQSMemo& PrintEditor() noexcept { return *m_print; }

  // Prints the next page, starting the printer's job before the first and
  // ending it after the last. A failure aborts the job and is rethrown.
  void PrintNextPage();
  // Prints every page that is left.
  void PrintAll();
  // The user's cancel: the pages printed so far are printed; before the
  // first page nothing is.
  void Stop();

 private:
  void CopyLook();
  void CopyText(bool selectionOnly);
  void LayOut();
  void PaintPage(std::int32_t index);
  void PaintHeader(std::int32_t index);
  void AbortJob() noexcept;

  TCustomQSMemo& m_editor;
  IPrinter& m_printer;
  TOffscreenHost m_host;
  std::unique_ptr<TQSMemo> m_print;
  TPrintGeometry m_geometry;
  String m_title;
  std::int32_t m_pages = 0;
  std::int32_t m_printed = 0;
  bool m_stopped = false;
};

}  // namespace qs
