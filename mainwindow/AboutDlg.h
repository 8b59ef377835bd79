#pragma once
// The About box: the program's icon, name and version, what it is for, and OK.
// Made for one modal run by the Help button, Alt+H and the window menu.

#include <QDialog>

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    static constexpr const wchar_t* kVersionLine = L"Quillmark Version 1.0";
    static constexpr const wchar_t* kPurposeLine =
        L"Views and corrects the stroke backup files (RTF/CRE) of a steno writer.";
};
