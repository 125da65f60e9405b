#include "desktop/app_resources.h"

#include <QIcon>

// The resources live in a static library: the linker keeps them only when
// something names them.
static void InitQuilskResources() { Q_INIT_RESOURCE(quilsk); }

namespace quilsk {

void LoadAppResources() { InitQuilskResources(); }

QIcon AppIcon()
{
    LoadAppResources();
    QIcon icon;
    for (const char* size : {"16", "32", "48", "64"})
        icon.addFile(QStringLiteral(":/icons/quilsk-%1.png").arg(QLatin1String(size)));
    return icon;
}

}  // namespace quilsk
