#include "platform/scripteddialogs.h"

#include "support/utf8.h"

namespace qs {
namespace {

const char* KindName(PromptKind kind) {
  switch (kind) {
    case PromptKind::Message:
      return "message box";
    case PromptKind::Input:
      return "input box";
    case PromptKind::OpenFile:
      return "open dialog";
    case PromptKind::SaveFile:
      return "save dialog";
    case PromptKind::Font:
      return "font dialog";
    case PromptKind::Color:
      return "colour dialog";
    case PromptKind::Folder:
      return "folder browser";
    case PromptKind::PrinterSetup:
      return "printer set-up";
    case PromptKind::Choice:
      return "choice box";
  }
  return "prompt";
}

bool ButtonsOffer(MsgButtons buttons, MsgResult result) {
  switch (buttons) {
    case MsgButtons::OK:
      return result == MsgResult::OK;
    case MsgButtons::OKCancel:
      return result == MsgResult::OK || result == MsgResult::Cancel;
    case MsgButtons::YesNo:
      return result == MsgResult::Yes || result == MsgResult::No;
    case MsgButtons::YesNoCancel:
      return result != MsgResult::OK && result != MsgResult::All;
    case MsgButtons::YesNoCancelAll:
      return result != MsgResult::OK;
  }
  return false;
}

}  // namespace

ScriptedDialogs::Answer ScriptedDialogs::Take(Prompt prompt) {
  const std::string shown = std::string(KindName(prompt.kind)) + " \"" + ToUtf8(prompt.caption) +
                            "\": \"" + ToUtf8(prompt.text) + "\"";
  const PromptKind kind = prompt.kind;
  m_prompts.push_back(std::move(prompt));
  if (m_answers.empty()) throw UnscriptedPrompt("no answer scripted for the " + shown);
  if (m_answers.front().kind != kind)
    throw UnscriptedPrompt("the script answers a " + std::string(KindName(m_answers.front().kind)) +
                           " but the program showed the " + shown);
  Answer answer = std::move(m_answers.front());
  m_answers.pop_front();
  return answer;
}

MsgResult ScriptedDialogs::MessageBox(const String& text, const String& caption, MsgButtons buttons,
                                      MsgIcon icon) {
  Prompt prompt;
  prompt.kind = PromptKind::Message;
  prompt.caption = caption;
  prompt.text = text;
  prompt.buttons = buttons;
  prompt.icon = icon;
  const Answer answer = Take(std::move(prompt));
  if (!ButtonsOffer(buttons, answer.result))
    throw UnscriptedPrompt("the script presses a button the message box \"" + ToUtf8(text) +
                           "\" does not have");
  return answer.result;
}

bool ScriptedDialogs::InputQuery(const String& caption, const String& promptText, String& value) {
  Prompt prompt;
  prompt.kind = PromptKind::Input;
  prompt.caption = caption;
  prompt.text = promptText;
  prompt.value = value;
  const Answer answer = Take(std::move(prompt));
  if (answer.accepted) value = answer.text;
  return answer.accepted;
}

std::optional<FileChoice> ScriptedDialogs::FileDialog(PromptKind kind,
                                                      const FileDialogOptions& options) {
  Prompt prompt;
  prompt.kind = kind;
  prompt.caption = options.title;
  prompt.file = options;
  const Answer answer = Take(std::move(prompt));
  if (!answer.accepted) return std::nullopt;
  return answer.file;
}

std::optional<FileChoice> ScriptedDialogs::OpenFile(const FileDialogOptions& options) {
  return FileDialog(PromptKind::OpenFile, options);
}

std::optional<FileChoice> ScriptedDialogs::SaveFile(const FileDialogOptions& options) {
  return FileDialog(PromptKind::SaveFile, options);
}

bool ScriptedDialogs::ChooseFont(FontSpec& font, TColor& color) {
  Prompt prompt;
  prompt.kind = PromptKind::Font;
  prompt.font = font;
  prompt.color = color;
  const Answer answer = Take(std::move(prompt));
  if (!answer.accepted) return false;
  font = answer.font;
  color = answer.color;
  return true;
}

bool ScriptedDialogs::ChooseColor(TColor& color) {
  Prompt prompt;
  prompt.kind = PromptKind::Color;
  prompt.color = color;
  const Answer answer = Take(std::move(prompt));
  if (answer.accepted) color = answer.color;
  return answer.accepted;
}

std::optional<std::string> ScriptedDialogs::BrowseFolder(const String& title,
                                                         const std::string& initialDir) {
  Prompt prompt;
  prompt.kind = PromptKind::Folder;
  prompt.caption = title;
  prompt.initialDir = initialDir;
  const Answer answer = Take(std::move(prompt));
  if (!answer.accepted) return std::nullopt;
  return answer.folder;
}

bool ScriptedDialogs::PrinterSetup() {
  Prompt prompt;
  prompt.kind = PromptKind::PrinterSetup;
  return Take(std::move(prompt)).accepted;
}

void ScriptedDialogs::AnswerMessage(MsgResult result) {
  Answer answer;
  answer.kind = PromptKind::Message;
  answer.accepted = true;
  answer.result = result;
  Queue(std::move(answer));
}

void ScriptedDialogs::AnswerInput(std::optional<String> text) {
  Answer answer;
  answer.kind = PromptKind::Input;
  answer.accepted = text.has_value();
  answer.text = text.value_or(String());
  Queue(std::move(answer));
}

void ScriptedDialogs::QueueFile(PromptKind kind, std::optional<FileChoice> choice) {
  Answer answer;
  answer.kind = kind;
  answer.accepted = choice.has_value();
  if (choice) answer.file = std::move(*choice);
  Queue(std::move(answer));
}

void ScriptedDialogs::AnswerOpenFile(std::optional<FileChoice> choice) {
  QueueFile(PromptKind::OpenFile, std::move(choice));
}

void ScriptedDialogs::AnswerSaveFile(std::optional<FileChoice> choice) {
  QueueFile(PromptKind::SaveFile, std::move(choice));
}

void ScriptedDialogs::AnswerFont(std::optional<FontSpec> font, TColor color) {
  Answer answer;
  answer.kind = PromptKind::Font;
  answer.accepted = font.has_value();
  if (font) answer.font = std::move(*font);
  answer.color = color;
  Queue(std::move(answer));
}

void ScriptedDialogs::AnswerColor(std::optional<TColor> color) {
  Answer answer;
  answer.kind = PromptKind::Color;
  answer.accepted = color.has_value();
  answer.color = color.value_or(0);
  Queue(std::move(answer));
}

void ScriptedDialogs::AnswerFolder(std::optional<std::string> folder) {
  Answer answer;
  answer.kind = PromptKind::Folder;
  answer.accepted = folder.has_value();
  answer.folder = folder.value_or(std::string());
  Queue(std::move(answer));
}

void ScriptedDialogs::AnswerPrinterSetup(bool ok) {
  Answer answer;
  answer.kind = PromptKind::PrinterSetup;
  answer.accepted = ok;
  Queue(std::move(answer));
}

int ScriptedDialogs::AskChoice(const String& text, const String& caption,
                               const std::vector<String>& buttons, MsgIcon icon) {
  Prompt prompt;
  prompt.kind = PromptKind::Choice;
  prompt.caption = caption;
  prompt.text = text;
  prompt.icon = icon;
  prompt.choices = buttons;
  const Answer answer = Take(std::move(prompt));
  if (answer.choice < -1 || answer.choice >= static_cast<int>(buttons.size()))
    throw UnscriptedPrompt("the script presses a button the choice box \"" + ToUtf8(text) +
                           "\" does not have");
  return answer.choice;
}

void ScriptedDialogs::AnswerChoice(int index) {
  Answer answer;
  answer.kind = PromptKind::Choice;
  answer.choice = index;
  Queue(std::move(answer));
}

}  // namespace qs
