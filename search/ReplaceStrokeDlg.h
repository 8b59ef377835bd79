#pragma once
// The replace dialog: the keys to look for and the keys to put in their place;
// Replace changes the next matching stroke, Replace All every one.

#include "search/SearchDlg.h"

class CStenoEdit;

class CReplaceStrokeDlg : public CSearchDlg
{
    Q_OBJECT

public:
    CReplaceStrokeDlg(doc::CDocumentFlows& flows, QWidget* pOwner);

    /// Shows the dialog with the focus in the find field; both fields take these keys.
    void Open(steno::KeyBits keys);

    CStenoEdit* FindEdit() const { return m_pFindEdit; }
    CStenoEdit* ReplaceEdit() const { return m_pReplaceEdit; }

protected:
    void Run(search::ButtonAction action) override;
    void OnHidden() override;

private:
    CStenoEdit* m_pFindEdit = nullptr;
    CStenoEdit* m_pReplaceEdit = nullptr;
};
