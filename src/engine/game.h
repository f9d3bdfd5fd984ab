// The game engine: one object plays one game between two teams of the league, possession by possession.
//
// The engine works on the league's player and team records in place: it reads the ratings, shifts fifteen of
// them by the period's adjustment while a period runs, uses STAMINA as the in-game energy, and counts the
// game's statistics into Player::Game. All randomness comes from league.rng.
//
// Driving it: StartGame, then either SimGame (the whole game), or step by step as the coached-game screen
// does: Loadteams, ProcessStarters, then StartQuarter / RunPlay ... / EndQuarter, and EndGame plus
// SavePlayerStats at the end.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine_rules.h"
#include "engine/game_stats.h"
#include "league/league.h"

namespace hv {

class BackgroundWriter;

class clsGame {
  public:
    static constexpr int kRosterSize = 15; // dressed players per side
    static constexpr int kDepthRows = 6;   // rows of the depth array per court slot
    static constexpr int kSegments = 12;   // segments of the rotation plan
    static constexpr int kSeparatorWidth = 124;
    // An empty play-by-play line is one blank, so that two in a row are both kept.
    static constexpr const char* kBlankLine = " ";

    explicit clsGame(League& league);
    // A game abandoned in the middle of a period gives the period's rating adjustments back.
    ~clsGame();
    clsGame(const clsGame&) = delete;
    clsGame& operator=(const clsGame&) = delete;

    int16_t HomeScore() const { return side_[kHome].score; }
    int16_t AwayScore() const { return side_[kAway].score; }
    void LoadHomeTeam(int16_t team);
    void LoadAwayTeam(int16_t team);
    void StartGame(int16_t HomeID, int16_t AwayID, bool bPBP, int16_t iGame, const std::string& sType,
                   bool bNeutralCourt = false);
    void Loadteams();
    void ProcessStarters();
    void StartQuarter(int16_t length);
    void EndQuarter();
    void EndGame(); // final lines, result, Player of the Game, box files (game output)
    void RunPlay();
    void SavePlayerStats(); // adds the game to the players' and teams' records (game output)
    void GetSubs();
    // Gives the players on the bench the recovery they have earned so far, for anybody who reads the
    // energies between possessions (the coach's screen).
    void SettleBenchEnergy() { FlushBenchRecovery(); }
    void SimGame();
    void OutputPBP(); // writes the play-by-play file (game output)
    void HomeKeyPlayerOne(int16_t iPlayerID) { side_[kHome].key[1] = iPlayerID; }
    void HomeKeyPlayerTwo(int16_t iPlayerID) { side_[kHome].key[2] = iPlayerID; }
    void HomeKeyPlayerThree(int16_t iPlayerID) { side_[kHome].key[3] = iPlayerID; }
    void AwayKeyPlayerOne(int16_t iPlayerID) { side_[kAway].key[1] = iPlayerID; }
    void AwayKeyPlayerTwo(int16_t iPlayerID) { side_[kAway].key[2] = iPlayerID; }
    void AwayKeyPlayerThree(int16_t iPlayerID) { side_[kAway].key[3] = iPlayerID; }
    int16_t HomeKeyPlayer(int16_t iKeyNumber) const { return KeyPlayerOf(kHome, iKeyNumber); }
    int16_t AwayKeyPlayer(int16_t iKeyNumber) const { return KeyPlayerOf(kAway, iKeyNumber); }
    int16_t HomeLineUp() const { return LineUpAt(kHome); }
    void HomeLineUp(int16_t iPlayerID) { SetLineUpAt(kHome, iPlayerID); }
    int16_t AwayLineUp() const { return LineUpAt(kAway); }
    void AwayLineUp(int16_t iPlayerID) { SetLineUpAt(kAway, iPlayerID); }
    void CurrentPosition(int16_t iPosition) { currentPosition_ = iPosition; }
    void AwayDefense(int16_t iNewPosition) { SetMatchUp(kAway, iNewPosition); }
    void HomeDefense(int16_t iNewPosition) { SetMatchUp(kHome, iNewPosition); }
    int16_t HomePace() const { return side_[kHome].pace; }
    void HomePace(int16_t iPace) { side_[kHome].pace = iPace; }
    int16_t AwayPace() const { return side_[kAway].pace; }
    void AwayPace(int16_t iPace) { side_[kAway].pace = iPace; }
    int16_t HomeTrap() const { return side_[kHome].trap; }
    void HomeTrap(int16_t iTrap) { side_[kHome].trap = iTrap; }
    int16_t AwayTrap() const { return side_[kAway].trap; }
    void AwayTrap(int16_t iTrap) { side_[kAway].trap = iTrap; }
    int16_t HomePress() const { return side_[kHome].press; }
    void HomePress(int16_t iPress) { side_[kHome].press = iPress; }
    int16_t AwayPress() const { return side_[kAway].press; }
    void AwayPress(int16_t iPress) { side_[kAway].press = iPress; }
    int16_t HomeOffense() const { return side_[kHome].offense; }
    void HomeOffense(int16_t iOffense) { side_[kHome].offense = iOffense; }
    int16_t AwayOffense() const { return side_[kAway].offense; }
    void AwayOffense(int16_t iOffense) { side_[kAway].offense = iOffense; }
    void CoachGame(bool bCoach) { coachGame_ = bCoach; }
    // Whether EndGame writes the box score files (on by default); a benchmark of the engine alone turns
    // them off.
    void WriteBoxFiles(bool write) { writeBoxFiles_ = write; }
    // Hands the game's files (box score, HTML box score, play-by-play) to a writer on another thread, in the
    // order they are made, instead of writing them at once; its owner waits for it before anything reads
    // them.
    void WriteFilesThrough(BackgroundWriter* writer) { fileWriter_ = writer; }
    void HomeCoach(bool bCoach) { side_[kHome].coach = bCoach; }
    void AwayCoach(bool bCoach) { side_[kAway].coach = bCoach; }
    int16_t TimeRemaining() const { return timeRemaining_; }
    std::string DisplayTime() const;
    int16_t quarter() const { return quarter_; }
    int16_t HomeQuarterScore(int16_t quarter) const { return QuarterScoreOf(kHome, quarter); }
    int16_t AwayQuarterScore(int16_t quarter) const { return QuarterScoreOf(kAway, quarter); }
    int16_t HomeFouls() const { return side_[kHome].fouls; }
    int16_t AwayFouls() const { return side_[kAway].fouls; }
    int16_t HomeTimeOuts() const { return side_[kHome].timeouts; }
    int16_t AwayTimeOuts() const { return side_[kAway].timeouts; }
    bool IsDeadBall() const { return deadBall_; }
    std::string Possession() const { return possession_ == kHome ? "Home" : "Away"; }
    void RunTimeOut(const std::string& sTeam);
    int16_t FreeThrowShooter() const { return ftShooter_; }
    int16_t AwayDefending(int16_t iPosition) const { return DefenderOf(kAway, iPosition); }
    int16_t HomeDefending(int16_t iPosition) const { return DefenderOf(kHome, iPosition); }

    // The rules the game is played by: those of the league's engine from StartGame on; tests may set others
    // after StartGame.
    const EngineRules& Rules() const { return rules_; }
    void SetRules(const EngineRules& rules) { rules_ = rules; }

    // Told of every game that SimGame finishes, after its box score and before its statistics are added to
    // the players' records, while each player's game line is still in place; an empty one tells nobody. For
    // runs that measure the engine over many games (the calibration bench).
    using FinishedGameWatcher = std::function<void(const clsGame& game)>;
    static void WatchFinishedGames(FinishedGameWatcher watcher) { finishedWatcher_ = std::move(watcher); }

    // Raised for every play-by-play line added.
    std::function<void(const std::string& sAction)> PlayGame_NewPbP;

    // --- Read access for the game's output, screens and tests ---
    League& GameLeague() const { return league_; }
    int16_t HomeID() const { return side_[kHome].teamID; }
    int16_t AwayID() const { return side_[kAway].teamID; }
    const std::string& HomeName() const { return side_[kHome].name; }
    const std::string& AwayName() const { return side_[kAway].name; }
    const std::string& sType() const { return sType_; }
    int16_t iGame() const { return iGame_; }
    bool bPBP() const { return bPBP_; }
    bool bNeutralCourt() const { return bNeutralCourt_; }
    bool CoachGame() const { return coachGame_; }
    bool HomeCoach() const { return side_[kHome].coach; }
    bool AwayCoach() const { return side_[kAway].coach; }
    // Periods played so far: 4 after regulation, 5 and more after overtime.
    int16_t PeriodsPlayed() const { return static_cast<int16_t>(quarter_ - 1); }
    // Dressed players in depth order, 0 = empty slot.
    const std::array<int16_t, kRosterSize>& HomeRoster() const { return side_[kHome].roster; }
    const std::array<int16_t, kRosterSize>& AwayRoster() const { return side_[kAway].roster; }
    // Player on the court at slot 1..5 (0 for any other slot).
    int16_t HomeOnCourt(int slot) const { return OnCourtOf(kHome, slot); }
    int16_t AwayOnCourt(int slot) const { return OnCourtOf(kAway, slot); }
    // Zone 1..7 of the player at court slot 1..5.
    int16_t HomeZone(int slot) const { return ZoneOf(kHome, slot); }
    int16_t AwayZone(int slot) const { return ZoneOf(kAway, slot); }
    // Rating adjustment of the period being played (0 between periods).
    int16_t HomeQuarterAdjustment() const { return side_[kHome].quarterAdj; }
    int16_t AwayQuarterAdjustment() const { return side_[kAway].quarterAdj; }
    int16_t ScoringRun() const { return run_; }
    // Possessions so far: every time a side gains the ball, including the start of each period.
    int16_t HomePossessions() const { return side_[kHome].possessions; }
    int16_t AwayPossessions() const { return side_[kAway].possessions; }
    // Rotation plan: player planned at court slot 1..5 in segment 1..12.
    int16_t HomePlanned(int slot, int segment) const { return PlannedOf(kHome, slot, segment); }
    int16_t AwayPlanned(int slot, int segment) const { return PlannedOf(kAway, slot, segment); }
    // Depth array: player at court slot 1..5, row 1..6.
    int16_t HomeDepth(int slot, int row) const { return DepthOf(kHome, slot, row); }
    int16_t AwayDepth(int slot, int row) const { return DepthOf(kAway, slot, row); }
    const std::vector<std::string>& PlayByPlay() const { return pbp_; }

    // The finished game as its output sees it; the Player of the Game, leaders and team lines after EndGame.
    FinishedGame Finished() const;
    const GameSummary& Summary() const { return summary_; }
    int16_t PlayerOfTheGame() const { return summary_.PlayerOfGame; }

    // Adds a play-by-play line (only when the game keeps play-by-play); a line equal to the previous one is
    // dropped unless it is the blank line.
    void AddPBP(const std::string& line);
    // The block that opens every possession (also written once more at the end of the game).
    void AddPossessionHeader();

  private:
    friend class GameTestAccess; // the engine's tests set up single situations

    static constexpr int kHome = 0;
    static constexpr int kAway = 1;

    struct Side {
        int16_t teamID = 0;
        std::string name;
        std::array<int16_t, kRosterSize> roster{};
        std::array<int16_t, kRosterSize> dressed{}; // the roster without its empty slots, for the clock
        int dressedCount = 0;
        std::array<int16_t, kRosterSize> plannedMinutes{};          // by roster slot
        std::array<std::array<int16_t, kDepthRows + 1>, 6> depth{}; // [court slot][row], 1-based
        std::array<std::array<int16_t, kSegments + 1>, 6> plan{};   // [court slot][segment], 1-based
        std::array<int16_t, 6> lineUp{};                            // player at court slot 1..5
        std::array<int16_t, 6> zone{};                              // zone of court slot 1..5
        std::array<int16_t, 4> key{};                               // key players 1..3
        std::array<int16_t, 6> defense{}; // defender slot -> opposing slot that he guards
        std::array<int16_t, 6> guardOf{}; // opposing slot -> defender slot that guards it
        int16_t pace = 50, basePace = 50, trap = 0, press = 0, offense = 50;
        int16_t score = 0;
        std::array<int16_t, 5> quarterScores{}; // quarters 1..4
        int16_t fouls = 0, timeouts = 0;
        int16_t quarterAdj = 0;
        int16_t possessions = 0; // times the side gained the ball (offensive rebounds keep a possession)
        bool coach = false;
    };

    // Accessor helpers.
    int16_t KeyPlayerOf(int side, int keyNumber) const;
    int16_t LineUpAt(int side) const;
    void SetLineUpAt(int side, int16_t playerID);
    void SetMatchUp(int side, int16_t newPosition);
    int16_t DefenderOf(int side, int position) const;
    int16_t QuarterScoreOf(int side, int quarter) const;
    int16_t OnCourtOf(int side, int slot) const;
    int16_t ZoneOf(int side, int slot) const;
    int16_t PlannedOf(int side, int slot, int segment) const;
    int16_t DepthOf(int side, int slot, int row) const;

    // Setup (game_setup.cpp).
    void LoadTeam(int side, int16_t team);
    void FillDepthRows(int side);
    void PlanMinutes(int side);
    void BuildRotation(int side);
    void CacheStyles(int side);
    void AddStartersBlock(int side);

    // Periods, clock and timeouts (game_clock.cpp).
    void PlayPeriod(int16_t length);
    void DrawQuarterAdjustments();
    void ApplyQuarterAdjustments(int sign);
    void JumpBall();
    int ActionSeconds(int pace);
    void ClockStep(int seconds);
    void FlushBenchRecovery();
    void GainEnergy(int amount);

    // Substitutions (game_subs.cpp).
    int CurrentSegment() const;
    bool Eligible(int16_t id) const;
    double RestThreshold(const Player& p) const;
    int FoulTroubleFactor(const Player& p) const;
    int EnergyOf(int16_t id, const std::array<int16_t, 6>& lineUp) const;
    bool ReadyToPlay(int16_t id, const std::array<int16_t, 6>& lineUp) const;
    void SubsForSide(int side);

    // The possession loop, changes of possession, inbounds, injuries (game_possession.cpp).
    void MarkCourtSlots();
    void DecideTrap();
    void ComputerPace(int side);
    void Action();
    bool InjuryCheck();
    void ChangePossession(int16_t newHandler);
    void GiveBallAfterStoppage();
    void AfterScore(int scoringSide);
    void AddScore(int side, int points);
    void Inbound();
    void MoveUpFromBackcourt();
    void Turnover();
    void TellSteal(const Player& stealer, const Player& loser);
    void Steal(int defSlot);
    void NonShootingFoul(int defSlot);
    void AwardFreeThrows(int count);
    void TireDefenders(int amount);

    // Off-ball movement (game_movement.cpp).
    static int16_t NextZone(int slot, int zone, int style, double r);
    void OffBallMovement();

    // The ball handler's choice, dribbles and drives (game_actions.cpp), passes (game_pass.cpp).
    double ShootingPropensity();
    void ChooseAndPlay();
    void Dribble(double s);
    void MoveOrDrive(double s);
    void Pass();

    // Shots, free throws and rebounds (game_shots.cpp).
    enum ShotStart { kJumpOrSet, kGoingUp }; // kGoingUp: a dunk or layup after going up from Inside
    void Shot(double s, ShotStart start);
    void ScoreBasket(int points, bool andOne);
    bool AssistEarned(const Player& passer);
    double CloseGameEdge() const;
    void FreeThrows();
    void Rebound(int shotZone);
    void TellCount(const Player& p, int count, bool rebounds);

    // What the possession loop reads of one dressed player: his styles and threat, found when the teams are
    // loaded, and his target and scoring values by zone, each worked out the first time it is needed while
    // his ratings stand as they are (the period's adjustments move them), so that no possession works them
    // out again.
    struct DressedValues {
        std::array<uint8_t, 6> style{};   // style index (0 Inside, 1 Balanced, 2 Outside) at court slot 1..5
        double threat = 0;                // his scoring threat's move of the openness of his passes
        uint32_t stamp = 0;               // ratingsStamp_ of the values below
        uint16_t known = 0;               // bit z: target[z] is known; bit 8 + z: scoring[z] is
        std::array<int16_t, 8> target{};  // worth as a pass target standing in zone 1..7
        std::array<int16_t, 8> scoring{}; // scoring value as the ball handler in zone 1..7
    };
    // The values of a dressed player, the zone values forgotten when the ratings have moved since; null for
    // anybody else (an empty slot), whose values are worked out where they are needed.
    DressedValues* ValuesOf(int16_t id) {
        const int8_t at = dressedAt_[static_cast<size_t>(id)];
        if (at < 0) return nullptr;
        DressedValues& v = dressedValues_[static_cast<size_t>(at)];
        if (v.stamp != ratingsStamp_) {
            v.stamp = ratingsStamp_;
            v.known = 0;
        }
        return &v;
    }
    int TargetValueOf(int16_t id, int zone);  // game_pass.cpp
    double ThreatOf(int16_t id);              // game_pass.cpp
    int ScoringValueOf(int16_t id, int zone); // game_actions.cpp
    static double Threat(const Player& p);    // game_pass.cpp

    // Small helpers of the hot path.
    double Rand() { return league_.rng.Uniform(); }
    int Def() const { return 1 - possession_; }
    Player& OnCourt(int side, int slot) { return league_.players[side_[side].lineUp[slot]]; }
    Player& Handler() { return OnCourt(possession_, ballHandler_); }
    // Court slot of the defender who guards the offence's slot.
    int DefSlot(int offSlot) const { return side_[1 - possession_].guardOf[offSlot]; }

    inline static FinishedGameWatcher finishedWatcher_;

    League& league_;
    EngineRules rules_;
    std::array<Side, 2> side_{};
    std::string sType_ = "Regular";
    bool bPBP_ = false;
    int16_t iGame_ = 0;
    bool bNeutralCourt_ = false;
    bool coachGame_ = false;
    bool rookieGame_ = false;
    bool allStarKind_ = false;    // "All-Star" or "Rookie"
    bool playoffGame_ = false;    // "Playoff"
    bool countsInjuries_ = false; // "Regular" or "Playoff": its injuries are worked off after the day
    bool writeBoxFiles_ = true;
    BackgroundWriter* fileWriter_ = nullptr;
    // Writes the file through the writer when there is one (the text then made on its thread), else at once.
    void WriteGameFile(const std::filesystem::path& file, std::function<std::string()> text);
    int16_t currentPosition_ = 0;

    int16_t quarter_ = 1;
    int16_t timeRemaining_ = -1;
    bool periodRunning_ = false; // rating adjustments are applied
    int possession_ = kHome;     // side with the ball
    int16_t ballHandler_ = 5;    // court slot of the player with the ball
    int16_t run_ = 0;
    bool deadBall_ = false;
    bool possessionOver_ = false;
    bool possessionAfterScore_ = false;
    bool inRunPlay_ = false;
    bool inboundPending_ = false;
    bool trap_ = false;
    bool press_ = false;
    int16_t lastPasser_ = 0;
    int16_t shotClockMark_ = 0;
    double passOpenness_ = 0;
    double driveOpenness_ = 0;
    int16_t ftShooter_ = 0; // player about to shoot free throws
    int ftShooterSide_ = kHome;
    int16_t ftCount_ = 0;
    bool freeThrowAction_ = false; // the action just played was free throws
    bool missedLastFreeThrow_ = false;
    int jumpBallWinner_ = kHome;
    // The recovery the players on the bench have earned since they last got it, for an energy that was even
    // and one that was odd then, and whether each of those energies is odd now: they get it when anything may
    // change their energy or the line-ups (FlushBenchRecovery), not at every clock step; the substitutions
    // read it without giving it (EnergyOf).
    std::array<int, 2> benchGain_{0, 0};
    std::array<int, 2> benchParity_{0, 1};
    bool benchPending_ = false;
    // Player ID -> entry of dressedValues_ (side x kRosterSize + roster slot; -1: not dressed).
    std::vector<int8_t> dressedAt_;
    std::array<DressedValues, 2 * kRosterSize> dressedValues_{};
    uint32_t ratingsStamp_ = 1; // moves on whenever the ratings of dressed players change
    std::vector<std::string> pbp_;
    // Game output (game_output.cpp): the summary taken at EndGame, and a box file that could not be written,
    // reported once the statistics are saved.
    GameSummary summary_;
    std::string outputError_;
};

} // namespace hv
