#include "qt/qtfilefilter.h"

#include "platform/filefilter.h"
#include "qt/qtconvert.h"

namespace qs::qt {

QStringList ToQtNameFilters(StringView filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    QString description = ToQString(entry.description).trimmed();
    if (description.endsWith(QLatin1Char(')'))) {
      const qsizetype open = description.lastIndexOf(QLatin1Char('('));
      if (open > 0) description = description.left(open).trimmed();
    }
    QStringList patterns;
    for (const std::string& pattern : entry.patterns)
      patterns << (pattern == "*.*" ? QStringLiteral("*") : ToQString(pattern));
    filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
  }
  return filters;
}

}  // namespace qs::qt
