#pragma once
// Runs the quillmark-cli binary the way a script does and captures what it
// prints. QUILLMARK_CLI_PATH comes from the build.

#include "tests/support/FileTestSupport.h"

#include <fcntl.h>
#include <string>
#include <vector>

namespace test_support {

struct CliResult
{
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

/// Runs the tool with arguments, its output and errors caught.
inline CliResult RunCli(const std::vector<std::string>& arguments)
{
    CTempFolder output;
    const std::string strOut = output / "out";
    const std::string strErr = output / "err";
    std::vector<std::string> command = {QUILLMARK_CLI_PATH};
    command.insert(command.end(), arguments.begin(), arguments.end());

    CliResult result;
    const pid_t pid = fork();
    if (pid < 0)
        return result;
    if (pid == 0) {
        const int fdOut = open(strOut.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fdErr = open(strErr.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fdOut < 0 || fdErr < 0 || dup2(fdOut, STDOUT_FILENO) < 0 ||
            dup2(fdErr, STDERR_FILENO) < 0)
            _exit(127);
        std::vector<char*> argv;
        for (std::string& strArgument : command)
            argv.push_back(strArgument.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    result.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    result.strOut = ReadBytes(strOut);
    result.strErr = ReadBytes(strErr);
    return result;
}

} // namespace test_support
