#pragma once
// The application: sets up what every window relies on, runs the main window
// modally and ends when it closes. The command line is not looked at.

#include <QApplication>

class CQuillmarkApp : public QApplication
{
public:
    CQuillmarkApp(int& argc, char** argv);

    /// Runs the main window to its end; the program's exit code.
    int InitInstance();
};
