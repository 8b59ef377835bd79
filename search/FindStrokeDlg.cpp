#include "search/FindStrokeDlg.h"

#include "fields/StenoEdit.h"

CFindStrokeDlg::CFindStrokeDlg(QWidget* pOwner)
    : CSearchDlg(search::SearchDialogKind::Find, pOwner),
      m_pStenoEdit(CreateKeysField(search::kIdKeysField))
{
    setWindowTitle(QStringLiteral("Find"));
    m_pStenoEdit->SetKeys(m_state.m_keys);
}

void CFindStrokeDlg::Open(steno::KeyBits keys)
{
    ShowWithFocus(m_pStenoEdit);
    m_pStenoEdit->SetKeys(keys);
}

search::ButtonOutcome CFindStrokeDlg::Press(int nID)
{
    return search::PressFindButton(nID, m_state, m_pStenoEdit->Keys());
}

void CFindStrokeDlg::OnHidden()
{
    m_pStenoEdit->setFocus(Qt::OtherFocusReason);
    m_pStenoEdit->update();
}
