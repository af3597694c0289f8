// Starting the mixing engine: directly, never through a command interpreter.
#pragma once

enum EngineOutcome {
    ENGINE_EXITED,        // code is the exit status
    ENGINE_SIGNALLED,     // code is the signal that ended it
    ENGINE_NOT_STARTED,   // code is the errno of the failed start
};

struct EngineRun {
    EngineOutcome outcome;
    int code;
};

// The engine's program file: directory immediately followed by "tolvex" (no separator
// is added). Fills size bytes of program, cut to fit.
void EngineProgram(const char *directory, char *program, int size);

// Starts the program with no arguments in the working directory and waits for it.
// With search_path the name is looked up on the search path (used when the engine's
// directory is empty); otherwise it is the program file itself.
EngineRun RunEngine(const char *program, bool search_path);

// No engine at the path given, or none on the search path.
bool EngineNotFound(const EngineRun &run);

// The status-line message for a run: "Mix Complete" or why the mix failed.
void DescribeEngineRun(const EngineRun &run, const char *program, bool search_path, char *message, int size);
