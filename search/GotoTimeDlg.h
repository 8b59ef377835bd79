#pragma once
// The go-to-time dialog: a time of day on the current stroke's date; Goto Time
// makes the next stroke written at that second current.

#include "search/SearchDlg.h"

#include <cstdint>

class QDateTimeEdit;

class CGotoTimeDlg : public CSearchDlg
{
    Q_OBJECT

public:
    CGotoTimeDlg(doc::CDocumentFlows& flows, QWidget* pOwner);

    /// Shows the dialog with the focus in the picker, which takes this time
    /// (seconds since 1970 UTC); only its time of day can be edited.
    void Open(std::int64_t time);

    QDateTimeEdit* Picker() const { return m_pPicker; }

protected:
    void Run(search::ButtonAction action) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    std::int64_t PickerTime() const;

    QDateTimeEdit* m_pPicker = nullptr;
};
