#include "search/ReplaceStrokeDlg.h"

#include "fields/StenoEdit.h"

CReplaceStrokeDlg::CReplaceStrokeDlg(QWidget* pOwner)
    : CSearchDlg(search::SearchDialogKind::Replace, pOwner),
      m_pFindEdit(CreateKeysField(search::kIdKeysField)),
      m_pReplaceEdit(CreateKeysField(search::kIdReplaceField))
{
    setWindowTitle(QStringLiteral("Replace"));
    m_pFindEdit->SetKeys(m_state.m_findKeys);
    m_pReplaceEdit->SetKeys(m_state.m_replaceKeys);
}

void CReplaceStrokeDlg::Open(steno::KeyBits keys)
{
    ShowWithFocus(m_pFindEdit);
    m_pFindEdit->SetKeys(keys);
    m_pReplaceEdit->SetKeys(keys);
}

search::ButtonOutcome CReplaceStrokeDlg::Press(int nID)
{
    return search::PressReplaceButton(nID, m_state, m_pFindEdit->Keys(), m_pReplaceEdit->Keys());
}

void CReplaceStrokeDlg::OnHidden()
{
    m_pFindEdit->setFocus(Qt::OtherFocusReason);
    m_pFindEdit->update();
}
