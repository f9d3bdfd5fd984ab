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
void AddBeginSeasonCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddSimCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddPlayoffsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddBracketCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddEndSeasonCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddChampionsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
// box and pbp
void AddBoxCommands(CLI::App& app, CliContext& ctx, CommandRunner& run);
// contracts, cap-room, potential-fas and free-agents
void AddContractListCommands(CLI::App& app, CliContext& ctx, CommandRunner& run);
// free-agency and bid
void AddFreeAgencyCommands(CLI::App& app, CliContext& ctx, CommandRunner& run);
// resign and camps
void AddResignAndCampsCommands(CLI::App& app, CliContext& ctx, CommandRunner& run);
// trade and trade-suggest
void AddTradeCommands(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddAwardsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddRecordsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddHistoryCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddAllStarCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddSimSeasonsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddStatsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddSiteCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddPlayerCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddDashboardCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
// edit-player and edit-team
void AddEditCommands(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddImportStatsCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddDefaultLeagueCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddExportCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddExhibitionCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);
void AddCoachCommand(CLI::App& app, CliContext& ctx, CommandRunner& run);

} // namespace hv
