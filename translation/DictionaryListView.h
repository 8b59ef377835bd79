#pragma once
// The Dictionaries dialog's list: one row per dictionary, highest priority
// first, a box that shows whether it is used and its path. A click selects a
// row, a click on its box (or Space) uses it or leaves it out; Up and Down
// move the selection, the wheel scrolls. The rules are the editor's.

#include <QWidget>

#include <cstddef>

namespace translation {
class CDictionaryListEditor;
}

class CDictionaryListView : public QWidget
{
    Q_OBJECT

public:
    /// The editor is the dialog's and outlives the view.
    CDictionaryListView(QWidget* pParent, translation::CDictionaryListEditor& editor);

    static constexpr int kRowHeight = 22;
    /// The row's box, where a click uses or leaves out the dictionary.
    QRect BoxRect(int nRow) const;
    /// Repaints after the editor changed, with the selection in view.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;

private:
    int VisibleRows() const;
    void PaintEntry(QPainter& painter, std::size_t nIndex, int y) const;
    void ScrollTo(int nTop);

    translation::CDictionaryListEditor& m_editor;
    int m_nTop = 0; ///< the entry in the first row
};
