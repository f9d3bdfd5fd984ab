// What every league command of hoopvale-cli shares: load save/NAME.sav, log in with --commish, act, and save
// the league back only when the command changed something.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_app.h"

namespace hv {

class OpenedLeague {
  public:
    // Loads the saved league NAME into the session and, when --commish was given, logs in with it. On failure
    // the message has been shown and `status` holds the exit status.
    static std::optional<OpenedLeague> Open(CliContext& ctx, const std::string& name, int& status);

    League& league() { return ctx_->session.league; }
    const std::string& name() const { return name_; }

    // Writes the league back to its file when its saved content differs from what was loaded.
    // Returns kExitOk, or kExitRefused when the save failed (its message has been shown).
    int SaveIfChanged();

  private:
    OpenedLeague(CliContext& ctx, std::string name, std::string loaded)
        : ctx_(&ctx), name_(std::move(name)), loaded_(std::move(loaded)) {}
    CliContext* ctx_;
    std::string name_;
    std::string loaded_; // the saved form right after loading
};

// The team slot 1 to 29 that `text` names: a team's Name or its "City Name", compared without regard to case.
// When none matches, shows a message that lists the league's team names and returns 0.
int ResolveTeam(CliContext& ctx, const League& league, const std::string& text);

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
