#pragma once
// A dialog whose skinned buttons send their clicks as commands: each command
// goes to OnCommand, everything else to the dialog as usual.

#include "platform/CommandEvent.h"

#include <QDialog>

class CCommandDialog : public QDialog
{
public:
    using QDialog::QDialog;

protected:
    /// A button's command; true when the dialog took it.
    virtual bool OnCommand(int nID) = 0;

    bool event(QEvent* pEvent) override
    {
        if (const std::optional<int> nID = platform::CommandOf(pEvent))
            return OnCommand(*nID);
        return QDialog::event(pEvent);
    }
};
