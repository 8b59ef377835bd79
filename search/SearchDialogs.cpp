#include "search/SearchDialogs.h"

#include "search/FindStrokeDlg.h"
#include "search/GotoTimeDlg.h"
#include "search/ReplaceStrokeDlg.h"

CSearchDialogs::CSearchDialogs(QWidget* pOwner, const doc::CStrokeDocument& document,
                               doc::CDocumentFlows& flows)
    : m_document(document), m_pReplaceDlg(new CReplaceStrokeDlg(flows, pOwner)),
      m_pFindDlg(new CFindStrokeDlg(flows, pOwner)), m_pGotoDlg(new CGotoTimeDlg(flows, pOwner))
{
}

CSearchDialogs::~CSearchDialogs()
{
    delete m_pReplaceDlg;
    delete m_pFindDlg;
    delete m_pGotoDlg;
}

void CSearchDialogs::OpenFind(const platform::Rect& rcOwner)
{
    m_pFindDlg->CentreOver(rcOwner);
    m_pFindDlg->Open(search::OpeningKeys(m_document));
}

void CSearchDialogs::OpenReplace(const platform::Rect& rcOwner)
{
    m_pReplaceDlg->CentreOver(rcOwner);
    m_pReplaceDlg->Open(search::OpeningKeys(m_document));
}

void CSearchDialogs::OpenGotoTime(const platform::Rect& rcOwner)
{
    m_pGotoDlg->CentreOver(rcOwner);
    m_pGotoDlg->Open(search::OpeningTime(m_document));
}
