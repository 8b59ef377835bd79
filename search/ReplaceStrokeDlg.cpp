#include "search/ReplaceStrokeDlg.h"

#include "document/DocumentFlows.h"
#include "fields/StenoEdit.h"

CReplaceStrokeDlg::CReplaceStrokeDlg(doc::CDocumentFlows& flows, QWidget* pOwner)
    : CSearchDlg(search::SearchDialogKind::Replace, flows, pOwner),
      m_pFindEdit(CreateKeysField(search::kIdKeysField)),
      m_pReplaceEdit(CreateKeysField(search::kIdReplaceField))
{
    setWindowTitle(QStringLiteral("Replace"));
}

void CReplaceStrokeDlg::Open(steno::KeyBits keys)
{
    ShowWithFocus(m_pFindEdit);
    m_pFindEdit->SetKeys(keys);
    m_pReplaceEdit->SetKeys(keys);
}

void CReplaceStrokeDlg::Run(search::ButtonAction action)
{
    Flows().Replace(m_pFindEdit->Keys(), m_pReplaceEdit->Keys(),
                    action == search::ButtonAction::ReplaceAll);
}

void CReplaceStrokeDlg::OnHidden()
{
    m_pFindEdit->setFocus(Qt::OtherFocusReason);
    m_pFindEdit->update();
}
