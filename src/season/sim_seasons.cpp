#include "season/sim_seasons.h"

#include <charconv>

#include "league/league_options.h"
#include "league/lineup.h"
#include "league/team_control.h"
#include "league/transactions.h"
#include "personnel/development.h"
#include "personnel/draft.h"
#include "personnel/free_agency.h"
#include "season/begin_season.h"
#include "season/day_loop.h"
#include "season/end_season.h"
#include "season/playoffs.h"
#include "season/roster_checks.h"
#include "season/roster_manager.h"

namespace hv {

namespace {

constexpr const char* kTitle = "Sim Multiple Seasons";
constexpr int16_t kLastFreeAgencyDay = 185;
// A season takes about 190 steps; a run that needs many more has a step that does not move the league.
constexpr long kStepsPerSeason = 400;
// The days of one turn of the cycle, from day 0 through the season, the playoffs and the off-season (which
// ends on day 190) back to day 0.
constexpr long kDaysPerCycle = 200;

// Injury notices for the human teams ask whether to go on; nobody is there to answer while seasons run
// unattended, so they are held back for the run and the league's own setting is put back afterwards.
class InjuryNoticesHeldBack {
  public:
    explicit InjuryNoticesHeldBack(SeasonState& s) : state_(s), saved_(s.ScreenInjuries) {
        s.ScreenInjuries = false;
    }
    ~InjuryNoticesHeldBack() { state_.ScreenInjuries = saved_; }
    InjuryNoticesHeldBack(const InjuryNoticesHeldBack&) = delete;
    InjuryNoticesHeldBack& operator=(const InjuryNoticesHeldBack&) = delete;

  private:
    SeasonState& state_;
    bool saved_;
};

// The host of an unattended run. Nobody is there to answer: questions (a computer team's trade offer to a
// human team) get the safe answer No, and notices go to the status lines instead of waiting to be
// dismissed. Warnings and errors still reach the user, and the user's Stop still stops the run.
class UnattendedHost : public Host {
  public:
    UnattendedHost(Host& host, std::function<void(const std::string&)> status)
        : host_(host), status_(std::move(status)) {}

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        if (icon == MessageIcon::Information || icon == MessageIcon::None)
            Tell(title, text);
        else
            host_.ShowMessage(text, title, icon);
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        Tell(title, text + " No.");
        return false;
    }
    void SetProgress(const std::string& caption, int value, int maximum) override {
        host_.SetProgress(caption, value, maximum);
    }
    void SetBusy(bool busy) override { host_.SetBusy(busy); }
    void PumpEvents() override {
        host_.PumpEvents();
        if (host_.StopRequested()) RequestStop();
    }

  private:
    // One status line: "TITLE: TEXT" with the text's line breaks as blanks.
    void Tell(const std::string& title, std::string text) const {
        for (char& c : text)
            if (c == '\n' || c == '\r') c = ' ';
        status_(title.empty() ? text : title + ": " + text);
    }

    Host& host_;
    std::function<void(const std::string&)> status_;
};

// Nobody is there to fix a human team's roster while seasons run unattended (after the draft it is too
// large, after free agency too small): at the camp cuts and before each day of games the computer repairs it
// as it repairs its own teams.
void RepairHumanRosters(League& league) {
    for (int team = 1; team <= kLeagueTeams; ++team) {
        const Team& t = league.team(team);
        if (IsHuman(t) && (t.ActivePlayers != kActiveRoster ||
                           DressablePlayers(league, team) < kLeastDressable || !LineupSettingsValid(t)))
            ManageRoster(league, team);
    }
}

class SeasonStepper {
  public:
    SeasonStepper(League& league, Host& host, const SimSeasonsHooks& hooks)
        : league_(league), host_(host), hooks_(hooks) {
        run_.unattended = true;
    }

    // Takes the step of the league's day; false when it could not be taken (its message has been shown).
    bool Step() {
        const int day = league_.state.SeasonDay;
        if (day == Phase::BeforeSeason) {
            Tell(" - Processing New Season");
            return BeginSeason(league_, host_, true);
        }
        if (day <= Phase::LastDay) {
            Tell(" - Simming day " + std::to_string(day));
            RepairHumanRosters(league_);
            SimDay(league_, host_, run_, day);
            return true;
        }
        if (day == Phase::FirstPlayoffDay) {
            Tell(" - Beginning Playoffs");
            return BeginPlayoffs(league_, host_);
        }
        if (day <= Phase::FirstEndSeason) {
            Tell(" - Simming day " + std::to_string(day));
            RepairHumanRosters(league_);
            SimPlayoffDay(league_, host_, run_, day);
            return true;
        }
        if (day <= Phase::LastEndSeason) {
            if (hooks_.onSeasonPlayed) hooks_.onSeasonPlayed(league_);
            Tell(" - Ending Season");
            return EndSeasonUnattended(league_, host_);
        }
        if (day == Phase::RookieDraft) {
            Tell(" - Running Rookie Draft");
            return RunRookieDraftUnattended(league_, host_);
        }
        if (FreeAgencyDayToRun(league_.state)) {
            Tell(" - Running Free Agency Day " + std::to_string(day - (Phase::FirstFreeAgency - 1)));
            if (!RunFreeAgencyDay(league_, host_)) return false;
            return league_.state.SeasonDay != kLastFreeAgencyDay || EndFreeAgency();
        }
        if (day >= kLastFreeAgencyDay && day <= Phase::LastFreeAgency) return EndFreeAgency();
        if (day == Phase::TrainingCamps) {
            Tell(" - Running Training Camps");
            RunTrainingCamps(league_, host_);
            Tell(" - Processing Camp Cuts");
            CampCuts(league_);
            RepairHumanRosters(league_);
            return true;
        }
        host_.ShowMessage("Seasons cannot be simmed on from day " + std::to_string(day) + ".", kTitle,
                          MessageIcon::Warning);
        return false;
    }

    void Tell(const std::string& text) const {
        if (hooks_.onStatus) hooks_.onStatus("Season: " + std::to_string(league_.state.Season) + text);
    }

  private:
    bool EndFreeAgency() {
        Tell(" - Ending Free Agency");
        return hv::EndFreeAgency(league_, host_);
    }

    League& league_;
    Host& host_;
    const SimSeasonsHooks& hooks_;
    SimRun run_;
};

// Where a league stands in its cycle of seasons, counted in days from day 0 of `season`: the season number
// moves on at day 170, when the off-season of the season just played begins.
long CyclePosition(const SeasonState& s, int season) {
    const long days = s.SeasonDay >= Phase::RookieDraft ? s.SeasonDay - kDaysPerCycle : s.SeasonDay;
    return (s.Season - season) * kDaysPerCycle + days;
}

} // namespace

std::optional<int> ParseSeasonCount(const std::string& text, Host& host, bool tellLimit) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    int value = 0;
    bool number = first != std::string::npos;
    if (number) {
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        if (*begin == '+') ++begin;
        auto [ptr, ec] = std::from_chars(begin, end, value);
        number = ec == std::errc() && ptr == end && value <= kMostSeasonsPerRun;
    }
    if (!number) {
        const std::string limit =
            " Give a whole number of seasons from 1 to " + std::to_string(kMostSeasonsPerRun) + ".";
        host.ShowMessage(kSeasonValueInvalid + (tellLimit ? limit : std::string()), "Error",
                         MessageIcon::Critical);
        return std::nullopt;
    }
    if (value < 1) {
        host.ShowMessage(kSeasonValueTooSmall, "Error", MessageIcon::Critical);
        return std::nullopt;
    }
    return value;
}

bool MaySimSeasons(const League& league, Host& host) {
    const SeasonState& s = league.state;
    if (!CheckMaySimulate(s, host) || !CheckMayEndSeason(s, host)) return false;
    if (s.SeasonDay < Phase::BeforeSeason) {
        host.ShowMessage("Seasons can be simmed once the creation draft is over.", kTitle,
                         MessageIcon::Warning);
        return false;
    }
    return true;
}

SeasonsOutcome SimSeasons(League& league, Host& host, int seasons, const SimSeasonsHooks& hooks) {
    SeasonState& s = league.state;
    if (!MaySimSeasons(league, host)) return SeasonsOutcome::Refused;
    if (seasons < 1 || seasons > kMostSeasonsPerRun) {
        host.ShowMessage(seasons < 1 ? kSeasonValueTooSmall : kSeasonValueInvalid, "Error",
                         MessageIcon::Critical);
        return SeasonsOutcome::Refused;
    }
    const int target = s.Season + seasons;
    const int first = s.Season;
    const long start = CyclePosition(s, first), length = seasons * kDaysPerCycle - start;
    InjuryNoticesHeldBack quiet(s);
    SimSeasonsHooks told = hooks;
    told.onStatus = [&](const std::string& line) {
        host.SetProgress(line, static_cast<int>(CyclePosition(s, first) - start), static_cast<int>(length));
        if (hooks.onStatus) hooks.onStatus(line);
    };
    UnattendedHost unattended(host, [&hooks](const std::string& line) {
        if (hooks.onStatus) hooks.onStatus(line);
    });
    SeasonStepper stepper(league, unattended, told);
    host.ClearStop();
    for (long step = 0; step <= kStepsPerSeason * (seasons + 1); ++step) {
        if (s.Season == target && s.SeasonDay == Phase::BeforeSeason) {
            told.onStatus("Done.");
            return SeasonsOutcome::Done;
        }
        unattended.PumpEvents();
        if (unattended.StopRequested()) return SeasonsOutcome::Stopped;
        const int16_t season = s.Season, day = s.SeasonDay;
        if (!stepper.Step()) return SeasonsOutcome::Failed;
        if (SeasonCompleted(day, s) && !TakeCheckpoint(league, unattended, hooks.checkpoint, told.onStatus))
            return SeasonsOutcome::Failed;
        if (unattended.StopRequested()) return SeasonsOutcome::Stopped;
        if (s.Season == season && s.SeasonDay == day) {
            host.ShowMessage("The simulation could not move on from day " + std::to_string(day) + ".", kTitle,
                             MessageIcon::Warning);
            return SeasonsOutcome::Failed;
        }
    }
    host.ShowMessage("The simulation took far more steps than its seasons need and was ended.", kTitle,
                     MessageIcon::Warning);
    return SeasonsOutcome::Failed;
}

} // namespace hv
