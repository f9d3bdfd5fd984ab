#include "engine/box_score.h"

#include <charconv>

namespace hv {

namespace {

BoxPlayerLine LineOf(const Player& p, int16_t id) {
    const PlayerGameState& g = p.Game;
    BoxPlayerLine l;
    l.ID = id;
    l.Name = p.Name;
    l.Position = PositionText(g.CourtSlot);
    l.Seconds = g.Seconds;
    l.FGA = g.FGA;
    l.FG = g.FG;
    l.ThreePA = g.ThreePA;
    l.ThreeP = g.ThreeP;
    l.FTA = g.FTA;
    l.FT = g.FT;
    l.Rebounds = g.Rebounds;
    l.Assists = g.Assists;
    l.Steals = g.Steals;
    l.Blocks = g.Blocks;
    l.Fouls = g.Fouls;
    l.Turnovers = g.Turnovers;
    l.Points = g.Points;
    return l;
}

BoxSide SideOf(const League& league, const GameSide& side) {
    BoxSide b;
    b.Name = side.Name;
    b.QuarterScores = side.QuarterScores;
    for (int slot = 0; slot < kRosterSlots; ++slot) {
        int16_t id = side.Roster[static_cast<size_t>(slot)];
        if (id == 0) continue;
        BoxPlayerLine& l = b.Players[static_cast<size_t>(slot)];
        l = LineOf(league.player(id), id);
        b.Totals.FGA += l.FGA;
        b.Totals.FG += l.FG;
        b.Totals.ThreePA += l.ThreePA;
        b.Totals.ThreeP += l.ThreeP;
        b.Totals.FTA += l.FTA;
        b.Totals.FT += l.FT;
        b.Totals.Rebounds += l.Rebounds;
        b.Totals.Steals += l.Steals;
        b.Totals.Blocks += l.Blocks;
        b.Totals.Turnovers += l.Turnovers;
    }
    return b;
}

// The 14 numbers of a player block after number, name and position, in file order.
std::array<int16_t BoxPlayerLine::*, 14> PlayerNumberFields() {
    return {&BoxPlayerLine::Seconds,   &BoxPlayerLine::FGA,      &BoxPlayerLine::FG,
            &BoxPlayerLine::ThreePA,   &BoxPlayerLine::ThreeP,   &BoxPlayerLine::FTA,
            &BoxPlayerLine::FT,        &BoxPlayerLine::Rebounds, &BoxPlayerLine::Assists,
            &BoxPlayerLine::Steals,    &BoxPlayerLine::Blocks,   &BoxPlayerLine::Fouls,
            &BoxPlayerLine::Turnovers, &BoxPlayerLine::Points};
}

struct TotalField {
    const char* label;
    int32_t BoxTeamTotals::*field;
};

const std::array<TotalField, 10>& TotalFields() {
    static const std::array<TotalField, 10> fields{{{"FGA: ", &BoxTeamTotals::FGA},
                                                    {"FG: ", &BoxTeamTotals::FG},
                                                    {"3PA: ", &BoxTeamTotals::ThreePA},
                                                    {"3p: ", &BoxTeamTotals::ThreeP},
                                                    {"FTA: ", &BoxTeamTotals::FTA},
                                                    {"FT: ", &BoxTeamTotals::FT},
                                                    {"Rebounds: ", &BoxTeamTotals::Rebounds},
                                                    {"Steals: ", &BoxTeamTotals::Steals},
                                                    {"Blocks: ", &BoxTeamTotals::Blocks},
                                                    {"Turnovers: ", &BoxTeamTotals::Turnovers}}};
    return fields;
}

void AppendTotals(std::vector<std::string>& out, const BoxSide& side) {
    out.push_back("Team: " + side.Name);
    for (const auto& f : TotalFields())
        out.push_back(f.label + std::to_string(side.Totals.*f.field));
    out.emplace_back();
}

// Sequential reader over the box lines that fails softly.
class LineReader {
  public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}
    bool Text(std::string& into) {
        if (next_ >= lines_.size()) return false;
        into = lines_[next_++];
        return true;
    }
    template <class Int> bool Number(Int& into) {
        std::string s;
        if (!Text(s)) return false;
        return ParseInt(s, into);
    }
    bool Expect(const std::string& exact) {
        std::string s;
        return Text(s) && s == exact;
    }
    // A line made of a fixed label and a number.
    bool Labelled(const std::string& label, int32_t& into) {
        std::string s;
        if (!Text(s) || s.compare(0, label.size(), label) != 0) return false;
        return ParseInt(s.substr(label.size()), into);
    }

  private:
    template <class Int> static bool ParseInt(const std::string& s, Int& into) {
        const char* end = s.data() + s.size();
        auto [ptr, ec] = std::from_chars(s.data(), end, into);
        return ec == std::errc() && ptr == end && !s.empty();
    }
    const std::vector<std::string>& lines_;
    size_t next_ = 0;
};

bool ReadPlayers(LineReader& in, BoxSide& side) {
    for (BoxPlayerLine& l : side.Players) {
        if (!in.Number(l.ID) || !in.Text(l.Name) || !in.Text(l.Position)) return false;
        for (auto field : PlayerNumberFields())
            if (!in.Number(l.*field)) return false;
    }
    return true;
}

bool ReadTotals(LineReader& in, BoxSide& side) {
    if (!in.Expect("Team: " + side.Name)) return false;
    for (const auto& f : TotalFields())
        if (!in.Labelled(f.label, side.Totals.*f.field)) return false;
    return in.Expect("");
}

} // namespace

int32_t BoxSide::Score() const {
    int32_t sum = 0;
    for (int16_t q : QuarterScores)
        sum += q;
    return sum;
}

BoxScore BuildBoxScore(const League& league, const FinishedGame& game, int16_t playerOfGame) {
    BoxScore box;
    box.FinalLine = FinalScoreText(game);
    box.Home = SideOf(league, game.Home);
    box.Away = SideOf(league, game.Away);
    if (playerOfGame != 0) {
        const Player& pog = league.player(playerOfGame);
        box.PogCourtSlot = pog.Game.CourtSlot;
        box.PogName = pog.Name;
    }
    return box;
}

std::vector<std::string> BoxScoreLines(const BoxScore& box) {
    std::vector<std::string> out;
    out.reserve(560);
    out.push_back(box.FinalLine);
    out.emplace_back(kBoxVersionLine);
    for (int16_t q : box.Home.QuarterScores)
        out.push_back(std::to_string(q));
    for (int16_t q : box.Away.QuarterScores)
        out.push_back(std::to_string(q));
    out.push_back(box.Home.Name);
    out.push_back(box.Away.Name);
    for (const BoxSide* side : {&box.Home, &box.Away}) {
        for (const BoxPlayerLine& l : side->Players) {
            out.push_back(std::to_string(l.ID));
            out.push_back(l.Name);
            out.push_back(l.Position);
            for (auto field : PlayerNumberFields())
                out.push_back(std::to_string(l.*field));
        }
    }
    out.emplace_back("POG:");
    out.push_back(std::to_string(box.PogCourtSlot));
    out.push_back(box.PogName);
    out.emplace_back();
    out.emplace_back("Team Stats:");
    out.emplace_back();
    AppendTotals(out, box.Home);
    AppendTotals(out, box.Away);
    return out;
}

std::optional<BoxScore> ParseBoxScore(const std::vector<std::string>& lines) {
    LineReader in(lines);
    BoxScore box;
    if (!in.Text(box.FinalLine) || !in.Expect(kBoxVersionLine)) return std::nullopt;
    for (int16_t& q : box.Home.QuarterScores)
        if (!in.Number(q)) return std::nullopt;
    for (int16_t& q : box.Away.QuarterScores)
        if (!in.Number(q)) return std::nullopt;
    if (!in.Text(box.Home.Name) || !in.Text(box.Away.Name)) return std::nullopt;
    if (!ReadPlayers(in, box.Home) || !ReadPlayers(in, box.Away)) return std::nullopt;
    if (!in.Expect("POG:") || !in.Number(box.PogCourtSlot) || !in.Text(box.PogName)) return std::nullopt;
    if (!in.Expect("") || !in.Expect("Team Stats:") || !in.Expect("")) return std::nullopt;
    if (!ReadTotals(in, box.Home) || !ReadTotals(in, box.Away)) return std::nullopt;
    return box;
}

} // namespace hv
