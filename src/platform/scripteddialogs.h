// Dialogs for tests: the test queues the answers in the order the prompts will
// come, and reads back every prompt shown. A prompt with no answer queued, or
// with an answer of another kind, throws UnscriptedPrompt at once instead of
// waiting for a user who is not there.
#pragma once

#include <deque>

#include "platform/dialogs.h"
#include "platform/unscriptedprompt.h"

namespace qs {

enum class PromptKind {
  Message,
  Input,
  OpenFile,
  SaveFile,
  Font,
  Color,
  Folder,
  PrinterSetup,
  Choice
};

// What a prompt showed; the fields that do not apply to its kind stay empty.
struct Prompt {
  PromptKind kind = PromptKind::Message;
  String caption;  // message and input boxes; a file dialog's or folder browser's title
  String text;     // message text or input prompt
  MsgButtons buttons = MsgButtons::OK;
  MsgIcon icon = MsgIcon::None;
  String value;  // the text an input box started with
  FileDialogOptions file;
  FontSpec font;
  TColor color = 0;             // font and colour dialogs: the starting colour
  std::string initialDir;       // folder browser
  std::vector<String> choices;  // a choice box's buttons
};

class ScriptedDialogs final : public IDialogs {
 public:
  MsgResult MessageBox(const String& text, const String& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  bool InputQuery(const String& caption, const String& prompt, String& value) override;
  std::optional<FileChoice> OpenFile(const FileDialogOptions& options) override;
  std::optional<FileChoice> SaveFile(const FileDialogOptions& options) override;
  bool ChooseFont(FontSpec& font, TColor& color) override;
  bool ChooseColor(TColor& color) override;
  std::optional<std::string> BrowseFolder(const String& title,
                                          const std::string& initialDir) override;
  bool PrinterSetup() override;
  int AskChoice(const String& text, const String& caption, const std::vector<String>& buttons,
                MsgIcon icon) override;

  // Answers, consumed in order. An empty optional is Cancel.
  void AnswerMessage(MsgResult result);
  void AnswerInput(std::optional<String> text);
  void AnswerOpenFile(std::optional<FileChoice> choice);
  void AnswerSaveFile(std::optional<FileChoice> choice);
  void AnswerFont(std::optional<FontSpec> font, TColor color = 0);
  void AnswerColor(std::optional<TColor> color);
  void AnswerFolder(std::optional<std::string> folder);
  void AnswerPrinterSetup(bool ok);
  // The index of the button a choice box gets pressed, -1 for a close.
  void AnswerChoice(int index);

  [[nodiscard]] const std::vector<Prompt>& Prompts() const { return m_prompts; }
  [[nodiscard]] std::size_t PendingAnswers() const { return m_answers.size(); }

 private:
  struct Answer {
    PromptKind kind = PromptKind::Message;
    bool accepted = false;
    MsgResult result = MsgResult::OK;
    String text;
    FileChoice file;
    FontSpec font;
    TColor color = 0;
    std::string folder;
    int choice = -1;
  };
  // Records the prompt, then takes the next answer, which must be of its kind.
  Answer Take(Prompt prompt);
  void Queue(Answer answer) { m_answers.push_back(std::move(answer)); }
  std::optional<FileChoice> FileDialog(PromptKind kind, const FileDialogOptions& options);
  void QueueFile(PromptKind kind, std::optional<FileChoice> choice);

  std::deque<Answer> m_answers;
  std::vector<Prompt> m_prompts;
};

}  // namespace qs
