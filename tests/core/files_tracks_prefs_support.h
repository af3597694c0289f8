// Shared by the tracks.txt and prefs.txt tests.
#pragma once

#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

#include "app/status.h"

// Runs `store` in a child that has dropped to the unprivileged user "nobody", so file
// permissions apply even when the tests run as root. True when the store returned
// false and left `message` in the status line.
inline bool RefusedAsNobody(bool (*store)(), const char *message)
{
    fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        _exit(!store() && strcmp(tbuffer, message) == 0 ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
