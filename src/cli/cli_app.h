// hoopvale-cli: a command-line front end over the core.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/console_host.h"
#include "setup/startup.h"

namespace CLI {
class App;
}

namespace hv {

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2, kExitStartup = 3 };

// What every command sees: the global options, the started session and the streams.
struct CliContext {
    CliContext(std::ostream& o, std::ostream& e, std::filesystem::path exe)
        : out(o), err(e), executable(std::move(exe)) {}
    std::ostream& out;
    std::ostream& err;
    std::filesystem::path executable;
    std::optional<std::filesystem::path> home;
    std::optional<unsigned long long> seed;
    bool answerYes = true;
    std::string commishPassword;
    bool commishGiven = false;
    // Only the commands that read the default league database (new, bench) have start-up copy it to
    // current.lge; the others run in a full or read-only program folder.
    WorkingDatabase working = WorkingDatabase::CheckOnly;

    Session session;
    std::optional<ConsoleHost> host;

    // Runs start-up; false (exit status 3) when it failed.
    bool Start();
};

// A command adds itself to the app and sets `run` when it is chosen.
using CommandRunner = std::function<int(CliContext&)>;
using CommandAdder = std::function<void(CLI::App&, CliContext&, CommandRunner&)>;

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& executable);

} // namespace hv
