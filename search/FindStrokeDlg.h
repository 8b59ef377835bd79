#pragma once
// The find dialog: the keys to look for in one typed-steno field; Find asks the
// main window for the next stroke with them.

#include "search/SearchDlg.h"
#include "strokelist/SearchRequests.h"

class CStenoEdit;

class CFindStrokeDlg : public CSearchDlg
{
    Q_OBJECT

public:
    explicit CFindStrokeDlg(QWidget* pOwner);

    /// Shows the dialog with the focus in the field, which takes these keys.
    void Open(steno::KeyBits keys);

    /// The keys and the start of the next search; the main window's requests update it.
    strokelist::FindStrokeState& State() { return m_state; }
    CStenoEdit* StenoEdit() const { return m_pStenoEdit; }

protected:
    search::ButtonOutcome Press(int nID) override;
    void OnHidden() override;

private:
    strokelist::FindStrokeState m_state;
    CStenoEdit* m_pStenoEdit = nullptr;
};
