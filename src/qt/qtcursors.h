// The platform's cursor shapes as Qt cursors; the hand over links is our own
// picture (resources/cursors/memohandpt.xpm).
#pragma once

#include <QCursor>

#include "platform/windowhost.h"

namespace qs::qt {

[[nodiscard]] QCursor ToQCursor(Cursor cursor);

}  // namespace qs::qt
