#pragma once
// FileDialogs as Qt file dialogs: filter, default suffix, start folder and
// proposed name; the save dialog asks before replacing an existing file.

#include "platform/core/FileDialogs.h"

#include <QFileDialog>
#include <QPointer>
#include <QWidget>

class QtFileDialogs : public platform::FileDialogs
{
public:
    explicit QtFileDialogs(QWidget* pOwner = nullptr);
    /// The window the dialogs belong to and open centred over.
    void SetOwner(QWidget* pOwner) { m_pOwner = pOwner; }

    std::wstring OpenFile(const platform::FileRequest& request) override;
    std::wstring SaveFile(const platform::FileRequest& request) override;

    /// Sets up a dialog for the request; the two kinds differ only in mode.
    static void Prepare(QFileDialog& dialog, const platform::FileRequest& request, bool bSave);

private:
    std::wstring Run(const platform::FileRequest& request, bool bSave);

    QPointer<QWidget> m_pOwner;
};
