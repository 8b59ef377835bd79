// quillmark-cli: the headless companion of the editor. Its output is a
// contract that scripts compare byte for byte.
#include "cli/CliCommand.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

void PrintUsage(std::FILE* pStream)
{
    std::fputs("Usage: quillmark-cli COMMAND ARGUMENTS...\n"
               "       quillmark-cli --help | --version\n"
               "Commands:\n",
               pStream);
    for (const CliCommand& command : CliCommands()) {
        const std::string strCall =
            std::string(command.strName) + " " + std::string(command.strArguments);
        std::fprintf(pStream, "  %-16s %.*s\n", strCall.c_str(),
                     static_cast<int>(command.strSummary.size()), command.strSummary.data());
    }
    std::fputs("Exit status: 0 success, 1 failure (reason on standard error), 2 usage error.\n",
               pStream);
}

int UsageError()
{
    PrintUsage(stderr);
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return UsageError();
    const std::string_view strName = argv[1];
    if (strName == "--help" || strName == "--version") {
        if (argc != 2)
            return UsageError();
        if (strName == "--help")
            PrintUsage(stdout);
        else
            std::printf("quillmark-cli %s\n", QUILLMARK_VERSION);
        return kExitSuccess;
    }
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (const CliCommand& command : CliCommands()) {
        if (command.strName != strName)
            continue;
        if (arguments.size() < command.nArguments ||
            arguments.size() > command.nArguments + command.nOptional)
            return UsageError();
        return command.pRun(arguments);
    }
    return UsageError();
}
