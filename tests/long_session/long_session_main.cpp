// long_session_model script <seed> <count>   writes an edit script
// long_session_model input <edits>           writes the driver's input steps for it
// long_session_model apply <edits> <dir>     applies it to the state, storing in <dir>
#include <cstdlib>
#include <cstring>

#include "long_session.h"

std::vector<Edit> ReadEdits(FILE *in)
{
    std::vector<Edit> edits;
    char line[1024];
    while (fgets(line, sizeof line, in)) {
        line[strcspn(line, "\r\n")] = 0;
        Edit edit;
        for (char *start = line;;) {
            char *tab = strchr(start, '\t');
            edit.push_back(std::string(start, tab ? size_t(tab - start) : strlen(start)));
            if (!tab)
                break;
            start = tab + 1;
        }
        if (!edit[0].empty())
            edits.push_back(edit);
    }
    return edits;
}

void PrintEdit(const Edit &edit, FILE *out)
{
    for (size_t i = 0; i < edit.size(); i++)
        fprintf(out, "%s%s", i ? "\t" : "", edit[i].c_str());
    fputc('\n', out);
}

static std::vector<Edit> LoadEdits(const char *name)
{
    FILE *in = fopen(name, "r");
    if (!in) {
        perror(name);
        exit(2);
    }
    std::vector<Edit> edits = ReadEdits(in);
    fclose(in);
    return edits;
}

int main(int argc, char **argv)
{
    if (argc == 4 && !strcmp(argv[1], "script")) {
        WriteEditScript(unsigned(strtoul(argv[2], nullptr, 10)), atoi(argv[3]), stdout);
        return 0;
    }
    if (argc == 3 && !strcmp(argv[1], "input")) {
        WriteInputActions(LoadEdits(argv[2]), stdout);
        return 0;
    }
    if (argc == 4 && !strcmp(argv[1], "apply"))
        return ApplyEdits(LoadEdits(argv[2]), argv[3]) ? 0 : 1;
    fprintf(stderr, "usage: %s script <seed> <count> | input <edits> | apply <edits> <dir>\n", argv[0]);
    return 2;
}
