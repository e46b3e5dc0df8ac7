#include "assets/pictures.h"

namespace defib::assets {

QString picturePath(const char* name)
{
    return QStringLiteral(":/pictures/") + QLatin1String(name) + QStringLiteral(".svg");
}

} // namespace defib::assets
