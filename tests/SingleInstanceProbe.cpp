// Stands in for the program's start: claims the name given as its argument
// and ends at once, with exit code 0 and no output, when another copy holds
// it. Otherwise it says "claimed" and stays until it is killed.
#include "SingleInstance.h"

#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: SingleInstanceProbe NAME\n", stderr);
        return 2;
    }
    if (!ClaimSingleInstance(argv[1])) {
        return 0;
    }
    std::puts("claimed");
    std::fflush(stdout);
    for (;;) {
        ::pause();
    }
}
