#pragma once
// The transcript window: a skinned, resizable window in the style of the
// monitors that shows the words around the current stroke and follows it as
// it moves through the list. Options ▸ Transcript shows it; it never takes the
// keyboard from the list.

#include "document/DocumentObserver.h"
#include "monitors/MonitorFrameDlg.h"
#include "translation/TranslationObserver.h"

class CTranscriptView;

namespace doc {
class CStrokeDocument;
}

namespace translation {
class CTranslationModel;
}

class CTranscriptDlg : public CMonitorFrameDlg,
                       private doc::IDocumentObserver,
                       private translation::ITranslationObserver
{
    Q_OBJECT

public:
    /// Hidden until shown; opens at the lower right of the work area. The
    /// document and the translation outlive it.
    CTranscriptDlg(QWidget* pOwner, doc::CStrokeDocument& document,
                   translation::CTranslationModel& translation);
    ~CTranscriptDlg() override;

    /// Options ▸ Transcript: shows and raises the window without taking the keyboard.
    void ShowRaised();
    CTranscriptView& View() const { return *m_pView; }

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void OnCurrentChanged(const doc::CurrentChange& change) override;
    void OnTranslationChanged(const translation::TranslationRows& rows) override;

    doc::CStrokeDocument& m_document;
    translation::CTranslationModel& m_translation;
    CTranscriptView* m_pView; // child window
};
