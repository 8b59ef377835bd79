// Runs a command with its output discarded and prints its wall time in
// seconds, its peak resident memory in bytes and the processor time it used
// (user and system, seconds), which other work on a shared machine disturbs less:
//   quillmark-bench-measure COMMAND [ARGUMENTS...]
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("Usage: quillmark-bench-measure COMMAND [ARGUMENTS...]\n", stderr);
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    int nStatus = 0;
    rusage usage{};
    if (::wait4(pid, &nStatus, 0, &usage) < 0) {
        std::perror("wait4");
        return 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[1]);
        return 1;
    }
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    // Linux gives ru_maxrss in kibibytes.
    std::printf("%.3f %ld %.3f\n", elapsed.count(), usage.ru_maxrss * 1024L,
                seconds(usage.ru_utime) + seconds(usage.ru_stime));
    return 0;
}
