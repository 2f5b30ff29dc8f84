// Checking pages on disk: the pages of a folder and its subfolders, one
// page's messages, and the progress window that checks a folder's pages one
// at a time so its Cancel is taken between them.
#pragma once

#include <string>
#include <vector>

#include "app/validationlist.h"
#include "platform/forms.h"

namespace qs {

class IFileSystem;
class IFileAccess;
class ITimers;

// The .html, .htm and .php files under folder (any letter case), folder by
// folder in listing order; folders reached through a link are not entered
// twice.
std::vector<std::string> ListPages(const IFileSystem& files, const std::string& folder);

// A file's messages; a file that cannot be read gives one error saying why.
std::vector<TValidationMessage> ValidateFile(IFileAccess& files, const std::string& path,
                                             const TValidationOptions& options);

class TBatchValidatorProgress final : public TForm {
 public:
  TBatchValidatorProgress(IFormHost& host, ITimers& timers);

  // Checks pages into list while the window shows; false when cancelled
  // (the pages checked so far stay in the list).
  bool Run(IFileAccess& files, const std::vector<std::string>& pages,
           const TValidationOptions& options, TValidationList& list);

 private:
  void CheckOnePage();

  ITimers& m_timers;
  IFileAccess* m_files = nullptr;
  const std::vector<std::string>* m_pages = nullptr;
  const TValidationOptions* m_options = nullptr;
  TValidationList* m_list = nullptr;
  std::size_t m_next = 0;
};

}  // namespace qs
