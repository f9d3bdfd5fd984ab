// What every league command of hoopvale-cli shares: load save/NAME.sav, log in with --commish, act, and save
// the league back only when the command changed something.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_app.h"
#include "season/checkpoint.h"

namespace hv {

// How a command uses a league: to change it (the default) or only to read it.
enum class LeagueAccess { Change, Read };

class OpenedLeague {
  public:
    // Loads the saved league NAME into the session and, when --commish was given, logs in with it. A command
    // that may change the league holds the league's lock from before the file is read until the command
    // ends, so that no other program changes it meanwhile; while another program holds it, the command waits
    // briefly and is then refused. A command that only reads takes no lock. On failure the message has been
    // shown and `status` holds the exit status.
    static std::optional<OpenedLeague> Open(CliContext& ctx, const std::string& name, int& status,
                                            LeagueAccess access = LeagueAccess::Change);

    League& league() { return ctx_->session.league; }
    const std::string& name() const { return name_; }

    // Writes the league back to its file when its saved content differs from what was loaded. A league opened
    // only to read is locked first and saved only while its file still holds what was loaded.
    // Returns kExitOk, or kExitRefused when the save failed (its message has been shown).
    int SaveIfChanged();
    // SaveIfChanged as a long run's checkpoint: true when the league was saved (or had not changed).
    SaveCheckpoint Checkpoint() {
        return [this] { return SaveIfChanged() == kExitOk; };
    }

  private:
    OpenedLeague(CliContext& ctx, std::string name, LeagueAccess access)
        : ctx_(&ctx), name_(std::move(name)), access_(access) {}
    CliContext* ctx_;
    std::string name_;
    LeagueAccess access_;
};

// The team slot 1 to 29 that `text` names: a team's Name or its "City Name", compared without regard to case.
// When none matches, shows a message that lists the league's team names and returns 0.
int ResolveTeam(CliContext& ctx, const League& league, const std::string& text);

// The value of a player's Team field that `text` names: a team's Name (as ResolveTeam reads it) or one of
// "FA", "Draft" and "NextDraft", compared without regard to case. When none matches, shows a message that
// lists the valid names and returns nothing.
std::optional<std::string> ResolvePlayerTeam(CliContext& ctx, const League& league, const std::string& text);

// The player slot 1 to 650 that `text` names: his ID, or his Name compared without regard to case, among the
// players for which `keep` holds (all when empty). When none or several match, shows a message and returns 0.
int ResolvePlayer(CliContext& ctx, const League& league, const std::string& text,
                  const std::function<bool(const Player&)>& keep = {});

// The text with A to Z made lower case, for comparisons without regard to case.
std::string Lower(std::string text);

// "on" / "off"
const char* OnOff(bool value);

// The league's options, one per line: injuries, box scores, locks, salary cap, password, rights.
void PrintLeagueOptions(std::ostream& out, const SeasonState& state);

} // namespace hv
