// File dialog filters from the program's "Description|*.a;*.b|..." form into
// Qt's name filters "Description (*.a *.b)".
#pragma once

#include <QStringList>

#include "support/qschar.h"

namespace qs::qt {

// A description that ends in its own "(...)" list loses it, so the patterns
// are not shown twice; "*.*" becomes "*", which in Qt also matches names
// without a dot.
QStringList ToQtNameFilters(StringView filter);

}  // namespace qs::qt
