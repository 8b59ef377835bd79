#pragma once
// The stroke list control of the main window: it owns the open document and
// shows it as rows of time, stroke and raw stroke. It only measures, paints and
// forwards; every rule of the document and of scrolling lives in the core.

#include "platform/QtTextMeasurer.h"
#include "strokelist/ListLayout.h"
#include "strokelist/StrokeDocument.h"
#include "strokelist/StrokeListView.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class CMessageEvent;
class CStenoStrokeEdit;
class QPainter;
class QScrollBar;

namespace platform {
class Prompter;
struct KeyInput;
} // namespace platform

namespace strokelist {
class IStrokeListObserver;
} // namespace strokelist

class CStenoViewList : public QWidget, public strokelist::IStrokeListView
{
    Q_OBJECT

public:
    /// Lines per wheel notch; nothing when the system cannot tell.
    using WheelLinesSource = std::function<std::optional<int>()>;

    /// The observer (the main window) is told of every setting of the current
    /// stroke; the prompter asks before a stroke is deleted.
    CStenoViewList(QWidget* pParent, strokelist::IStrokeListObserver* pObserver,
                   platform::Prompter& prompter);
    ~CStenoViewList() override;

    strokelist::CStrokeDocument& Document() { return m_document; }
    const strokelist::CStrokeDocument& Document() const { return m_document; }
    /// The font and the column rectangles of the last layout.
    const strokelist::ListLayout& Layout() const { return m_layout; }
    /// Menus that may lie over the list: repainted after the rows so they stay on top.
    void SetMenusToRepaint(std::vector<QWidget*> menus);
    /// The index of the stroke in the top row.
    int ScrollPos() const;
    /// Where the wheel's lines per notch come from (the desktop setting by default).
    void SetWheelLinesSource(WheelLinesSource source);

    // What the document asks of its view.
    int RowHeight() const override;
    int ClientHeight() const override;
    void SetScrollPos(int nPos) override;
    void SetScrollRangeMax(int nMax) override;
    void RepaintListArea() override;
    void ResetLayout() override;
    void HideEditor() override;
    void OpenEditor(int nIndex) override;
    void FocusList() override;

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

    void RecalcLayout();
    /// Lays out unless done since creation or the last load.
    void EnsureLayout();
    void ApplyScrollRange();
    QRect ListArea() const;
    int ScrollLimit() const;
    /// Moves the view and repaints; nothing for no position.
    void ScrollTo(std::optional<int> nPos);

    void PaintRow(QPainter& painter, int nIndex, int y) const;
    void PaintKeyCells(QPainter& painter, int nLeft, int y, const CStenoStroke& stroke,
                       bool bRawColumn, const RowColours& colours) const;
    void RepaintMenus() const;

    bool OnMessage(const CMessageEvent& message);
    bool HandleKeyEvent(QEvent* pEvent);
    void HandleKey(const platform::KeyInput& key);
    /// Makes the stroke current and brings it into view; nothing for no index.
    void MakeCurrent(std::optional<int> nIndex);
    void Wheel(const QWheelEvent& event);
    void OnScrollAction(int nAction);
    int RowAt(int y) const;
    void ClickRow(int y);

    strokelist::CStrokeDocument m_document;
    platform::Prompter& m_prompter;
    std::vector<QtTextMeasurer> m_fonts;
    strokelist::ListLayout m_layout;
    bool m_bLayoutDone = false;
    /// The scroll range's maximum: the stroke count as of the last layout, paste or delete.
    int m_nRangeMax = 0;
    QScrollBar* m_pScrollBar = nullptr;
    CStenoStrokeEdit* m_pStrokeEdit = nullptr;
    std::vector<QPointer<QWidget>> m_menusToRepaint;
    WheelLinesSource m_wheelLines;
};
