// Exhibition games: two teams loaded from any saved games meet outside every season. The exhibition keeps
// its own league object (the stage), of which it uses only the reserved team slots 30 ("Team One") and 31
// ("Team Two") and the player slots 651 to 680, so nothing of the league open in the program changes.
//
// Loading a team copies it from its saved game: name, city and coaching settings, then its players in ID
// order (player slot 650 + k for exhibition slot k, k = 1..15 for Team One and 16..30 for Team Two), and its
// depth chart and key players translated through the map of exhibition slots to saved IDs. A team of more
// than fifteen players keeps fifteen: every player of its depth chart, then the best by current rating.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/coached_game.h"
#include "league/league.h"
#include "platform/host.h"

namespace hv {

constexpr int kTeamOneSlot = 30;
constexpr int kTeamTwoSlot = 31;
constexpr int kExhibitionSquad = 15; // players of one exhibition team
constexpr int kExhibitionSlots = 30; // exhibition slots k = 1..30, player slot 650 + k
enum class ExhibitionHome { TeamOne, TeamTwo, Neutral };
const std::vector<std::string>& ExhibitionHomeItems(); // "Team One", "Team Two", "Neutral"

// A team of a saved game, as the load list offers it.
struct SavedTeam {
    int slot = 0; // 1 to 29 in its saved game
    std::string city, name;
};

// The 29 teams of a saved game. Shows "Save file not found" (title "Error") when the file is missing, and
// "Invalid Save" when it cannot be read or a team has no name; nothing then.
std::optional<std::vector<SavedTeam>> ReadSavedTeams(const std::filesystem::path& saveFile, Host& host);

class Exhibition {
  public:
    // The stage takes the program folder, the name lists, the injury table and the injuries option of
    // `current`, and nothing else.
    explicit Exhibition(const League& current);

    // Loads team `teamSlot` (1 to 29) of the saved game into Team One (`which` 1) or Team Two (2); on
    // failure the message has been shown (title "Error") and the other team is untouched. True when loaded.
    bool LoadTeam(int which, const std::filesystem::path& saveFile, int teamSlot, Host& host);
    bool Loaded(int which) const { return loaded_.at(static_cast<size_t>(which - 1)); }
    static int TeamSlot(int which) { return which == 1 ? kTeamOneSlot : kTeamTwoSlot; }
    // Player slots of a team's exhibition slots (0 where empty).
    std::vector<int16_t> Players(int which) const;
    // The saved ID held by exhibition slot k (1..30), 0 when empty.
    int16_t SavedID(int k) const { return map_.at(static_cast<size_t>(k)); }
    // "City Name (save NAME.sav)" of a loaded team, "" otherwise.
    std::string Source(int which) const { return source_.at(static_cast<size_t>(which - 1)); }

    League& Stage() { return *stage_; }
    const League& Stage() const { return *stage_; }

    ExhibitionHome home = ExhibitionHome::TeamOne;
    bool pbp = true;
    int HomeSlot() const { return home == ExhibitionHome::TeamTwo ? kTeamTwoSlot : kTeamOneSlot; }
    int AwaySlot() const { return home == ExhibitionHome::TeamTwo ? kTeamOneSlot : kTeamTwoSlot; }
    bool Neutral() const { return home == ExhibitionHome::Neutral; }

    // Both teams loaded, else "Load both teams first." (title "Error"); false then.
    bool Ready(Host& host) const;
    // Plays a whole game; its box score (and play-by-play when kept) are written under "0-0.txt" in the
    // default league's folder. Returns the result line "AWAY @ HOME A, H"; nothing when not ready or when a
    // file could not be written (message shown).
    std::optional<std::string> Sim(Host& host);
    // A coached game of the two teams (the coached-game screen drives it); nothing when not ready.
    std::unique_ptr<CoachedGame> Coach(Host& host);
    // The result line of the last game, "" before any.
    const std::string& LastResult() const { return lastResult_; }

    std::filesystem::path BoxFile() const;
    std::filesystem::path PbpFile() const;
    // The last exhibition game's box score text; "Box score file not found" (title "Error") when missing.
    std::optional<std::vector<std::string>> BoxLines(Host& host) const;
    // The last exhibition game's play-by-play; "Play-By-Play file not found" (title "Error") when missing.
    std::optional<std::vector<std::string>> PlayByPlayLines(Host& host) const;

  private:
    void FreshPlayers();
    std::unique_ptr<League> stage_;
    std::array<int16_t, kExhibitionSlots + 1> map_{};
    std::array<Player, kExhibitionSlots + 1> loadedPlayers_{}; // as loaded, for a fresh start of each game
    std::array<bool, 2> loaded_{};
    std::array<std::string, 2> source_;
    std::string lastResult_;
};

// The result line "AWAY @ HOME A, H".
std::string ExhibitionResult(const std::string& away, const std::string& home, int awayScore, int homeScore);

} // namespace hv
