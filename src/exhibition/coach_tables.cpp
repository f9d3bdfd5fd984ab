#include "exhibition/coach_tables.h"

#include <algorithm>

#include "league/ratings.h"

namespace hv {

namespace {

constexpr const char* kSlotText[6] = {"", "C", "PF", "SF", "SG", "PG"};

std::string MinutesText(int seconds) {
    const int s = seconds % 60;
    return std::to_string(seconds / 60) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

} // namespace

ReportTable CoachLineupTable(const CoachedGame& game, CoachSide side) {
    const League& league = game.GameLeague();
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.Column("Slot")
        .Column("Player")
        .Column("Pos")
        .Column("Min", Align::Right)
        .Column("Pts", Align::Right);
    table.Column("PF", Align::Right).Column("Energy", Align::Right);
    std::vector<int16_t> order;
    for (int slot = 1; slot <= 5; ++slot) {
        const int16_t id = game.OnCourt(side, slot);
        if (id != 0 && std::find(order.begin(), order.end(), id) == order.end()) order.push_back(id);
    }
    for (int16_t id : game.Dressed(side))
        if (std::find(order.begin(), order.end(), id) == order.end()) order.push_back(id);
    for (size_t i = 0; i < order.size(); ++i) {
        const Player& p = league.player(order[i]);
        int slot = 0;
        for (int s = 5; s >= 1; --s)
            if (game.OnCourt(side, s) == order[i]) slot = s; // the first slot he stands at
        const int energy = std::clamp(p.STAMINA / 10, 0, 100);
        std::string state = p.Game.Fouls >= 6 ? " (out)" : p.TimeInjured > 0 ? " (hurt)" : "";
        table.Row(order[i])
            .Add(ReportTable::Keyed(kSlotText[slot], slot == 0 ? 6 + static_cast<double>(i) : slot))
            .Add(p.Name + state)
            .Add(p.DefaultPosition)
            .Add(ReportTable::Keyed(MinutesText(p.Game.Seconds), p.Game.Seconds))
            .Add(static_cast<int>(p.Game.Points))
            .Add(static_cast<int>(p.Game.Fouls))
            .Add(ReportTable::Keyed(std::to_string(energy) + "%", energy));
        if (slot != 0) table.Highlight();
    }
    return table;
}

ReportTable CoachScoreTable(const CoachedGame& game) {
    ReportTable table;
    table.Column("Team");
    for (const char* title : {"1", "2", "3", "4", "OT", "T", "Fouls", "TOL"})
        table.Column(title, Align::Right);
    const clsGame& g = game.Game();
    for (CoachSide side : {CoachSide::Away, CoachSide::Home}) {
        const bool home = side == CoachSide::Home;
        table.Row(game.TeamID(side)).Add(game.Name(side));
        for (int period = 1; period <= 5; ++period) {
            const int points = game.PeriodScore(side, period);
            table.Add(points < 0 ? ReportTable::Text("") : ReportTable::Number(points));
        }
        table.Add(static_cast<int>(home ? g.HomeScore() : g.AwayScore()));
        table.Add(static_cast<int>(home ? g.HomeFouls() : g.AwayFouls()));
        table.Add(static_cast<int>(home ? g.HomeTimeOuts() : g.AwayTimeOuts()));
    }
    return table;
}

ReportTable ExhibitionRosterTable(const Exhibition& exhibition, int which) {
    const League& stage = exhibition.Stage();
    const Team& team = stage.team(Exhibition::TeamSlot(which));
    ReportTable table;
    table.rowKind = RowKind::None;
    table.Column("Slot", Align::Right).Column("Saved ID", Align::Right).Column("Player").Column("Pos");
    table.Column("Rating", Align::Right).Column("Depth");
    const int firstK = which == 1 ? 1 : kExhibitionSquad + 1;
    int k = firstK;
    for (int16_t id : exhibition.Players(which)) {
        if (id != 0) {
            const Player& p = stage.player(id);
            std::string depth;
            for (int pos = 1; pos <= 5; ++pos)
                for (int row = 1; row <= 3; ++row)
                    if (team.Depth(pos, row) == id)
                        depth +=
                            (depth.empty() ? "" : " ") + std::string(kSlotText[pos]) + std::to_string(row);
            table.Row(id)
                .Add(static_cast<int>(id))
                .Add(static_cast<int>(exhibition.SavedID(k)))
                .Add(p.Name)
                .Add(p.DefaultPosition)
                .Add(ReportTable::Keyed(LetterGrade(p.CurrentRating), p.CurrentRating))
                .Add(depth);
        }
        ++k;
    }
    return table;
}

} // namespace hv
