#include "reports/saved_games_table.h"

#include "league/status_line.h"

namespace hv {

ReportTable SavedGamesTable(const std::vector<SavedGameEntry>& games) {
    ReportTable table;
    table.Column("League").Column("Season", Align::Right).Column("Phase");
    for (size_t i = 0; i < games.size(); ++i) {
        const SavedGameEntry& game = games[i];
        table.Row(static_cast<int>(i) + 1).Add(game.leagueName);
        if (game.header) {
            table.Add(int64_t{game.header->Season});
            table.Add(ReportTable::Keyed(PhaseText(game.header->SeasonDay), game.header->SeasonDay));
        } else {
            // No season; the phase column sorts such a file after every phase.
            table.Add(ReportTable::Keyed("", 0)).Add(ReportTable::Keyed("(not a valid saved game)", 1000));
        }
    }
    return table;
}

} // namespace hv
