#include "reports/records_tables.h"

#include <cstdlib>
#include <string>

namespace hv {

namespace {

ReportCell ValueCell(double value, RecordFormat format) {
    switch (format) {
    case RecordFormat::PerGame:
        return ReportTable::Decimal(value, 1);
    case RecordFormat::Percent:
        return ReportTable::Decimal(value, 3, true);
    case RecordFormat::Total:
        break;
    }
    return ReportTable::Number(static_cast<int64_t>(value));
}

// The titles of an entry's two texts in each book.
std::pair<const char*, const char*> TextTitles(RecordBookKind kind) {
    switch (kind) {
    case RecordBookKind::Game:
        return {"Team", "Opponent"};
    case RecordBookKind::Season:
        return {"Team", "G"};
    case RecordBookKind::Career:
        break;
    }
    return {"Team", ""};
}

} // namespace

ReportTable PlayerRecordsTable(const League& league, RecordBookKind kind, int category, int count) {
    const auto& categories = RecordCategories(kind);
    const auto [text, text2] = TextTitles(kind);
    ReportTable table;
    table.title = kind == RecordBookKind::Game     ? "Player Game Records"
                  : kind == RecordBookKind::Season ? "Player Season Records"
                                                   : "Player Career Records";
    const bool all = category < 0;
    if (all) table.Column("Category");
    table.Column("Rank", Align::Right).Column("Player").Column("Value", Align::Right).Column(text);
    if (*text2) table.Column(text2, kind == RecordBookKind::Season ? Align::Right : Align::Left);
    table.Column("Season", Align::Right);
    const int first = all ? 0 : category, last = all ? static_cast<int>(categories.size()) - 1 : category;
    for (int c = first; c <= last; ++c) {
        const RecordCategory& info = categories.at(static_cast<size_t>(c));
        auto entries = CategoryEntries(league, kind, c + 1);
        for (int rank = 1; rank <= count && rank <= static_cast<int>(entries.size()); ++rank) {
            const RecordEntry& e = entries[static_cast<size_t>(rank - 1)];
            if (e.IsEmpty()) break;
            table.Row(e.PlayerID);
            if (all) table.Add(ReportTable::Keyed(info.title, c));
            table.Add(rank).Add(e.Name).Add(ValueCell(e.Value, info.format)).Add(e.Text);
            if (kind == RecordBookKind::Season)
                table.Add(ReportTable::Keyed(e.Text2, std::atof(e.Text2.c_str())));
            else if (*text2)
                table.Add(e.Text2);
            table.Add(int(e.Season));
        }
    }
    return table;
}

ReportTable TeamRecordsTable(const League& league, int team) {
    ReportTable table;
    if (team == 0) {
        table.title = "League Team Records";
        table.Column("Record")
            .Column("Team")
            .Column("Value", Align::Right)
            .Column("Opponent")
            .Column("Season", Align::Right);
        const auto& categories = RecordCategories(RecordBookKind::Game);
        for (size_t c = 0; c < categories.size(); ++c) {
            const RecordEntry& e = league.tables.leagueTeamRecords[c];
            if (!e.IsEmpty())
                table.Row()
                    .Add(categories[c].title)
                    .Add(e.Name)
                    .Add(int64_t(e.Value))
                    .Add(e.Text)
                    .Add(int(e.Season));
        }
        return table;
    }
    const Team& t = league.team(team);
    table.title = "Team Records: " + t.City + " " + t.Name;
    table.Column("Record").Column("Player").Column("Value", Align::Right).Column("Season", Align::Right);
    const auto& gameTitles = TeamGameRecordTitles();
    for (size_t i = 0; i < gameTitles.size(); ++i) {
        const TeamGameRecord& r = t.GameRecords[i];
        if (r.Season != 0)
            table.Row().Add("Team " + gameTitles[i]).Add("").Add(int(r.Value)).Add(int(r.Season));
    }
    const auto& playerTitles = TeamPlayerRecordTitles();
    for (size_t i = 0; i < playerTitles.size(); ++i) {
        const TeamPlayerRecord& r = t.PlayerRecords[i];
        if (!r.PlayerName.empty())
            table.Row()
                .Add("Player " + playerTitles[i])
                .Add(r.PlayerName)
                .Add(int(r.Value))
                .Add(int(r.Season));
    }
    return table;
}

} // namespace hv
