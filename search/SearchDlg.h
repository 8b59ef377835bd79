#pragma once
// What the find, replace and go-to-time dialogs share: a borderless modeless
// window over the main window, its background bitmap, its skinned buttons and
// drawn close button, the keys of an ordinary dialog (Esc cancels, Enter runs
// the focused button or the action button), and the requests it posts to its
// owner. The dialogs collect input only; the owner runs the requests.

#include "framework/xSkinButton.h"
#include "search/SearchDialogRules.h"

#include <QDialog>
#include <QPixmap>

#include <vector>

class CMessageEvent;
class CStenoEdit;

class CSearchDlg : public QDialog
{
    Q_OBJECT

public:
    /// Hidden until the owner opens it; never destroyed between uses.
    CSearchDlg(search::SearchDialogKind kind, QWidget* pOwner);

    /// Centres the dialog over the owner's rectangle.
    void CentreOver(const platform::Rect& rcOwner);
    /// The button or field with this control identifier, or null.
    QWidget* Control(int nID) const;

protected:
    /// Takes the fields into the dialog's record and says what the button does.
    virtual search::ButtonOutcome Press(int nID) = 0;
    /// Where Cancel leaves the focus for the next opening.
    virtual void OnHidden() {}

    /// The keys field with this identifier at its place, with its own copy of the font.
    CStenoEdit* CreateKeysField(int nID);
    /// Where the field or picker with this identifier goes.
    QRect FieldRect(int nID) const;
    /// Shows the dialog in front with the focus in the given control.
    void ShowWithFocus(QWidget* pFocus);

    bool event(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void reject() override;

private:
    void CreateButtons(const search::SearchDialogLayout& layout);
    bool OnMessage(const CMessageEvent& message);
    void OnButton(int nID);
    void OnTab(bool bShift);

    search::SearchDialogKind m_kind;
    QPixmap m_bmpBackground;
};
