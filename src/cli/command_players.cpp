// hoopvale-cli players NAME [--team TEAM] [--csv]: one line per player of the league with his ratings.
#include <CLI/CLI.hpp>

#include <functional>

#include "cli/command_league_file.h"
#include "cli/commands.h"

namespace hv {

namespace {

struct Column {
    const char* name;
    std::function<std::string(int id, const Player&)> value;
};

std::string N(int value) {
    return std::to_string(value);
}

const std::vector<Column>& Columns() {
    using P = const Player&;
    static const std::vector<Column> columns{
        {"ID", [](int id, P) { return N(id); }},
        {"Name", [](int, P p) { return p.Name; }},
        {"Team", [](int, P p) { return p.Team; }},
        {"DefaultPosition", [](int, P p) { return p.DefaultPosition; }},
        {"Age", [](int, P p) { return N(p.Age); }},
        {"Height", [](int, P p) { return N(p.Height); }},
        {"Weight", [](int, P p) { return N(p.Weight); }},
        {"Experience", [](int, P p) { return N(p.Experience); }},
        {"InsideScoring", [](int, P p) { return N(p.InsideScoring); }},
        {"JumpShot", [](int, P p) { return N(p.JumpShot); }},
        {"ThreePointShot", [](int, P p) { return N(p.ThreePointShot); }},
        {"Scoring", [](int, P p) { return N(p.Scoring); }},
        {"Handling", [](int, P p) { return N(p.Handling); }},
        {"Passing", [](int, P p) { return N(p.Passing); }},
        {"Quickness", [](int, P p) { return N(p.Quickness); }},
        {"PostDefense", [](int, P p) { return N(p.PostDefense); }},
        {"PerimeterDefense", [](int, P p) { return N(p.PerimeterDefense); }},
        {"DriveDefense", [](int, P p) { return N(p.DriveDefense); }},
        {"Stealing", [](int, P p) { return N(p.Stealing); }},
        {"ShotBlocking", [](int, P p) { return N(p.ShotBlocking); }},
        {"OffenseRebound", [](int, P p) { return N(p.OffenseRebound); }},
        {"DefenseRebound", [](int, P p) { return N(p.DefenseRebound); }},
        {"Jumping", [](int, P p) { return N(p.Jumping); }},
        {"Strength", [](int, P p) { return N(p.Strength); }},
        {"Potential", [](int, P p) { return N(p.Potential); }},
        {"KnownPotential", [](int, P p) { return N(p.KnownPotential); }},
        {"PotentialGrade", [](int, P p) { return p.PotentialGrade; }},
        {"RatingInsideScoring", [](int, P p) { return N(p.RatingInsideScoring); }},
        {"RatingOutsideScoring", [](int, P p) { return N(p.RatingOutsideScoring); }},
        {"RatingHandling", [](int, P p) { return N(p.RatingHandling); }},
        {"RatingDefense", [](int, P p) { return N(p.RatingDefense); }},
        {"RatingRebounding", [](int, P p) { return N(p.RatingRebounding); }},
        {"CurrentRating", [](int, P p) { return N(p.CurrentRating); }},
        {"FutureRating", [](int, P p) { return N(p.FutureRating); }},
        {"FitC", [](int, P p) { return N(p.FitC); }},
        {"FitPF", [](int, P p) { return N(p.FitPF); }},
        {"FitSF", [](int, P p) { return N(p.FitSF); }},
        {"FitSG", [](int, P p) { return N(p.FitSG); }},
        {"FitPG", [](int, P p) { return N(p.FitPG); }},
        {"StyleC", [](int, P p) { return p.StyleC; }},
        {"StylePF", [](int, P p) { return p.StylePF; }},
        {"StyleSF", [](int, P p) { return p.StyleSF; }},
        {"StyleSG", [](int, P p) { return p.StyleSG; }},
        {"StylePG", [](int, P p) { return p.StylePG; }},
        {"contract1", [](int, P p) { return N(p.contract1); }},
    };
    return columns;
}

// A CSV field: quoted, with doubled quotes, when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// Display width of UTF-8 text: one column per character.
size_t TextWidth(const std::string& text) {
    size_t width = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++width;
    return width;
}

struct PlayersRequest {
    std::string name;
    std::optional<std::string> team;
    bool csv = false;
};

bool IsKnownTeam(const League& league, const std::string& team) {
    return league.FindTeam(team) != 0 || team == kFreeAgent || team == kDraft || team == kNextDraft;
}

int RunPlayers(CliContext& ctx, const PlayersRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    const League& league = opened->league();
    if (r.team && !IsKnownTeam(league, *r.team)) {
        ctx.host->ShowMessage("There is no team named \"" + *r.team + "\" in the league " + r.name +
                                  " (team names, FA, Draft or NextDraft).",
                              "Error", MessageIcon::Warning);
        return kExitRefused;
    }
    const auto& columns = Columns();
    std::vector<std::vector<std::string>> rows;
    rows.emplace_back();
    for (const Column& c : columns)
        rows.back().push_back(c.name);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || (r.team && p.Team != *r.team)) continue;
        rows.emplace_back();
        for (const Column& c : columns)
            rows.back().push_back(c.value(id, p));
    }
    if (r.csv) {
        for (const auto& row : rows) {
            for (size_t i = 0; i < row.size(); ++i)
                ctx.out << (i ? "," : "") << CsvField(row[i]);
            ctx.out << '\n';
        }
    } else {
        std::vector<size_t> widths(columns.size(), 0);
        for (const auto& row : rows)
            for (size_t i = 0; i < row.size(); ++i)
                widths[i] = std::max(widths[i], TextWidth(row[i]));
        for (const auto& row : rows) {
            std::string line;
            for (size_t i = 0; i < row.size(); ++i) {
                line += row[i];
                if (i + 1 < row.size()) line += std::string(widths[i] - TextWidth(row[i]) + 2, ' ');
            }
            ctx.out << line << '\n';
        }
    }
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddPlayersCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("players", "List a saved league's players with their ratings");
    auto r = std::make_shared<PlayersRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team, "Only the players of this team (or FA, Draft, NextDraft)");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunPlayers(ctx, *r); }; });
}

} // namespace hv
