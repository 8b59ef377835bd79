#pragma once
// Control identifiers and groups of a window's child controls. Commands carry
// the identifier of the control that sent them; a group is the run of sibling
// controls from one group start to the next, as radio buttons are grouped.

#include <QList>

class QObject;
class QWidget;

namespace platform {

void SetControlId(QWidget* pControl, int nID);
/// The control's identifier, 0 when it has none.
int ControlId(const QObject* pControl);
/// The direct child of the parent with this identifier, or null.
QWidget* FindControl(const QWidget* pParent, int nID);

/// Marks the control as the first of a new group.
void SetGroupStart(QWidget* pControl, bool bStart = true);
bool IsGroupStart(const QWidget* pControl);
/// The controls of the control's group, itself included, in child order.
QList<QWidget*> DialogGroup(QWidget* pControl);

} // namespace platform
