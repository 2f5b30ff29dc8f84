#include "qt/qtplatform.h"

#include "platform/forms.h"
#include "support/errors.h"

namespace qs::qt {

void UnavailableFormHost::RunModal(TForm& form) {
  throw Error("The dialog \"" + form.Name() + "\" is not available in this version.");
}

QtPlatform::QtPlatform()
    : m_printer(m_dialogs.Printer()), m_platform{m_files,   m_clipboard, m_clock, m_timers,
                                                 m_dialogs, m_forms,     m_shell, m_printer,
                                                 m_browser, m_help,      m_screen} {}

}  // namespace qs::qt
