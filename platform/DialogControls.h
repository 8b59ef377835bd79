#pragma once
// Control identifiers of a window's child controls. Commands carry the
// identifier of the control that sent them.

class QObject;
class QWidget;

namespace platform {

void SetControlId(QWidget* pControl, int nID);
/// The control's identifier, 0 when it has none.
int ControlId(const QObject* pControl);
/// The direct child of the parent with this identifier, or null.
QWidget* FindControl(const QWidget* pParent, int nID);

} // namespace platform
