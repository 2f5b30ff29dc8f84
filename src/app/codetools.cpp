#include "app/codetools.h"

#include <algorithm>

#include "app/batchvalidation.h"
#include "app/mainform.h"
#include "app/toolpanels.h"
#include "app/validatoroptions.h"
#include "app/validatoroptionsform.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/platform.h"

namespace qs {

TCodeTools::TCodeTools(TMainForm& form, Platform& platform, TValidatorOptions& options)
    : m_form(form),
      m_platform(platform),
      m_options(options),
      m_explorer(std::make_unique<TCodeExplorer>(form.Editor().Source())) {
  m_messages.OnGoTo = [this](const std::string& file, const TValidationMessage& message) {
    GoToMessage(file, message);
  };
}

TCodeTools::~TCodeTools() = default;

void TCodeTools::AttachCommands() {
  const auto bind = [this](const char* name, std::function<void()> operation) {
    m_form.Action(name).SetOperation([this, operation] { m_form.RunCommand(operation); });
  };
  bind("TidyAct", [this] { ValidateDocument(); });
  bind("TidyBatchAct", [this] { BatchValidate(); });
  bind("HTMLValidatorOptionsAct", [this] { EditOptions(); });
  bind("CodeExplorerAct", [this] { ShowExplorer(); });
  bind("NextMessageAct", [this] { m_messages.Next(); });
  bind("PreviousMessageAct", [this] { m_messages.Previous(); });
}

void TCodeTools::ValidateDocument() {
  m_messages.Clear();
  TCustomMemoSource& source = m_form.Editor().Source();
  String text;
  for (std::int32_t line = 0; line < source.LineCount(); ++line) {
    if (line > 0) text += U'\n';
    text += source.StoredLine(line);
  }
  m_messages.AddFile({"", ValidateHtml(text, m_options.Options())});
  if (m_panels) m_panels->ShowValidatorPanel();
}

bool TCodeTools::BatchValidate() {
  const std::optional<std::string> folder =
      m_platform.dialogs.BrowseFolder(U"Batch HTML Validator", m_lastFolder);
  if (!folder) return false;
  m_lastFolder = *folder;
  return ValidateFolder(*folder);
}

bool TCodeTools::ValidateFolder(const std::string& folder) {
  m_messages.Clear();
  if (m_panels) m_panels->ShowValidatorPanel();
  TBatchValidatorProgress progress(m_platform.forms, m_platform.timers);
  return progress.Run(m_platform.files, ListPages(m_platform.files, folder), m_options.Options(),
                      m_messages);
}

void TCodeTools::EditOptions() {
  TValidatorOptionsForm form(m_platform.forms, m_options);
  form.Execute();
}

void TCodeTools::ShowExplorer() {
  m_explorer->Update();
  if (m_panels) m_panels->ShowCodeExplorerPanel();
}

void TCodeTools::GoToNode(const TExplorerNode& node) {
  GoToPlace(node.line, node.column);
}

void TCodeTools::GoToMessage(const std::string& file, const TValidationMessage& message) {
  if (!file.empty() && file != m_form.DocumentPath()) {
    m_form.QuerySaveChanges();
    m_form.OpenFile(file, okText);
  }
  // The checker counts from 1, and a message about the whole page has no place.
  GoToPlace(std::max(0, message.line - 1), std::max(0, message.column - 1));
}

void TCodeTools::GoToPlace(std::int32_t line, std::int64_t index) {
  TQSMemo& editor = m_form.Editor();
  TCustomMemoSource& source = editor.Source();
  if (source.LineCount() == 0) return;
  line = std::clamp(line, 0, source.LineCount() - 1);
  const StringView stored = source.StoredLine(line);
  index = std::clamp<std::int64_t>(index, 0, static_cast<std::int64_t>(stored.size()));
  source.SetCaretPos(source.TabRack().IndexToColumn(stored, index), line);
  editor.MakeCaretVisible();
}

}  // namespace qs
