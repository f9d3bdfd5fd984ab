// Every command of hoopvale-cli, one file each; cli_app.cpp lists them.
#pragma once

#include "cli/cli_app.h"

namespace hv {

void AddInfoCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddBenchCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddLeaguesCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddDeleteCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddShowCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddPlayersCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddOptionsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddPasswordCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddTeamsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);

} // namespace hv
