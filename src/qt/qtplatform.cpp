#include "qt/qtplatform.h"

namespace qs::qt {

QtPlatform::QtPlatform()
    : m_printer(m_dialogs.Printer()), m_platform{m_files,   m_clipboard, m_clock, m_timers,
                                                 m_dialogs, m_forms,     m_shell, m_printer,
                                                 m_browser, m_help,      m_screen} {}

}  // namespace qs::qt
