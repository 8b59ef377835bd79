#pragma once
// The configuration dialog: a small modal skinned dialog with the one option
// of the program, whether the stroke monitor is shown. It edits a copy; the
// caller applies it when the dialog ends with OK. Alt+M toggles the box.

#include "platform/CommandDialog.h"
#include "framework/xSkinButton.h"

#include <QPixmap>

class CConfigurationDlg : public CCommandDialog
{
    Q_OBJECT

public:
    explicit CConfigurationDlg(QWidget* pParent = nullptr);

    /// The option as the dialog starts and, after OK, as the user left it.
    void SetShowMonitor(bool bShow);
    bool ShowMonitor() const { return m_bShowMonitor; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void CreateButtons();
    void CenterOnOwner();
    bool OnCommand(int nID) override;
    void OnShowMonitor();
    void OnOK();

    bool m_bShowMonitor = false;
    CxSkinButton m_btnShowMonitor;
    CxSkinButton m_btnOK;
    CxSkinButton m_btnCancel;
    CxSkinButton m_btnClose;
    QPixmap m_bmpBackground;
};
