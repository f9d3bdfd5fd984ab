// The end of a game: final lines, result text, Player of the Game and leaders, box files, the game's
// statistics in the league's records, and the play-by-play file.
#include <memory>
#include <stdexcept>

#include "engine/box_score.h"
#include "engine/box_score_files.h"
#include "engine/game.h"
#include "engine/game_stats_save.h"
#include "platform/background_writer.h"
#include "platform/whole_file.h"

namespace hv {

namespace {

constexpr int kLeadersRuleWidth = 78;

} // namespace

FinishedGame clsGame::Finished() const {
    FinishedGame g;
    g.Type = sType_;
    g.SeasonDay = league_.state.SeasonDay;
    g.GameNumber = iGame_;
    g.NeutralCourt = bNeutralCourt_;
    for (int s : {kHome, kAway}) {
        const Side& from = side_[s];
        GameSide& to = s == kHome ? g.Home : g.Away;
        to.TeamID = from.teamID;
        to.Name = from.name;
        to.Score = from.score;
        to.Roster = from.roster;
        int regulation = 0;
        for (int q = 1; q <= 4; ++q) {
            to.QuarterScores[static_cast<size_t>(q - 1)] = QuarterScoreOf(s, q);
            regulation += QuarterScoreOf(s, q);
        }
        // Overtime points are the final score minus the four quarters.
        to.QuarterScores[4] = static_cast<int16_t>(from.score - regulation);
    }
    return g;
}

void clsGame::EndGame() {
    FlushBenchRecovery();
    FinishedGame game = Finished();

    // The last header names the period just played, not the one the clock moved on to: a game decided in
    // regulation ends in quarter 4, not in overtime.
    int16_t next = quarter_;
    if (quarter_ > 1) --quarter_;
    AddPossessionHeader();
    quarter_ = next;
    AddPBP("Final Score - " + FinalScoreText(game));
    AddPBP(kBlankLine);
    league_.lastResult = ResultText(game);

    summary_ = SummarizeGame(league_, game);
    CountPlayerOfGame(league_, game, summary_);

    AddPBP(std::string(kLeadersRuleWidth, '-'));
    if (summary_.PlayerOfGame != 0) {
        const Player& pog = league_.player(summary_.PlayerOfGame);
        AddPBP("Player of the Game: " + pog.DefaultPosition + " " + pog.Name + " - " + pog.Team);
    }
    for (const auto& [side, leaders] :
         {std::pair{&game.Home, &summary_.HomeLeaders}, std::pair{&game.Away, &summary_.AwayLeaders}}) {
        AddPBP(kBlankLine);
        AddPBP(side->Name + " Leaders:");
        auto tell = [&](const char* label, int16_t id, int16_t PlayerGameState::*stat) {
            if (id == 0) return;
            const Player& p = league_.player(id);
            AddPBP(std::string(label) + p.Name + " - " + std::to_string(p.Game.*stat));
        };
        tell("Points: ", leaders->Points, &PlayerGameState::Points);
        tell("Rebounds: ", leaders->Rebounds, &PlayerGameState::Rebounds);
        tell("Assists: ", leaders->Assists, &PlayerGameState::Assists);
    }

    // A file that cannot be written stops the game's output; the error is reported once the statistics
    // are safely in the league's records (SavePlayerStats).
    outputError_.clear();
    if (writeBoxFiles_) {
        // The texts are made from a copy of the box score, on the writer's thread when there is one.
        auto box = std::make_shared<const BoxScore>(BuildBoxScore(league_, game, summary_.PlayerOfGame));
        try {
            WriteGameFile(BoxFilePath(league_, game), [box] { return JoinedLines(BoxScoreLines(*box)); });
            std::filesystem::path html = HtmlBoxPath(league_, game);
            if (league_.state.SiteDuringSim && !html.empty())
                WriteGameFile(html,
                              [box, style = league_.state.SiteStyle] { return BoxScoreHtml(*box, style); });
        } catch (const std::exception& e) {
            outputError_ = e.what();
        }
    }

    RecordScheduledGame(league_, game, summary_, GameTextFileName(game));
}

void clsGame::SavePlayerStats() {
    FinishedGame game = Finished();
    if (summary_.FinalLine.empty()) summary_ = SummarizeGame(league_, game); // EndGame was skipped
    RecordTeamResult(league_, game, summary_);
    RecordPlayerStats(league_, game);
    if (!outputError_.empty()) {
        std::string error;
        error.swap(outputError_);
        throw std::runtime_error(error);
    }
}

// The play-by-play follows the box score, so that a play-by-play older than its game's box score is known
// to be a previous season's.
void clsGame::OutputPBP() {
    WriteGameFile(PbpFilePath(league_, Finished()),
                  [text = JoinedLines(pbp_)]() mutable { return std::move(text); });
}

void clsGame::WriteGameFile(const std::filesystem::path& file, std::function<std::string()> text) {
    if (fileWriter_ != nullptr)
        fileWriter_->Write(file, std::move(text));
    else
        WriteWholeFile(file, text());
}

} // namespace hv
