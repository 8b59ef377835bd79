#pragma once
// The go-to-time dialog: a time of day on the current stroke's date; Goto Time
// asks the main window for the next stroke written at that second.

#include "search/SearchDlg.h"
#include "strokelist/SearchRequests.h"

#include <cstdint>

class QDateTimeEdit;

class CGotoTimeDlg : public CSearchDlg
{
    Q_OBJECT

public:
    explicit CGotoTimeDlg(QWidget* pOwner);

    /// Shows the dialog with the focus in the picker, which takes this time
    /// (seconds since 1970 UTC); only its time of day can be edited.
    void Open(std::int64_t time);

    /// The time and the start of the next search; the main window's requests update it.
    strokelist::GotoTimeState& State() { return m_state; }
    QDateTimeEdit* Picker() const { return m_pPicker; }

protected:
    search::ButtonOutcome Press(int nID) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    std::int64_t PickerTime() const;

    strokelist::GotoTimeState m_state;
    QDateTimeEdit* m_pPicker = nullptr;
};
