#include "platform/dialogs.h"

namespace qs {

void IDialogs::ShowError(const String& text) {
  MessageBox(text, U"Error", MsgButtons::OK, MsgIcon::Error);
}

MsgResult IDialogs::Confirm(const String& text, bool withCancel) {
  return MessageBox(text, U"Confirm", withCancel ? MsgButtons::YesNoCancel : MsgButtons::YesNo,
                    MsgIcon::Question);
}

}  // namespace qs
