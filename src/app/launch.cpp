#include "app/launch.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

void EngineProgram(const char *directory, char *program, int size)
{
    snprintf(program, size, "%stolvex", directory);
}

EngineRun RunEngine(const char *program, bool search_path)
{
    char *const argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid;
    // The name is only ever a file name: no text of it is interpreted as a command.
    int error = search_path ? posix_spawnp(&pid, program, nullptr, nullptr, argv, environ)
                            : posix_spawn(&pid, program, nullptr, nullptr, argv, environ);
    if (error)
        return {ENGINE_NOT_STARTED, error};

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return {ENGINE_NOT_STARTED, errno};
    }
    if (WIFSIGNALED(status))
        return {ENGINE_SIGNALLED, WTERMSIG(status)};
    return {ENGINE_EXITED, WEXITSTATUS(status)};
}

void DescribeEngineRun(const EngineRun &run, const char *program, bool search_path, char *message, int size)
{
    switch (run.outcome) {
    case ENGINE_EXITED:
        if (run.code == 0)
            snprintf(message, size, "Mix Complete");
        else
            snprintf(message, size, "Mix failed: tolvex exited with status %d", run.code);
        return;
    case ENGINE_SIGNALLED:
        snprintf(message, size, "Mix failed: tolvex ended by signal %d (%s)", run.code, strsignal(run.code));
        return;
    case ENGINE_NOT_STARTED:
        if (run.code == ENOENT && search_path)
            snprintf(message, size, "Mix failed: tolvex not found on the search path");
        else if (run.code == ENOENT)
            snprintf(message, size, "Mix failed: tolvex not found at %s", program);
        else
            snprintf(message, size, "Mix failed: cannot start %s: %s", program, strerror(run.code));
        return;
    }
}
