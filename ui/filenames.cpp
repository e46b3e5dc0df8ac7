#include "ui/filenames.h"

#include <QStringList>

namespace defib::ui {

namespace {

// Characters of the name that some file system refuses or a shell reads otherwise.
bool fitsAFileName(QChar c)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    return c.isPrint() && !refused.contains(c);
}

// Long names are cut: a file manager shows the start, and the date follows.
constexpr qsizetype longestName = 60;

} // namespace

QString debriefFileName(const QString& trainee, const QString& isoDate)
{
    QString name;
    for (QChar c : trainee)
        name += fitsAFileName(c) ? c : QLatin1Char(' ');
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name = name.mid(1).trimmed();
    name.truncate(longestName);
    QStringList parts{QStringLiteral("Debrief")};
    for (const QString& part : {name.trimmed(), isoDate})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QLatin1Char(' ')) + QStringLiteral(".png");
}

} // namespace defib::ui
