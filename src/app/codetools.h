// The main window's web-page tools: Validate HTML, the batch validator and
// the validator's options, the code explorer, and stepping through the
// validator's messages. Owns the two panels' models; the toolkit's window
// shows them through IToolPanels.
#pragma once

#include <memory>
#include <string>

#include "app/codeexplorer.h"
#include "app/validationlist.h"

namespace qs {

class IToolPanels;
class TMainForm;
class TValidatorOptions;
struct Platform;

class TCodeTools {
 public:
  TCodeTools(TMainForm& form, Platform& platform, TValidatorOptions& options);
  ~TCodeTools();
  TCodeTools(const TCodeTools&) = delete;
  TCodeTools& operator=(const TCodeTools&) = delete;

  // Gives the commands their operations.
  void AttachCommands();
  // Where the panels show; none (the default) leaves the models unseen.
  void SetPanels(IToolPanels* panels) noexcept { m_panels = panels; }

  TValidationList& Messages() noexcept { return m_messages; }
  TCodeExplorer& Explorer() noexcept { return *m_explorer; }

  // The document in the editor, with its PHP masked.
  void ValidateDocument();
  // Asks for a folder and checks its pages; false when the user cancelled.
  bool BatchValidate();
  // Checks the pages under folder into the list; false when cancelled.
  bool ValidateFolder(const std::string& folder);
  void EditOptions();
  void ShowExplorer();
  // Puts the caret on the node's name.
  void GoToNode(const TExplorerNode& node);

 private:
  void GoToMessage(const std::string& file, const TValidationMessage& message);
  // Line and character index, both 0-based, clamped to the text.
  void GoToPlace(std::int32_t line, std::int64_t index);

  TMainForm& m_form;
  Platform& m_platform;
  TValidatorOptions& m_options;
  IToolPanels* m_panels = nullptr;
  TValidationList m_messages;
  std::unique_ptr<TCodeExplorer> m_explorer;
  std::string m_lastFolder;
};

}  // namespace qs
