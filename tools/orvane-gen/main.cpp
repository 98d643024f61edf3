#include <iostream>
#include <string>
#include <vector>

#include "GenApp.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    orvane::gen::GenApp app(std::cout, std::cerr);
    return app.Run(args);
}
