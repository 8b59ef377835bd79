#include "search/FindStrokeDlg.h"

#include "document/DocumentFlows.h"
#include "fields/StenoEdit.h"

CFindStrokeDlg::CFindStrokeDlg(doc::CDocumentFlows& flows, QWidget* pOwner)
    : CSearchDlg(search::SearchDialogKind::Find, flows, pOwner),
      m_pStenoEdit(CreateKeysField(search::kIdKeysField))
{
    setWindowTitle(QStringLiteral("Find"));
}

void CFindStrokeDlg::Open(steno::KeyBits keys)
{
    ShowWithFocus(m_pStenoEdit);
    m_pStenoEdit->SetKeys(keys);
}

void CFindStrokeDlg::Run(search::ButtonAction)
{
    Flows().Find(m_pStenoEdit->Keys());
}

void CFindStrokeDlg::OnHidden()
{
    m_pStenoEdit->setFocus(Qt::OtherFocusReason);
    m_pStenoEdit->update();
}
