#pragma once
// The stroke list control of the main window: it shows the open document as
// rows of time, stroke and raw stroke (and the translation, when a translation
// is given and shows its column), follows its changes, and opens the stroke
// editor over the current row. It only measures, paints and forwards;
// every rule of the document and of scrolling lives in the core.

#include "document/DocumentObserver.h"
#include "platform/QtTextMeasurer.h"
#include "strokelist/ListKeys.h"
#include "strokelist/ListLayout.h"
#include "translation/ColumnWords.h"
#include "translation/TranslationObserver.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class CStenoStroke;
class CStenoStrokeEdit;
class QPainter;
class QScrollBar;

namespace doc {
class CDocumentFlows;
class CStrokeDocument;
} // namespace doc

namespace platform {
struct KeyInput;
} // namespace platform

namespace translation {
class CTranslationModel;
}

class CStenoViewList : public QWidget,
                       private doc::IDocumentObserver,
                       private translation::ITranslationObserver
{
    Q_OBJECT

public:
    /// Lines per wheel notch; nothing when the system cannot tell.
    using WheelLinesSource = std::function<std::optional<int>()>;

    /// Shows the document; Delete asks through the flows. Both outlive the list.
    CStenoViewList(QWidget* pParent, doc::CStrokeDocument& document, doc::CDocumentFlows& flows);
    ~CStenoViewList() override;

    /// The font and the column rectangles of the last layout.
    const strokelist::ListLayout& Layout() const { return m_layout; }
    /// Menus that may lie over the list: repainted after the rows so they stay on top.
    void SetMenusToRepaint(std::vector<QWidget*> menus);
    /// The index of the stroke in the top row.
    int ScrollPos() const;
    /// Where the wheel's lines per notch come from (the desktop setting by default).
    void SetWheelLinesSource(WheelLinesSource source);
    /// The document's translation, which outlives the list: its column and
    /// Next Untranslated (F3). Without one the list shows the strokes alone.
    void SetTranslation(translation::CTranslationModel* pTranslation);

    int RowHeight() const;
    /// Opens the stroke editor over the current stroke; the edit belongs to
    /// that stroke whatever becomes current before it ends.
    void BeginEdit();
    /// Whether the object is the stroke editor or one of its fields.
    bool IsEditorPart(const QObject* pObject) const;

    /// The in-place stroke editor, hidden while no edit is open.
    const CStenoStrokeEdit& StrokeEdit() const { return *m_pStrokeEdit; }
    CStenoStrokeEdit& StrokeEdit() { return *m_pStrokeEdit; }

protected:
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    struct RowColours;

    void OnCurrentChanged(const doc::CurrentChange& change) override;
    void OnStrokesChanged(const doc::StrokesChange& change) override;
    void OnTranslationChanged(const translation::TranslationRows& rows) override;
    void OnColumnShown(bool bShown) override;
    void OnSelectionChanged(const doc::StrokeRange& selection) override;
    void OnEditFinished(bool bCommit);
    void SetScrollPos(int nPos);
    void SetScrollRangeMax(int nMax);
    void RepaintListArea();
    void HideEditor();
    void FocusList();

    void RecalcLayout();
    /// Lays out unless done since creation or the last load.
    void EnsureLayout();
    void ApplyScrollRange();
    QRect ListArea() const;
    int ScrollLimit() const;
    /// Moves the view and repaints; nothing for no position.
    void ScrollTo(std::optional<int> nPos);

    void PaintRow(QPainter& painter, int nIndex, int y, const translation::ColumnWord* pWord) const;
    void PaintWord(QPainter& painter, int y, const translation::ColumnWord& word,
                   bool bCurrent) const;
    bool ShowsTranslation() const;
    void PaintKeyCells(QPainter& painter, int nLeft, int y, const CStenoStroke& stroke,
                       bool bRawColumn, const RowColours& colours) const;
    void RepaintMenus() const;

    bool HandleKeyEvent(QEvent* pEvent);
    void HandleKey(const platform::KeyInput& key);
    /// Makes the stroke current and brings it into view; nothing for no index.
    void MakeCurrent(std::optional<int> nIndex);
    /// The same, growing the selection to it.
    void Extend(std::optional<int> nIndex);
    /// Where a Shift move goes; nothing for any other action.
    std::optional<int> ExtendTarget(strokelist::ListKeyAction action) const;
    void Wheel(const QWheelEvent& event);
    void OnScrollAction(int nAction);
    int RowAt(int y) const;
    /// Makes the row current, or with bExtend grows the selection to it.
    void ClickRow(int y, bool bExtend);

    doc::CStrokeDocument& m_document;
    doc::CDocumentFlows& m_flows;
    /// The stroke the open edit began on.
    int m_nEditIndex = -1;
    std::vector<QtTextMeasurer> m_fonts;
    strokelist::ListLayout m_layout;
    bool m_bLayoutDone = false;
    /// The scroll range's maximum: the stroke count as of the last layout, paste or delete.
    int m_nRangeMax = 0;
    QScrollBar* m_pScrollBar = nullptr;
    CStenoStrokeEdit* m_pStrokeEdit = nullptr;
    std::vector<QPointer<QWidget>> m_menusToRepaint;
    WheelLinesSource m_wheelLines;
    translation::CTranslationModel* m_pTranslation = nullptr;
};
