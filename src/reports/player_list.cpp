#include "reports/player_list.h"

namespace hv {

namespace {

struct PlayerColumn {
    const char* name;
    bool brief;
    std::function<ReportCell(int id, const Player&)> value;
};

ReportCell N(int64_t value) {
    return ReportTable::Number(value);
}
ReportCell T(const std::string& text) {
    return ReportTable::Text(text);
}

const std::vector<PlayerColumn>& Columns() {
    using P = const Player&;
    static const std::vector<PlayerColumn> columns{
        {"ID", true, [](int id, P) { return N(id); }},
        {"Name", true, [](int, P p) { return T(p.Name); }},
        {"Team", true, [](int, P p) { return T(p.Team); }},
        {"DefaultPosition", true, [](int, P p) { return T(p.DefaultPosition); }},
        {"Age", true, [](int, P p) { return N(p.Age); }},
        {"Height", true, [](int, P p) { return ReportTable::Keyed(std::to_string(p.Height), p.Height); }},
        {"Weight", true, [](int, P p) { return N(p.Weight); }},
        {"Experience", true, [](int, P p) { return N(p.Experience); }},
        {"InsideScoring", false, [](int, P p) { return N(p.InsideScoring); }},
        {"JumpShot", false, [](int, P p) { return N(p.JumpShot); }},
        {"ThreePointShot", false, [](int, P p) { return N(p.ThreePointShot); }},
        {"Scoring", false, [](int, P p) { return N(p.Scoring); }},
        {"Handling", false, [](int, P p) { return N(p.Handling); }},
        {"Passing", false, [](int, P p) { return N(p.Passing); }},
        {"Quickness", false, [](int, P p) { return N(p.Quickness); }},
        {"PostDefense", false, [](int, P p) { return N(p.PostDefense); }},
        {"PerimeterDefense", false, [](int, P p) { return N(p.PerimeterDefense); }},
        {"DriveDefense", false, [](int, P p) { return N(p.DriveDefense); }},
        {"Stealing", false, [](int, P p) { return N(p.Stealing); }},
        {"ShotBlocking", false, [](int, P p) { return N(p.ShotBlocking); }},
        {"OffenseRebound", false, [](int, P p) { return N(p.OffenseRebound); }},
        {"DefenseRebound", false, [](int, P p) { return N(p.DefenseRebound); }},
        {"Jumping", false, [](int, P p) { return N(p.Jumping); }},
        {"Strength", false, [](int, P p) { return N(p.Strength); }},
        {"Potential", false, [](int, P p) { return N(p.Potential); }},
        {"KnownPotential", false, [](int, P p) { return N(p.KnownPotential); }},
        {"PotentialGrade", true, [](int, P p) { return T(p.PotentialGrade); }},
        {"RatingInsideScoring", true, [](int, P p) { return N(p.RatingInsideScoring); }},
        {"RatingOutsideScoring", true, [](int, P p) { return N(p.RatingOutsideScoring); }},
        {"RatingHandling", true, [](int, P p) { return N(p.RatingHandling); }},
        {"RatingDefense", true, [](int, P p) { return N(p.RatingDefense); }},
        {"RatingRebounding", true, [](int, P p) { return N(p.RatingRebounding); }},
        {"CurrentRating", true, [](int, P p) { return N(p.CurrentRating); }},
        {"FutureRating", true, [](int, P p) { return N(p.FutureRating); }},
        {"FitC", false, [](int, P p) { return N(p.FitC); }},
        {"FitPF", false, [](int, P p) { return N(p.FitPF); }},
        {"FitSF", false, [](int, P p) { return N(p.FitSF); }},
        {"FitSG", false, [](int, P p) { return N(p.FitSG); }},
        {"FitPG", false, [](int, P p) { return N(p.FitPG); }},
        {"StyleC", false, [](int, P p) { return T(p.StyleC); }},
        {"StylePF", false, [](int, P p) { return T(p.StylePF); }},
        {"StyleSF", false, [](int, P p) { return T(p.StyleSF); }},
        {"StyleSG", false, [](int, P p) { return T(p.StyleSG); }},
        {"StylePG", false, [](int, P p) { return T(p.StylePG); }},
        {"contract1", true, [](int, P p) { return N(p.contract1); }},
    };
    return columns;
}

} // namespace

ReportTable PlayerListTable(const League& league, const std::function<bool(const Player&)>& keep) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    for (const PlayerColumn& c : Columns())
        table.Column(c.name, c.value(0, Player{}).numeric ? Align::Right : Align::Left, c.brief);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || (keep && !keep(p))) continue;
        table.Row(id);
        for (const PlayerColumn& c : Columns())
            table.Add(c.value(id, p));
    }
    return table;
}

} // namespace hv
