#include "exhibition/coach_script.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "league/coaching_names.h"
#include "platform/scripted_host.h"

namespace hv {

namespace {

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::optional<int> WholeNumber(const std::string& word) {
    if (word.empty() || word.size() > 6 || !std::all_of(word.begin(), word.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    return std::stoi(word);
}

// Court slot 1..5 from "1".."5" or "C".."PG".
std::optional<int> SlotOf(const std::string& word) {
    if (std::optional<int> n = WholeNumber(word)) {
        if (*n >= 1 && *n <= 5) return *n;
        return std::nullopt;
    }
    const int position = PositionNumberOf([&] {
        std::string upper = word;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return upper;
    }());
    if (position == 0) return std::nullopt;
    return position;
}

const char* SideWord(CoachSide side) {
    return side == CoachSide::Home ? "home" : "away";
}

} // namespace

std::optional<std::vector<CoachCommand>> ParseCoachScript(const std::vector<std::string>& lines,
                                                          std::string& error) {
    using Kind = CoachCommand::Kind;
    std::vector<CoachCommand> commands;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::istringstream in(lines[i]);
        std::vector<std::string> words;
        for (std::string w; in >> w;)
            words.push_back(w);
        if (words.empty() || words[0][0] == '#') continue;
        CoachCommand c;
        c.line = static_cast<int>(i + 1);
        c.text = lines[i];
        auto fail = [&](const std::string& reason) {
            error = "Line " + std::to_string(c.line) + ": " + reason;
            return std::nullopt;
        };
        const std::string verb = Lowered(words[0]);
        if (verb == "possession" || verb == "quarter" || verb == "game") {
            if (words.size() != 1) return fail("\"" + verb + "\" takes nothing after it.");
            c.kind = verb == "possession" ? Kind::Possession : verb == "quarter" ? Kind::Quarter : Kind::Game;
            commands.push_back(c);
            continue;
        }
        static const std::vector<std::pair<std::string, Kind>> kSided = {
            {"timeout", Kind::TimeOut}, {"coach", Kind::Coach}, {"lineup", Kind::LineUp},
            {"matchup", Kind::MatchUp}, {"key", Kind::Key},     {"pace", Kind::Pace},
            {"trap", Kind::Trap},       {"press", Kind::Press}, {"offense", Kind::Offense}};
        auto known =
            std::find_if(kSided.begin(), kSided.end(), [&](const auto& k) { return k.first == verb; });
        if (known == kSided.end())
            return fail(
                "unknown command \"" + words[0] +
                "\" (possession, quarter, game, timeout, coach, lineup, matchup, key, pace, trap, press, "
                "offense).");
        c.kind = known->second;
        if (words.size() < 2 || (Lowered(words[1]) != "home" && Lowered(words[1]) != "away"))
            return fail("\"" + verb + "\" needs home or away.");
        c.side = Lowered(words[1]) == "home" ? CoachSide::Home : CoachSide::Away;
        const size_t wanted = c.kind == Kind::TimeOut                                                    ? 2
                              : c.kind == Kind::LineUp || c.kind == Kind::Key || c.kind == Kind::MatchUp ? 4
                                                                                                         : 3;
        if (words.size() < wanted || (words.size() > wanted && c.kind != Kind::LineUp && c.kind != Kind::Key))
            return fail("\"" + verb + "\" takes " + std::to_string(wanted - 1) + " word(s) after it.");
        switch (c.kind) {
        case Kind::TimeOut:
            break;
        case Kind::Coach: {
            const std::string v = Lowered(words[2]);
            if (v != "on" && v != "off") return fail("coach takes on or off.");
            c.number = v == "on" ? 1 : 0;
            break;
        }
        case Kind::LineUp:
        case Kind::MatchUp: {
            std::optional<int> slot = SlotOf(words[2]);
            if (!slot)
                return fail("\"" + words[2] + "\" is not a court slot (1 to 5, or C, PF, SF, SG, PG).");
            c.number = *slot;
            if (c.kind == Kind::MatchUp) {
                std::optional<int> other = SlotOf(words[3]);
                if (!other)
                    return fail("\"" + words[3] + "\" is not a court slot (1 to 5, or C, PF, SF, SG, PG).");
                c.player = std::to_string(*other);
                break;
            }
            [[fallthrough]];
        }
        case Kind::Key: {
            if (c.kind == Kind::Key) {
                std::optional<int> n = WholeNumber(words[2]);
                if (!n || *n < 1 || *n > 3) return fail("key players are numbered 1 to 3.");
                c.number = *n;
            }
            for (size_t w = 3; w < words.size(); ++w)
                c.player += (w > 3 ? " " : "") + words[w];
            break;
        }
        default: {
            const CoachingSetting setting = c.kind == Kind::Pace    ? CoachingSetting::Pace
                                            : c.kind == Kind::Trap  ? CoachingSetting::Trap
                                            : c.kind == Kind::Press ? CoachingSetting::Press
                                                                    : CoachingSetting::Offense;
            const std::vector<int> values = CoachingSettingValues(setting);
            std::optional<int> v = WholeNumber(words[2]);
            auto at = v ? std::find(values.begin(), values.end(), *v) : values.end();
            if (at == values.end()) {
                std::string list;
                for (int value : values)
                    list += (list.empty() ? "" : ", ") + std::to_string(value);
                return fail(verb + " takes one of " + list + ".");
            }
            c.number = static_cast<int>(at - values.begin()); // the list position
            break;
        }
        }
        commands.push_back(c);
    }
    return commands;
}

bool RunCoachScript(CoachedGame& game, const std::vector<CoachCommand>& commands, std::string& error,
                    const std::function<void(const CoachCommand&, const std::vector<std::string>&)>& after) {
    using Kind = CoachCommand::Kind;
    const League& league = game.GameLeague();
    for (const CoachCommand& c : commands) {
        auto fail = [&](const std::string& reason) {
            error = "Line " + std::to_string(c.line) + ": " + reason;
            return false;
        };
        // A dressed player of the side, by ID or by name.
        auto player = [&]() -> int16_t {
            for (int16_t id : game.Dressed(c.side))
                if (std::to_string(id) == c.player || Lowered(league.player(id).Name) == Lowered(c.player))
                    return id;
            return 0;
        };
        if (game.Over() && c.kind != Kind::Coach) return fail("the game is over.");
        switch (c.kind) {
        case Kind::Possession:
        case Kind::Quarter:
        case Kind::Game: {
            ScriptedHost told;
            const CoachSim span = c.kind == Kind::Possession ? CoachSim::Possession
                                  : c.kind == Kind::Quarter  ? CoachSim::Quarter
                                                             : CoachSim::Game;
            game.Sim(span, told);
            if (!told.messages.empty())
                return fail(told.messages.front().title + ": " + told.messages.front().text);
            break;
        }
        case Kind::TimeOut:
            if (!game.TimeOut(c.side)) return fail("the " + game.Name(c.side) + " have no timeout left.");
            break;
        case Kind::Coach:
            game.SetCoach(c.side, c.number == 1);
            break;
        case Kind::LineUp:
        case Kind::Key: {
            const int16_t id = player();
            if (id == 0)
                return fail("\"" + c.player + "\" is no dressed player of the " + game.Name(c.side) + ".");
            if (c.kind == Kind::Key)
                game.SetKeyPlayer(c.side, c.number, id);
            else if (!game.Coached(c.side))
                return fail("the " + game.Name(c.side) + " are not coached (coach " + SideWord(c.side) +
                            " on).");
            else
                game.SetLineUp(c.side, c.number, id);
            break;
        }
        case Kind::MatchUp:
            game.SetMatchUp(c.side, c.number, std::stoi(c.player) - 1);
            break;
        case Kind::Pace:
            game.SetPace(c.side, c.number);
            break;
        case Kind::Trap:
            game.SetTrap(c.side, c.number);
            break;
        case Kind::Press:
            game.SetPress(c.side, c.number);
            break;
        case Kind::Offense:
            game.SetOffense(c.side, c.number);
            break;
        }
        if (after) after(c, game.ScoreboardLines());
    }
    return true;
}

} // namespace hv
