#include "platform/QtFileDialogs.h"

#include <QDir>

using platform::FileRequest;

QtFileDialogs::QtFileDialogs(QWidget* pOwner) : m_pOwner(pOwner) {}

std::wstring QtFileDialogs::OpenFile(const FileRequest& request)
{
    return Run(request, false);
}

std::wstring QtFileDialogs::SaveFile(const FileRequest& request)
{
    return Run(request, true);
}

void QtFileDialogs::Prepare(QFileDialog& dialog, const FileRequest& request, bool bSave)
{
    dialog.setAcceptMode(bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open takes only an existing file; save any name in an existing folder.
    dialog.setFileMode(bSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilter(QString::fromStdWString(request.strFilter));
    dialog.setDefaultSuffix(QString::fromStdWString(request.strDefaultExt));
    dialog.setDirectory(QString::fromStdWString(request.strFolder));
    if (!request.strFileName.empty())
        dialog.selectFile(QString::fromStdWString(request.strFileName));
}

std::wstring QtFileDialogs::Run(const FileRequest& request, bool bSave)
{
    QFileDialog dialog(m_pOwner);
    Prepare(dialog, request, bSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdWString();
}
