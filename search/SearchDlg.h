#pragma once
// What the find, replace and go-to-time dialogs share: a borderless modeless
// window over the main window, its background bitmap, its skinned buttons and
// drawn close button, the keys of an ordinary dialog (Esc cancels, Enter runs
// the focused button or the action button). The dialogs collect input and run
// their searches through the document's flows, which ask the user anything.

#include "fields/FieldNotice.h"
#include "framework/xSkinButton.h"
#include "search/SearchDialogRules.h"

#include <QDialog>
#include <QPixmap>

#include <vector>

class CStenoEdit;

namespace doc {
class CDocumentFlows;
}

class CSearchDlg : public QDialog
{
    Q_OBJECT

public:
    /// Hidden until the owner opens it; never destroyed between uses.
    CSearchDlg(search::SearchDialogKind kind, doc::CDocumentFlows& flows, QWidget* pOwner);

    /// Centres the dialog over the owner's rectangle.
    void CentreOver(const platform::Rect& rcOwner);
    /// The button or field with this control identifier, or null.
    QWidget* Control(int nID) const;

protected:
    /// Runs the search (or Replace All) with the fields as they are.
    virtual void Run(search::ButtonAction action) = 0;
    /// Where Cancel leaves the focus for the next opening.
    virtual void OnHidden() {}

    /// The keys field with this identifier at its place, with its own copy of the font.
    CStenoEdit* CreateKeysField(int nID);
    /// Where the field or picker with this identifier goes.
    QRect FieldRect(int nID) const;
    /// Shows the dialog in front with the focus in the given control.
    void ShowWithFocus(QWidget* pFocus);

    doc::CDocumentFlows& Flows() const { return m_flows; }

    bool event(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void reject() override;

private:
    void CreateButtons(const search::SearchDialogLayout& layout);
    bool OnCommand(QEvent* pEvent);
    void OnFieldNotice(fields::FieldNotice notice);
    void OnButton(int nID);
    void OnTab(bool bShift);

    search::SearchDialogKind m_kind;
    doc::CDocumentFlows& m_flows;
    QPixmap m_bmpBackground;
};
