#pragma once
// The main window's three search dialogs: made once, hidden between uses, and
// opened centred over the main window, filled from the current stroke.

#include "platform/core/Geometry.h"

class CFindStrokeDlg;
class CGotoTimeDlg;
class CReplaceStrokeDlg;
class QWidget;

namespace doc {
class CDocumentFlows;
class CStrokeDocument;
} // namespace doc

class CSearchDialogs
{
public:
    CSearchDialogs(QWidget* pOwner, const doc::CStrokeDocument& document,
                   doc::CDocumentFlows& flows);
    ~CSearchDialogs();
    CSearchDialogs(const CSearchDialogs&) = delete;
    CSearchDialogs& operator=(const CSearchDialogs&) = delete;

    // Where the next search starts is left as it was.
    void OpenFind(const platform::Rect& rcOwner);
    void OpenReplace(const platform::Rect& rcOwner);
    void OpenGotoTime(const platform::Rect& rcOwner);

    CFindStrokeDlg* FindDlg() const { return m_pFindDlg; }
    CReplaceStrokeDlg* ReplaceDlg() const { return m_pReplaceDlg; }
    CGotoTimeDlg* GotoDlg() const { return m_pGotoDlg; }

private:
    const doc::CStrokeDocument& m_document;
    CReplaceStrokeDlg* m_pReplaceDlg;
    CFindStrokeDlg* m_pFindDlg;
    CGotoTimeDlg* m_pGotoDlg;
};
