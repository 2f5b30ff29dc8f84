#include "editor/qsmemopr.h"

#include <charconv>
#include <string>

#include "editor/memoprint.h"
#include "editor/qsmemo.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "platform/timers.h"
#include "support/guardedcall.h"
#include "support/utf8.h"

namespace qs {

namespace {

struct TOptionBox {
  const char* name;
  StringView caption;
  TQSPrintOption option;
};

// The option boxes, left column first.
constexpr TOptionBox kOptionBoxes[] = {
    {"HeaderBox", U"Header/page &number", poPrintHeader},
    {"LineNumbersBox", U"&Line numbers", poLineNumbers},
    {"SyntaxBox", U"&Syntax print", poPrintSyntax},
    {"ColorBox", U"Use &color", poInColor},
    {"ProgressBox", U"Show &print progress", poShowProgress},
    {"WrapBox", U"&Wrap lines", poWrapLines},
};

String Decimal(long long n) {
  const std::string text = std::to_string(n);
  return String(text.begin(), text.end());
}

String PageText(std::int32_t page, StringView pages) {
  return U"Printing page " + Decimal(page) + U" from " + String(pages);
}

}  // namespace

// ---- The print dialog ------------------------------------------------------------

TMemoPrintForm::TMemoPrintForm(IFormHost& host, IDialogs& dialogs)
    : TForm(host, "MemoPrintForm"), m_dialogs(dialogs) {
  Build();
}

void TMemoPrintForm::Build() {
  SetCaption(kPrintCaption);
  auto& file = Add<TGroupBox>("FileGroup");
  file.SetCaption(U"File To Print:");
  file.Add<TLabel>("FileLabel").SetCaption(kUnknownPrintTitle);
  auto& selection = file.Add<TCheckBox>("PrintSelBox");
  selection.SetCaption(U"&Print selected block");
  selection.OnClick = [this](TControl&) { UpdateCaption(); };

  auto& options = Add<TGroupBox>("OptionsGroup");
  options.SetCaption(U"Options:");
  for (const TOptionBox& box : kOptionBoxes)
    options.Add<TCheckBox>(box.name).SetCaption(box.caption);
  options.Add<TLabel>("MarginLabel").SetCaption(U"Left &margin:");
  options.Add<TEdit>("MarginEdit").SetText(U"0");

  auto& setup = Add<TButton>("SetupBtn");
  setup.SetCaption(U"Se&tup...");
  setup.OnClick = [this](TControl&) { m_dialogs.PrinterSetup(); };
  auto& ok = Add<TButton>("OKBtn");
  ok.SetCaption(U"OK");
  ok.ModalResult = mrOk;
  ok.Default = true;
  auto& cancel = Add<TButton>("CancelBtn");
  cancel.SetCaption(U"Cancel");
  cancel.ModalResult = mrCancel;
  cancel.Cancel = true;
  // There are no help pages for this dialog yet.
  auto& help = Add<TButton>("HelpBtn");
  help.SetCaption(U"&Help");
  help.SetEnabled(false);
}

void TMemoPrintForm::Load(const TCustomQSMemo& editor) {
  const TCustomMemoSource& source = editor.Source();
  FindControl<TLabel>("FileLabel")
      .SetCaption(source.EditedName().empty() ? kUnknownPrintTitle
                                              : StringView(source.EditedName()));
  const TQSPrintOptions options = editor.PrintOptions();
  for (const TOptionBox& box : kOptionBoxes) Box(box.name).SetChecked(options.Has(box.option));
  TCheckBox& selection = Box("PrintSelBox");
  selection.SetEnabled(source.HasSelection());
  selection.SetChecked(source.HasSelection());
  FindControl<TEdit>("MarginEdit").SetText(Decimal(editor.PrintIndent()));
  UpdateCaption();
}

void TMemoPrintForm::UpdateCaption() {
  SetCaption(Box("PrintSelBox").Checked() ? kPrintSelectionCaption : kPrintCaption);
}

TQSPrintOptions TMemoPrintForm::Options() const {
  TQSPrintOptions options;
  for (const TOptionBox& box : kOptionBoxes) options.Set(box.option, Box(box.name).Checked());
  options.Set(poPrintSel, Box("PrintSelBox").Checked());
  return options;
}

int TMemoPrintForm::Indent() const {
  const std::string text = ToUtf8(FindControl<TEdit>("MarginEdit").Text());
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && *begin == ' ') ++begin;
  while (end > begin && end[-1] == ' ') --end;
  long long value = 0;
  const std::from_chars_result parsed = std::from_chars(begin, end, value);
  if (parsed.ec == std::errc::result_out_of_range)
    return ClampPrintIndent(begin < end && *begin == '-' ? -1 : kMaxPrintIndent);
  if (parsed.ec != std::errc() || parsed.ptr != end) return 0;
  return ClampPrintIndent(value);
}

// ---- The progress window -----------------------------------------------------------

TMemoPrintProgress::TMemoPrintProgress(IFormHost& host, ITimers& timers)
    : TForm(host, "MemoPrintProgress"), m_timers(timers) {
  Build();
}

void TMemoPrintProgress::Build() {
  SetCaption(U"Printing Status");
  Add<TLabel>("PrinterLabel").SetCaption(U"Searching printers ...");
  Add<TLabel>("FileLabel");
  Add<TLabel>("ProgressLabel").SetCaption(U"Printing pages:    calculation ...");
  Add<TProgressBar>("ProgressBar");
  auto& cancel = Add<TButton>("CancelBtn");
  cancel.SetCaption(U"Cancel");
  cancel.ModalResult = mrCancel;
  cancel.Cancel = true;
}

void TMemoPrintProgress::Run(TMemoPrintJob& job, const String& printerName,
                             const String& fileName) {
  m_job = &job;
  m_failure = nullptr;
  FindControl<TLabel>("PrinterLabel").SetCaption(U"Printing on printer " + printerName);
  FindControl<TLabel>("FileLabel").SetCaption(fileName);
  auto& bar = FindControl<TProgressBar>("ProgressBar");
  bar.SetPosition(0);
  bar.SetMax(4 * job.PageCount());
  ShowPage(1);
  // One page a tick, so the window takes the user's Cancel between pages.
  ScopedTimer pages(m_timers);
  pages.Start(1, [this] { PrintOnePage(); });
  const TModalResult result = ShowModal();
  pages.Stop();
  m_job = nullptr;
  if (m_failure) std::rethrow_exception(m_failure);
  if (result != mrOk) job.Stop();
}

void TMemoPrintProgress::ShowPage(std::int32_t page) {
  FindControl<TLabel>("ProgressLabel").SetCaption(PageText(page, Decimal(m_job->PageCount())));
}

void TMemoPrintProgress::PrintOnePage() {
  if (m_job == nullptr || !Visible() || ModalResult() != mrNone) return;
  try {
    ShowPage(m_job->PagesPrinted() + 1);
    m_job->PrintNextPage();
    FindControl<TProgressBar>("ProgressBar").SetPosition(4 * m_job->PagesPrinted());
    if (m_job->Done()) SetModalResult(mrOk);
  } catch (...) {
    // Carried out of the timer's tick: ShowModal's caller rethrows it to the
    // error boundary, which reports it; the log keeps the page it stopped at.
    LogCaughtFailure("printing page " + std::to_string(m_job->PagesPrinted() + 1));
    m_failure = std::current_exception();
    SetModalResult(mrAbort);
  }
}

// ---- The control's print commands -----------------------------------------------------

void TCustomQSMemo::Print() {
  if (Source().LineCount() == 0) return;
  Platform& platform = ThePlatform();
  TMemoPrintJob job(*this, platform.printer);
  if (!PrintOptions().Has(poShowProgress)) return job.PrintAll();
  TMemoPrintProgress progress(platform.forms, platform.timers);
  progress.Run(job, platform.printer.PrinterName(),
               Source().EditedName().empty() ? String(kUnknownPrintTitle) : Source().EditedName());
}

void TCustomQSMemo::PrintWithDialog() {
  Platform& platform = ThePlatform();
  // Without a printer this fails with the printer's own message, before
  // the dialog.
  (void)platform.printer.PrinterName();
  TMemoPrintForm form(platform.forms, platform.dialogs);
  form.Load(*this);
  if (form.ShowModal() != mrOk) return;
  SetPrintOptions(form.Options());
  SetPrintIndent(form.Indent());
  Print();
}

}  // namespace qs
