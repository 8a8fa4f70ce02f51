#include "app/platform/file_filter.h"

#include <QStringList>

namespace vork {

QString QtFileFilter(const QString& barFilter) {
    QStringList parts = barFilter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        while (description.endsWith(';'))
            description.chop(1);
        QString pattern = parts[i + 1].trimmed();
        // Qt reads the patterns from the parentheses of the description.
        if (description.contains('(')) {
            description = description.left(description.indexOf('(')).trimmed();
        }
        filters << description + " (" + pattern.replace(';', ' ') + ")";
    }
    return filters.join(";;");
}

}  // namespace vork
