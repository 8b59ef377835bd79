#include "platform/DialogControls.h"

#include <QVariant>
#include <QWidget>

namespace platform {
namespace {

constexpr const char* kControlIdProperty = "quillmarkControlId";

} // namespace

void SetControlId(QWidget* pControl, int nID)
{
    pControl->setProperty(kControlIdProperty, nID);
}

int ControlId(const QObject* pControl)
{
    return pControl == nullptr ? 0 : pControl->property(kControlIdProperty).toInt();
}

QWidget* FindControl(const QWidget* pParent, int nID)
{
    if (pParent == nullptr || nID == 0)
        return nullptr;
    for (QWidget* pChild : pParent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlId(pChild) == nID)
            return pChild;
    }
    return nullptr;
}

} // namespace platform
