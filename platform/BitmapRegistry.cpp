#include "platform/BitmapRegistry.h"

#include <QHash>
#include <QString>

namespace {

struct Registry
{
    QHash<int, QPixmap> overrides;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

QPixmap CBitmapRegistry::Load(int nID)
{
    const Registry& registry = TheRegistry();
    const auto it = registry.overrides.constFind(nID);
    if (it != registry.overrides.cend())
        return *it;
    return QPixmap(QStringLiteral(":/bitmaps/%1.png").arg(nID));
}

QIcon CBitmapRegistry::LoadIcon(int nID)
{
    const QPixmap bitmap = Load(nID);
    return bitmap.isNull() ? QIcon() : QIcon(bitmap);
}

void CBitmapRegistry::Override(int nID, const QPixmap& bitmap)
{
    TheRegistry().overrides.insert(nID, bitmap);
}

void CBitmapRegistry::ClearOverrides()
{
    TheRegistry().overrides.clear();
}
