// Building blocks the dialogs share: a captioned control or row, a colour box
// with its "..." button, the image file choice, and the OK / Cancel pair.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/dialogs.h"

namespace qs {

// s without the blanks and control characters around it.
String TrimBlanks(StringView s);

// A control of kind T with a caption, added to parent.
template <class T>
T& AddCaptioned(TControl& parent, std::string name, StringView caption) {
  T& control = parent.Add<T>(std::move(name));
  control.SetCaption(caption);
  return control;
}

// A horizontal panel named name + "Row" holding a label with caption.
TPanel& AddCaptionedRow(TControl& parent, const std::string& name, StringView caption);

// The label AddCaptionedRow put first in its row.
TLabel& RowLabel(TPanel& row);

// A control of kind T in its own captioned row.
template <class T, class... Args>
T& AddRow(TControl& parent, const std::string& name, StringView caption, Args&&... args) {
  return AddCaptionedRow(parent, name, caption).Add<T>(name, std::forward<Args>(args)...);
}

// A button captioned "..." beside what its row already holds.
TButton& AddEllipsisButton(TPanel& row, const std::string& name);

// The sixteen named colours the colour boxes offer.
std::vector<String> NamedColorItems();

// An editable colour list whose "..." button opens the desktop's colour
// dialog and enters the choice in colour notation.
TComboBox& AddColorRow(TControl& parent, const std::string& name, StringView caption,
                       IDialogs& dialogs);

inline constexpr StringView kImageFilter =
    U"All image files ( *.gif;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf;*.png)|*.gif;*.jpg;*.jpeg;*.bmp;"
    U"*.emf;*.wmf;*.png|All files|*.*";

// Asks for an image file; "file://" and its path, or empty when cancelled.
String ChooseImageUrl(IDialogs& dialogs);

// "file://" followed by the path as its URL spells it.
String FileUrl(const std::string& path);

struct TDialogButtons {
  TButton& ok;
  TButton& cancel;
};
// An OK button (default, closes with mrOk) and a Cancel one (Esc, mrCancel).
TDialogButtons AddDialogButtons(TControl& parent, StringView okCaption = U"OK");

}  // namespace qs
