#include "cli/CliCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    return CliMain(argc, argv, std::cout, std::cerr);
}
