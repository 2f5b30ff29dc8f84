// The print dialog and the progress window of the editor control's printing,
// written against the platform's forms so tests drive them directly.
#pragma once

#include <exception>

#include "editor/printoptions.h"
#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class IDialogs;
class ITimers;
class TCustomQSMemo;
class TMemoPrintJob;

inline constexpr StringView kPrintCaption = U"Print";
inline constexpr StringView kPrintSelectionCaption = U"Print Selection";

class TMemoPrintForm final : public TForm {
 public:
  TMemoPrintForm(IFormHost& host, IDialogs& dialogs);

  // Shows the editor's print options, its file and whether it has a
  // selection to print.
  void Load(const TCustomQSMemo& editor);
  // The options as the check boxes now say.
  [[nodiscard]] TQSPrintOptions Options() const;
  // The left margin typed: 0 when it is no number, kept within the bounds
  // of a print indent.
  [[nodiscard]] int Indent() const;

 private:
  void Build();
  [[nodiscard]] TCheckBox& Box(std::string_view name) const { return FindControl<TCheckBox>(name); }
  void UpdateCaption();

  IDialogs& m_dialogs;
};

class TMemoPrintProgress final : public TForm {
 public:
  TMemoPrintProgress(IFormHost& host, ITimers& timers);

  // Prints job's pages one at a time while the window is shown modally.
  // Cancel (or closing the window) stops after the page being printed; a
  // page that fails closes the window and its failure is rethrown here.
  void Run(TMemoPrintJob& job, const String& printerName, const String& fileName);

 private:
  void Build();
  void PrintOnePage();
  void ShowPage(std::int32_t page);

  ITimers& m_timers;
  TMemoPrintJob* m_job = nullptr;
  std::exception_ptr m_failure;
};

}  // namespace qs
