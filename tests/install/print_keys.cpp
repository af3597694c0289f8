// Prints the name of every key of the program's key table, one a line, for the check that the
// manual names them all.
#include <cstdio>

#include "app/keys.h"

int main()
{
    for (int i = 0; i < KEY_COUNT; i++) {
        char name[64];
        KeyName(KeyTable[i].key, name, sizeof name);
        puts(name);
    }
    return 0;
}
