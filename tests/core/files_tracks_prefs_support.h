// Shared by the tracks.txt and prefs.txt tests.
#pragma once

#include <cstring>

#include "../faults/faults_support.h"

// Runs `store` in a child that has dropped to the unprivileged user "nobody", so file
// permissions apply even when the tests run as root. True when the store returned
// false and left `message` in the status line.
inline bool RefusedAsNobody(bool (*store)(), const char *message)
{
    ChildReport report = RunInChild(DropToNobody, [&](char *, int) { return store(); });
    return report.result == 0 && strcmp(report.status, message) == 0;
}
