#pragma once
// Edit ▸ Shift Times: a small modal skinned dialog over the main window. The
// user picks one of two choices, each with its field: shift by a signed amount
// (±HH:MM:SS.mmm), or make the current stroke a time of day (HH:MM:SS), the
// other strokes keeping their distance to it. A line says which strokes move:
// the selection, or all without one. Shift hands the text to the flows, which
// make the shift or say why not; the dialog closes only once it is made.

#include "platform/CommandDialog.h"
#include "framework/xSkinButton.h"
#include "shift/ShiftAmount.h"

#include <QFont>
#include <QPixmap>

#include <string>

class QLineEdit;

namespace platform {
struct KeyInput;
} // namespace platform

namespace doc {
class CDocumentFlows;
class CStrokeDocument;
} // namespace doc

class CShiftTimesDlg : public CCommandDialog
{
    Q_OBJECT

public:
    CShiftTimesDlg(const doc::CStrokeDocument& document, doc::CDocumentFlows& flows,
                   QWidget* pOwner);

    shift::ShiftKind Kind() const { return m_kind; }
    QLineEdit* Field(shift::ShiftKind kind) const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void CreateButtons();
    QLineEdit* CreateField(int nID, const QString& strText, const QString& strHint);
    bool OnCommand(int nID) override;
    /// Checks the choice's box, clears the other's and puts the focus in its field.
    void Choose(shift::ShiftKind kind);
    /// Alt+B and Alt+M; false for any other key.
    bool ChooseByKey(const platform::KeyInput& key);
    void OnShift();

    doc::CDocumentFlows& m_flows;
    CxSkinButton m_btnByAmount;
    CxSkinButton m_btnToTime;
    CxSkinButton m_btnShift;
    CxSkinButton m_btnCancel;
    CxSkinButton m_btnClose;
    QLineEdit* m_pAmount = nullptr;
    QLineEdit* m_pTime = nullptr;
    QPixmap m_bmpBackground;
    QFont m_scopeFont;
    std::wstring m_strScope;
    shift::ShiftKind m_kind = shift::ShiftKind::ByAmount;
};
