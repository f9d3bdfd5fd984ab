#include "reports/player_card.h"

#include "league/ratings.h"
#include "reports/chart_series.h"
#include "reports/player_stats_tables.h"
#include "reports/transaction_list.h"

namespace hv {

namespace {

std::string DraftText(const Player& p) {
    if (p.Team == kDraft || p.Team == kNextDraft) return "Prospect";
    if (p.Round <= 0) return "Undrafted";
    return "Round " + std::to_string(p.Round) + ", pick " + std::to_string(p.Pick);
}

std::string InjuryText(const Player& p) {
    std::string text = p.TimeInjured > 0 ? p.Injury + ", " + std::to_string(p.TimeInjured) +
                                               (p.TimeInjured == 1 ? " day" : " days")
                                         : "None";
    return p.IR ? text + "; on injured reserve" : text;
}

ReportTable ProfileTable(const Player& p, int id) {
    ReportTable table;
    table.title = p.Name + " (ID " + std::to_string(id) + ")";
    table.Column("Item").Column("Value");
    const std::pair<const char*, std::string> items[] = {
        {"Team", p.Team},
        {"Position", p.DefaultPosition},
        {"Age", std::to_string(p.Age)},
        {"Height", FormatHeight(p.Height)},
        {"Weight", std::to_string(p.Weight)},
        {"College", p.College},
        {"Experience", std::to_string(p.Experience) + (p.Experience == 1 ? " year" : " years")},
        {"Draft", DraftText(p)},
        {"Championships", std::to_string(p.Championships)},
        {"Injury", InjuryText(p)},
    };
    for (const auto& [item, value] : items)
        table.Row().Add(item).Add(value);
    return table;
}

} // namespace

ReportTable PlayerRatingsTable(const Player& p) {
    ReportTable table;
    table.title = "Ratings";
    table.Column("Rating").Column("Value", Align::Right).Column("Grade");
    for (const NamedRating& r : CurrentRatings(p))
        table.Row().Add({r.name, 0, false, r.meaning}).Add(r.value).Add(LetterGrade(r.value));
    table.Row()
        .Add({"Potential", 0, false, "Potential: the scouts' grade of how good he may become"})
        .Add("")
        .Add(p.PotentialGrade); // only the scouted grade is known
    return table;
}

namespace {

ReportTable AttributesTable(const Player& p) {
    ReportTable table;
    table.title = "Attributes";
    const std::pair<const char*, int16_t> attributes[] = {
        {"Ins", p.InsideScoring}, {"JS", p.JumpShot},       {"3Pt", p.ThreePointShot},
        {"Sco", p.Scoring},       {"Hnd", p.Handling},      {"Pas", p.Passing},
        {"Qck", p.Quickness},     {"PDf", p.PostDefense},   {"PeD", p.PerimeterDefense},
        {"DrD", p.DriveDefense},  {"Stl", p.Stealing},      {"Blk", p.ShotBlocking},
        {"OR", p.OffenseRebound}, {"DR", p.DefenseRebound}, {"Jmp", p.Jumping},
        {"Str", p.Strength},      {"Sta", p.STAMINA},
    };
    for (const auto& [name, value] : attributes)
        table.Column(name, Align::Right);
    table.Row();
    for (const auto& [name, value] : attributes)
        table.Add(int{value});
    return table;
}

ReportTable ContractTable(const League& league, const Player& p) {
    ReportTable table;
    table.title = "Contract: Bird years " + std::to_string(p.BirdYears) +
                  (p.Exception ? ", signed with an exception" : "");
    table.Column("Season", Align::Right).Column("Salary", Align::Right);
    for (int year = 1; year <= 8; ++year)
        if (p.Contract(year) > 0)
            table.Row(league.state.Season + year - 1)
                .Add(league.state.Season + year - 1)
                .Add(ReportTable::Money(p.Contract(year)));
    return table;
}

} // namespace

ReportTable PlayerAwardsTable(const Player& p) {
    ReportTable table;
    table.title = "Awards";
    table.Column("Season", Align::Right).Column("Award");
    for (const Award& a : p.Awards)
        table.Row(a.Season).Add(int{a.Season}).Add(a.Name);
    return table;
}

std::string ContractText(const League& league, const Player& p) {
    int years = 0;
    while (years < 8 && p.Contract(years + 1) > 0)
        ++years;
    if (years == 0) return "None";
    return ReportTable::Money(p.Contract(1)).text + " a year through " +
           std::to_string(league.state.Season + years - 1);
}

std::vector<CardFact> PlayerCardFacts(const League& league, int id) {
    const Player& p = league.player(id);
    return {{"Team", p.Team},
            {"Position", p.DefaultPosition},
            {"Age", std::to_string(p.Age)},
            {"Height", FormatHeight(p.Height)},
            {"Weight", std::to_string(p.Weight) + " lbs"},
            {"College", p.College},
            {"Contract", ContractText(league, p)},
            {"Injury", InjuryText(p)}};
}

std::vector<ReportTable> PlayerCardTables(const League& league, int id) {
    const Player& p = league.player(id);
    return {ProfileTable(p, id),
            PlayerRatingsTable(p),
            AttributesTable(p),
            ContractTable(league, p),
            CareerStatsTable(league, id),
            PlayerAwardsTable(p),
            PlayerTransactionTable(league, p.Name)};
}

} // namespace hv
