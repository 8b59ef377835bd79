#pragma once
// The replace dialog: the keys to look for and the keys to put in their place;
// Replace changes the next matching stroke, Replace All every one.

#include "search/SearchDlg.h"
#include "strokelist/SearchRequests.h"

class CStenoEdit;

class CReplaceStrokeDlg : public CSearchDlg
{
    Q_OBJECT

public:
    explicit CReplaceStrokeDlg(QWidget* pOwner);

    /// Shows the dialog with the focus in the find field; both fields take these keys.
    void Open(steno::KeyBits keys);

    /// The keys and the start of the next single Replace, which also follows
    /// the current stroke.
    strokelist::ReplaceStrokeState& State() { return m_state; }
    CStenoEdit* FindEdit() const { return m_pFindEdit; }
    CStenoEdit* ReplaceEdit() const { return m_pReplaceEdit; }

protected:
    search::ButtonOutcome Press(int nID) override;
    void OnHidden() override;

private:
    strokelist::ReplaceStrokeState m_state;
    CStenoEdit* m_pFindEdit = nullptr;
    CStenoEdit* m_pReplaceEdit = nullptr;
};
