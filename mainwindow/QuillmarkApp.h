#pragma once
// The application: sets up what every window relies on, runs the main window
// and ends when it closes. A file named on the command line (the desktop's
// "open with") is opened as File > Open would.

#include <QApplication>

#include <string>

class CQuillmarkApp : public QApplication
{
public:
    CQuillmarkApp(int& argc, char** argv);

    /// Runs the main window to its end; the program's exit code.
    int InitInstance();

private:
    std::wstring m_strStartFile;
};
