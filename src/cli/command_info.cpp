// hoopvale-cli info: the caption, the program folder, the settings and the saved leagues.
#include <CLI/CLI.hpp>

#include <algorithm>

#include "cli/commands.h"

namespace fs = std::filesystem;

namespace hv {

void AddInfoCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("info", "Start up and show the program folder, settings and saved leagues");
    cmd->callback([&run] {
        run = [](CliContext& ctx) {
            const Settings& s = ctx.session.settings;
            ctx.out << WindowCaption() << '\n';
            ctx.out << "Program folder: " << ctx.session.league.programFolder.string() << '\n';
            ctx.out << "SalaryStyle=" << s.SalaryStyle << '\n';
            ctx.out << "SalaryCap=" << s.SalaryCap << '\n';
            ctx.out << "FirstSeason=" << s.FirstSeason << '\n';
            std::vector<std::string> leagues;
            fs::path save = ctx.session.league.SaveFolder();
            if (fs::exists(save))
                for (const auto& entry : fs::directory_iterator(save))
                    if (entry.is_regular_file() && entry.path().extension() == ".sav")
                        leagues.push_back(entry.path().stem().string());
            std::sort(leagues.begin(), leagues.end());
            ctx.out << "Saved leagues: " << leagues.size() << '\n';
            for (const auto& name : leagues)
                ctx.out << "  " << name << '\n';
            return kExitOk;
        };
    });
}

} // namespace hv
