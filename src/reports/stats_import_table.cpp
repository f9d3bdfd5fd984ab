#include "reports/stats_import_table.h"

#include "league/ratings.h"

namespace hv {

ReportTable StatsImportTable(const std::vector<StatLine>& lines) {
    static const char* const kShort[15] = {"Ins", "Jmp", "3pt", "Hnd", "Pas", "Qck", "PDf", "PrD",
                                           "DrD", "Stl", "Blk", "ORb", "DRb", "Jum", "Str"};
    ReportTable table;
    table.title = "Players rated from their statistics";
    table.Column("Name").Column("Pos").Column("Team").Column("Age", Align::Right).Column("Ht", Align::Right);
    table.Column("G", Align::Right).Column("MIN", Align::Right).Column("PPG", Align::Right);
    for (const char* name : kShort)
        table.Column(name, Align::Right);
    table.Column("Ovr", Align::Right);
    const std::vector<SourcePlayer> players = PlayersFromStats(lines);
    for (size_t n = 0; n < lines.size(); ++n) {
        const StatLine& line = lines[n];
        const SourcePlayer& s = players[n];
        Player p;
        p.Name = s.Name;
        p.Height = s.Height;
        p.Weight = s.Weight;
        p.Age = s.Age;
        p.PositionNumber = p.OriginalPosition = s.PositionNumber;
        DeriveDisplayFields(p);
        for (size_t k = 0; k < kSourceSkills.size(); ++k)
            p.*kSourceSkills[k].field = s.Skills[k];
        CalculatePlayerRatings(p);
        table.Row(static_cast<int>(n) + 1);
        table.Add(line.Name).Add(line.Position).Add(line.Team).Add(line.Age);
        table.Add(ReportTable::Keyed(FormatHeight(line.Height), line.Height));
        table.Add(line.G).Add(line.MIN);
        table.Add(ReportTable::Decimal(line.G > 0 ? static_cast<double>(line.PTS) / line.G : 0.0, 1));
        for (int16_t rating : s.Skills)
            table.Add(static_cast<int>(rating));
        table.Add(static_cast<int>(p.CurrentRating));
    }
    return table;
}

} // namespace hv
