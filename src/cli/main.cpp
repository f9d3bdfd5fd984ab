#include <filesystem>
#include <iostream>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return hv::RunCli(args, std::cout, std::cerr, ec ? std::filesystem::path(argv[0]) : exe);
}
