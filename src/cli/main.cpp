#include "app/clsTerminalHost.h"

#include <iostream>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    clsTerminalHost host(std::cerr);
    std::cerr << "usage: kelvra-cli [--home DIR] COMMAND ...\n";
    return 2;
}
