#pragma once
// The size grip in the bottom-right corner of a resizable window; dragging it
// resizes the window. It is hidden while the window is maximised.

#include <QSizeGrip>

class CResizableGrip
{
public:
    /// The grip itself: the window's bottom-right sizing border.
    class CSizeGrip : public QSizeGrip
    {
    public:
        explicit CSizeGrip(QWidget* pParent);
    };

    virtual ~CResizableGrip() = default;

    /// Makes the grip; it shows while its show counter is positive.
    void CreateSizeGrip(bool bVisible = true);
    /// Counts a request to show (true) or hide (false) the grip.
    void ShowSizeGrip(bool bShow);
    bool IsSizeGripVisible() const { return m_nShowCount > 0; }
    /// Puts the grip in the bottom-right corner, below its siblings.
    void UpdateSizeGrip();

protected:
    virtual QWidget* GetResizableWnd() const = 0;

private:
    CSizeGrip* m_pGrip = nullptr; // owned by the window
    int m_nShowCount = 0;
};
