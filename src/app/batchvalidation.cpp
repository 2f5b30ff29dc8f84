#include "app/batchvalidation.h"

#include <filesystem>
#include <set>

#include "platform/controls.h"
#include "platform/filesystem.h"
#include "platform/timers.h"
#include "support/asciicase.h"
#include "support/encoding.h"
#include "support/utf8.h"

namespace qs {

namespace {

bool IsPage(const std::string& name) {
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return false;
  const std::string_view ext = std::string_view(name).substr(dot + 1);
  for (std::string_view page : {"html", "htm", "php"})
    if (EqualsIgnoringAsciiCase(ext, page)) return true;
  return false;
}

void CollectPages(const IFileSystem& files, const std::string& folder,
                  std::set<std::string>& visited, std::vector<std::string>& pages) {
  std::error_code error;
  const std::string real = std::filesystem::weakly_canonical(folder, error).string();
  if (!visited.insert(error ? folder : real).second) return;
  std::vector<std::string> folders;
  for (const std::string& name : files.ListDirectory(folder, "*")) {
    const std::string path = JoinPath(folder, name);
    if (files.IsDirectory(path))
      folders.push_back(path);
    else if (IsPage(name))
      pages.push_back(path);
  }
  for (const std::string& sub : folders) CollectPages(files, sub, visited, pages);
}

}  // namespace

std::vector<std::string> ListPages(const IFileSystem& files, const std::string& folder) {
  std::set<std::string> visited;
  std::vector<std::string> pages;
  CollectPages(files, folder, visited, pages);
  return pages;
}

std::vector<TValidationMessage> ValidateFile(IFileAccess& files, const std::string& path,
                                             const TValidationOptions& options) {
  try {
    return ValidateHtml(DecodeDocument(files.ReadFile(path)).text, options);
  } catch (const Error& failure) {
    return {{0, 0, TValidationSeverity::Error, FromUtf8(failure.what())}};
  }
}

TBatchValidatorProgress::TBatchValidatorProgress(IFormHost& host, ITimers& timers)
    : TForm(host, "BatchValidatorProgress"), m_timers(timers) {
  SetCaption(U"Batch HTML Validator");
  Add<TLabel>("FileLabel");
  Add<TProgressBar>("ProgressBar");
  auto& cancel = Add<TButton>("CancelBtn");
  cancel.SetCaption(U"Cancel");
  cancel.ModalResult = mrCancel;
  cancel.Cancel = true;
}

bool TBatchValidatorProgress::Run(IFileAccess& files, const std::vector<std::string>& pages,
                                  const TValidationOptions& options, TValidationList& list) {
  m_files = &files;
  m_pages = &pages;
  m_options = &options;
  m_list = &list;
  m_next = 0;
  FindControl<TProgressBar>("ProgressBar").SetMax(static_cast<int>(pages.size()));
  if (pages.empty()) return true;
  // One page a tick, so the window takes the user's Cancel between pages.
  ScopedTimer ticks(m_timers);
  ticks.Start(1, [this] { CheckOnePage(); });
  const TModalResult result = ShowModal();
  ticks.Stop();
  return result == mrOk;
}

void TBatchValidatorProgress::CheckOnePage() {
  if (m_pages == nullptr || !Visible() || ModalResult() != mrNone) return;
  const std::string& page = (*m_pages)[m_next];
  FindControl<TLabel>("FileLabel").SetCaption(FromUtf8(page));
  m_list->AddFile({page, ValidateFile(*m_files, page, *m_options)});
  FindControl<TProgressBar>("ProgressBar").SetPosition(static_cast<int>(++m_next));
  if (m_next == m_pages->size()) SetModalResult(mrOk);
}

}  // namespace qs
