#include "reports/box_score_report.h"

#include <sstream>

#include "engine/box_score_files.h"

namespace hv {

namespace {

constexpr const char* kBoxTitle = "Box Score";

std::string FileNameOf(const League& league, int day, int game) {
    const ScheduledGame& g = league.schedule.at(static_cast<size_t>(day)).Games.at(static_cast<size_t>(game));
    return g.BoxFile.empty() ? std::to_string(day) + "-" + std::to_string(game) + ".txt" : g.BoxFile;
}

// A played game of the schedule; false (told) otherwise.
bool PlayedGame(const League& league, Host& host, int day, int game, const char* title) {
    const std::string which = "Game " + std::to_string(game) + " of day " + std::to_string(day);
    if (day < 1 || day > kScheduleDays || game < 1 ||
        game > std::min<int>(league.schedule[static_cast<size_t>(day)].NumGames, kGamesPerDay)) {
        host.ShowMessage("The schedule holds no game " + std::to_string(game) + " on day " +
                             std::to_string(day) + ".",
                         title, MessageIcon::Warning);
        return false;
    }
    if (!league.schedule[static_cast<size_t>(day)].Games[static_cast<size_t>(game)].Played) {
        host.ShowMessage(which + " has not been played yet.", title, MessageIcon::Information);
        return false;
    }
    return true;
}

std::string Minutes(int seconds) {
    return std::to_string((seconds + 30) / 60);
}

std::string MadeOfTried(int made, int tried) {
    return std::to_string(made) + "-" + std::to_string(tried);
}

ReportCell Shots(int made, int tried) {
    return ReportTable::Keyed(MadeOfTried(made, tried), made);
}

} // namespace

std::filesystem::path GameBoxFile(const League& league, int day, int game) {
    return league.LeagueFolderOf(league.state.LeagueName) / "box" / FileNameOf(league, day, game);
}

std::filesystem::path GamePbpFile(const League& league, int day, int game) {
    return league.LeagueFolderOf(league.state.LeagueName) / "pbp" / FileNameOf(league, day, game);
}

std::optional<BoxScore> LoadGameBox(const League& league, Host& host, int day, int game) {
    if (!PlayedGame(league, host, day, game, kBoxTitle)) return std::nullopt;
    const std::filesystem::path file = GameBoxFile(league, day, game);
    std::optional<BoxScore> box = ReadBoxScoreFile(file);
    if (!box)
        host.ShowMessage("The box score file " + file.string() + " is missing or damaged.", kBoxTitle,
                         MessageIcon::Warning);
    return box;
}

bool GameKeptPbp(const League& league, int day, int game) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path pbp = GamePbpFile(league, day, game);
    if (!fs::is_regular_file(pbp, ec)) return false;
    // The play-by-play is written after the box score of the same game.
    const auto pbpTime = fs::last_write_time(pbp, ec);
    if (ec) return false;
    const auto boxTime = fs::last_write_time(GameBoxFile(league, day, game), ec);
    return ec || pbpTime >= boxTime;
}

std::optional<std::vector<std::string>> LoadGamePbp(const League& league, Host& host, int day, int game) {
    if (!PlayedGame(league, host, day, game, "Play-By-Play")) return std::nullopt;
    std::optional<std::vector<std::string>> lines;
    if (GameKeptPbp(league, day, game)) lines = ReadTextLines(GamePbpFile(league, day, game));
    if (!lines) host.ShowMessage("Play-By-Play file not found", "Play-By-Play", MessageIcon::Information);
    return lines;
}

ReportTable QuarterScoresTable(const BoxScore& box) {
    ReportTable table;
    table.Column("Team");
    for (const char* period : {"1", "2", "3", "4", "OT"})
        table.Column(period, Align::Right);
    table.Column("Final", Align::Right);
    for (const BoxSide* side : {&box.Away, &box.Home}) {
        table.Row().Add(side->Name);
        for (int16_t points : side->QuarterScores)
            table.Add(static_cast<int>(points));
        table.Add(static_cast<int64_t>(side->Score()));
    }
    return table;
}

ReportTable BoxPlayersTable(const BoxSide& side) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.Column("Player").Column("Pos").Column("Min", Align::Right).Column("FG", Align::Right);
    table.Column("3P", Align::Right).Column("FT", Align::Right).Column("Reb", Align::Right);
    table.Column("Ast", Align::Right).Column("Stl", Align::Right).Column("Blk", Align::Right);
    table.Column("TO", Align::Right).Column("PF", Align::Right).Column("Pts", Align::Right);
    int seconds = 0, fouls = 0, points = 0, assists = 0;
    for (const BoxPlayerLine& p : side.Players) {
        if (p.ID == 0) continue;
        table.Row(p.ID)
            .Add(p.Name)
            .Add(p.Position)
            .Add(ReportTable::Keyed(Minutes(p.Seconds), p.Seconds))
            .Add(Shots(p.FG, p.FGA))
            .Add(Shots(p.ThreeP, p.ThreePA))
            .Add(Shots(p.FT, p.FTA))
            .Add(static_cast<int>(p.Rebounds))
            .Add(static_cast<int>(p.Assists))
            .Add(static_cast<int>(p.Steals))
            .Add(static_cast<int>(p.Blocks))
            .Add(static_cast<int>(p.Turnovers))
            .Add(static_cast<int>(p.Fouls))
            .Add(static_cast<int>(p.Points));
        seconds += p.Seconds;
        fouls += p.Fouls;
        points += p.Points;
        assists += p.Assists;
    }
    const BoxTeamTotals& t = side.Totals;
    table.Row()
        .Add("Totals")
        .Add("")
        .Add(ReportTable::Keyed(Minutes(seconds), seconds))
        .Add(Shots(t.FG, t.FGA))
        .Add(Shots(t.ThreeP, t.ThreePA))
        .Add(Shots(t.FT, t.FTA))
        .Add(static_cast<int64_t>(t.Rebounds))
        .Add(assists)
        .Add(static_cast<int64_t>(t.Steals))
        .Add(static_cast<int64_t>(t.Blocks))
        .Add(static_cast<int64_t>(t.Turnovers))
        .Add(fouls)
        .Add(points);
    return table;
}

std::vector<std::string> BoxScoreText(const BoxScore& box) {
    std::ostringstream out;
    out << box.FinalLine << "\n\n";
    WriteText(out, QuarterScoresTable(box));
    for (const BoxSide* side : {&box.Away, &box.Home}) {
        out << '\n' << side->Name << '\n';
        WriteText(out, BoxPlayersTable(*side));
        const BoxTeamTotals& t = side->Totals;
        out << "FG: " << PercentText(t.FG, t.FGA) << "  3P: " << PercentText(t.ThreeP, t.ThreePA)
            << "  FT: " << PercentText(t.FT, t.FTA) << '\n';
    }
    if (!box.PogName.empty()) out << "\nPlayer of the Game: " << box.PogName << '\n';
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace hv
