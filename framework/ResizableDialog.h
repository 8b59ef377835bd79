#pragma once
// The base of the resizable windows (the main window and the two monitors):
// anchored children, a size grip, and never smaller than at creation.

#include "framework/ResizableGrip.h"
#include "framework/ResizableLayout.h"
#include "framework/ResizableMinMax.h"

#include <QDialog>

class CResizableDialog : public QDialog,
                         public CResizableLayout,
                         public CResizableGrip,
                         public CResizableMinMax
{
    Q_OBJECT

public:
    explicit CResizableDialog(QWidget* pParent = nullptr, Qt::WindowFlags flags = {});

protected:
    QWidget* GetResizableWnd() const override;

    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void UpdateGripForState();

    bool m_bCreated = false;
    bool m_bGripHiddenForMaximize = false;
};
