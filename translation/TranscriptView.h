#pragma once
// The transcript window's page: the formatted words around the current
// stroke, its translation on the accent colour, untranslated steno in red. A
// click on a word makes the first stroke of its translation current.

#include "platform/QtTextMeasurer.h"
#include "translation/TranscriptPage.h"

#include <QWidget>

namespace doc {
class CStrokeDocument;
}

namespace translation {
class CTranslationModel;
}

class CTranscriptView : public QWidget
{
    Q_OBJECT

public:
    CTranscriptView(QWidget* pParent, doc::CStrokeDocument& document,
                    const translation::CTranslationModel& translation);

    /// The page as last painted.
    const translation::TranscriptPage& Page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;

private:
    /// The translation the page shows, and whether the current stroke is one of its.
    struct Focus
    {
        std::size_t nTranslation = 0;
        bool bCurrent = false;
    };

    Focus CurrentFocus() const;
    void PaintRun(QPainter& painter, const translation::TranscriptRun& run, bool bCurrent) const;

    doc::CStrokeDocument& m_document;
    const translation::CTranslationModel& m_translation;
    QtTextMeasurer m_font;
    translation::TranscriptPage m_page;
};
