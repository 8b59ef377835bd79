// Opens a stroke file in the editor up to its first painted rows and, in the
// same run, times `quillmark-cli info` on the same file:
//   quillmark-bench-open FILE CLI [RUNS]
// Both are timed RUNS times (default 3), alternating, the file already in the
// page cache; the best of each and their ratio are printed.
#include "framework/CommandIds.h"
#include "mainwindow/QuillmarkDlg.h"
#include "platform/CommandEvent.h"
#include "strokelist/StenoViewList.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

/// Wall time of `cli info file`, its output discarded; negative when it failed.
double TimeCliInfo(const char* pszCli, const char* pszFile)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::string strInfo = "info";
    std::string strCli = pszCli;
    std::string strFile = pszFile;
    char* argv[] = {strCli.data(), strInfo.data(), strFile.data(), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    const int nSpawn = posix_spawn(&pid, pszCli, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nSpawn != 0)
        return -1;
    int nStatus = 0;
    if (waitpid(pid, &nStatus, 0) < 0 || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
        return -1;
    return Seconds(start);
}

/// Wall time of the Open command up to the list's first painted rows.
double TimeEditorOpen(CQuillmarkDlg& dlg, platform::ScriptedFileDialogs& dialogs,
                      const std::wstring& strFile, int& nCount)
{
    dialogs.Script(strFile);
    const auto start = Clock::now();
    platform::SendCommand(&dlg, framework::ID_FILE_OPEN);
    dlg.List()->repaint();
    const double seconds = Seconds(start);
    nCount = dlg.Document().Count();
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fputs("Usage: quillmark-bench-open FILE CLI [RUNS]\n", stderr);
        return 2;
    }
    const int nRuns = argc == 4 ? std::max(1, std::atoi(argv[3])) : 3;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        std::ifstream warm(argv[1], std::ios::binary); // into the page cache
        std::string strChunk(1 << 20, '\0');
        while (warm.read(strChunk.data(), static_cast<std::streamsize>(strChunk.size())))
            ;
    }
    platform::ScriptedPrompter prompter;
    platform::ScriptedFileDialogs dialogs;
    CQuillmarkDlg dlg(prompter, dialogs);
    dlg.show();
    QCoreApplication::processEvents();
    const std::wstring strFile = QString::fromLocal8Bit(argv[1]).toStdWString();

    double bestEditor = std::numeric_limits<double>::max();
    double bestCli = std::numeric_limits<double>::max();
    int nCount = 0;
    for (int i = 0; i < nRuns; ++i) {
        const double cli = TimeCliInfo(argv[2], argv[1]);
        if (cli < 0) {
            std::fprintf(stderr, "quillmark-bench-open: '%s info %s' failed\n", argv[2], argv[1]);
            return 1;
        }
        bestCli = std::min(bestCli, cli);
        bestEditor = std::min(bestEditor, TimeEditorOpen(dlg, dialogs, strFile, nCount));
    }
    if (nCount == 0 || !prompter.Asked().empty()) {
        std::fprintf(stderr, "quillmark-bench-open: the editor did not load '%s'\n", argv[1]);
        return 1;
    }
    std::printf(
        "open %d strokes: editor %.3fs, quillmark-cli info %.3fs -> %.2fx (target <= 1.5x)\n",
        nCount, bestEditor, bestCli, bestEditor / bestCli);
    return 0;
}
