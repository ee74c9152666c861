// tolvek-drive: runs the workbench headless and drives its controls step by step (for end-to-end tests).
#include <iostream>
#include <string>
#include <vector>

#include "app/Drive.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return app::DriveMain(args, std::cout, std::cerr);
}
