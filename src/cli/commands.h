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
void AddStandingsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddScheduleCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddLeadersCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddTeamStatsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddTeamInfoCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddRosterCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddLineupCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
// sign, cut, activate and ir
void AddRosterMoveCommands(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddInjuriesCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddTransactionsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddControlCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddPositionCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddFindCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddNewCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddDraftCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddLotteryCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddDraftOrderCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddProspectsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddFirstPicksCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddImportRookiesCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddResetCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddTeamsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddAwardsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddRecordsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddHistoryCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddAllStarCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);

} // namespace hv
