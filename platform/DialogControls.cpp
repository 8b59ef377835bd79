#include "platform/DialogControls.h"

#include <QVariant>
#include <QWidget>

namespace platform {
namespace {

constexpr const char* kControlIdProperty = "quillmarkControlId";
constexpr const char* kGroupStartProperty = "quillmarkGroupStart";

QList<QWidget*> ChildControls(const QWidget* pParent)
{
    return pParent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

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
    for (QWidget* pChild : ChildControls(pParent)) {
        if (ControlId(pChild) == nID)
            return pChild;
    }
    return nullptr;
}

void SetGroupStart(QWidget* pControl, bool bStart)
{
    pControl->setProperty(kGroupStartProperty, bStart);
}

bool IsGroupStart(const QWidget* pControl)
{
    return pControl->property(kGroupStartProperty).toBool();
}

QList<QWidget*> DialogGroup(QWidget* pControl)
{
    const QWidget* pParent = pControl->parentWidget();
    if (pParent == nullptr)
        return {pControl};
    QList<QWidget*> group;
    bool bFound = false;
    for (QWidget* pChild : ChildControls(pParent)) {
        if (IsGroupStart(pChild)) {
            if (bFound)
                break;
            group.clear();
        }
        group.append(pChild);
        bFound = bFound || pChild == pControl;
    }
    return group;
}

} // namespace platform
