#pragma once
// The find dialog: the keys to look for in one typed-steno field; Find makes
// the next stroke with them current.

#include "search/SearchDlg.h"

class CStenoEdit;

class CFindStrokeDlg : public CSearchDlg
{
    Q_OBJECT

public:
    CFindStrokeDlg(doc::CDocumentFlows& flows, QWidget* pOwner);

    /// Shows the dialog with the focus in the field, which takes these keys.
    void Open(steno::KeyBits keys);

    CStenoEdit* StenoEdit() const { return m_pStenoEdit; }

protected:
    void Run(search::ButtonAction action) override;
    void OnHidden() override;

private:
    CStenoEdit* m_pStenoEdit = nullptr;
};
