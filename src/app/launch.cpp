#include "app/launch.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

void EngineProgram(const char *directory, char *program, int size)
{
    snprintf(program, size, "%stolvex", directory);
}

// Some systems report a program that cannot be started only as the child's exit status
// 127, like a real exit; looking at the file first gives the same clear message everywhere.
static int CheckProgram(const char *program, bool search_path)
{
    if (!search_path)
        return access(program, X_OK) == 0 ? 0 : errno;
    const char *path = getenv("PATH");
    if (!path || !*path)
        path = "/usr/local/bin:/usr/bin:/bin";
    while (*path) {
        const char *end = strchr(path, ':');
        int length = end ? int(end - path) : int(strlen(path));
        char candidate[4096];
        if (length == 0)   // an empty entry names the working directory
            snprintf(candidate, sizeof candidate, "./%s", program);
        else
            snprintf(candidate, sizeof candidate, "%.*s/%s", length, path, program);
        if (access(candidate, X_OK) == 0)
            return 0;
        path += length + (end ? 1 : 0);
    }
    return ENOENT;
}

EngineRun RunEngine(const char *program, bool search_path)
{
    if (int error = CheckProgram(program, search_path))
        return {ENGINE_NOT_STARTED, error};
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

bool EngineNotFound(const EngineRun &run)
{
    return run.outcome == ENGINE_NOT_STARTED && run.code == ENOENT;
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
        if (EngineNotFound(run) && search_path)
            snprintf(message, size, "Mix failed: tolvex not found on the search path");
        else if (EngineNotFound(run))
            snprintf(message, size, "Mix failed: tolvex not found at %s", program);
        else
            snprintf(message, size, "Mix failed: cannot start %s: %s", program, strerror(run.code));
        return;
    }
}
