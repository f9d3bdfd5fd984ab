// The commissioner's player and team editors: refusals leave the league's saved bytes as they were, and an
// edit that passes keeps ratings, roster counts, payrolls and line-ups as the rest of the league keeps them.
#include <gtest/gtest.h>

#include "league/league_editor.h"
#include "league/league_options.h"
#include "league/ratings.h"
#include "league/save_file.h"
#include "league/transactions.h"
#include "platform/scripted_host.h"
#include "support/roster_league.h"

namespace hv {
namespace {

class LeagueEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int t = 1; t <= kLeagueTeams; ++t)
            rl.Fill(t, 13);
        centre = 1; // first player of the Hawks, a C
        rl.league.player(centre).Name = "Ann Centre";
        fa = rl.Add(0, 5, 50);
        rl.league.state.SeasonDay = 10;
    }
    League& league() { return rl.league; }
    std::string Bytes() const { return EncodeLeague(rl.league, "Edit"); }

    // The edit is refused with a message holding `text`, and the league's saved form is unchanged.
    void ExpectRefused(int id, const FieldEdits& edits, const std::string& text) {
        const std::string before = Bytes();
        const size_t logged = league().tables.transactions.size();
        ScriptedHost host;
        EXPECT_FALSE(EditPlayer(league(), id, edits, host)) << edits.front().field;
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().title, "Edit League");
        EXPECT_NE(host.messages.back().text.find(text), std::string::npos) << host.messages.back().text;
        EXPECT_TRUE(Bytes() == before) << edits.front().field;
        EXPECT_EQ(league().tables.transactions.size(), logged);
    }

    test::RosterLeague rl;
    int centre = 0, fa = 0;
};

TEST_F(LeagueEditor, WithoutCommissionerRightsNothingChanges) {
    league().state.Password = "secret";
    league().state.CommissionerRights = false;
    ExpectRefused(centre, {{"Age", "30"}}, kEditLeagueRefusal);
    Team before = league().team(1);
    ScriptedHost host;
    EXPECT_FALSE(EditTeam(league(), 1, {{"City", "Elsewhere"}}, host));
    EXPECT_EQ(league().team(1).City, before.City);
}

TEST_F(LeagueEditor, BadValuesAndBrokenInvariantsAreRefused) {
    ExpectRefused(centre, {{"Height", "6'10"}}, "Height \"6'10\" is not a whole number");
    ExpectRefused(centre, {{"Age", "12"}}, "Age 12 is outside 16 to 50");
    ExpectRefused(centre, {{"Speed", "80"}}, "\"Speed\" is no field of a player");
    ExpectRefused(centre, {{"Position", "G"}}, "Position \"G\" is not C, PF, SF, SG or PG");
    // A centre's handling is capped at 75; the whole edit goes, not only its bad part.
    ExpectRefused(centre, {{"Age", "33"}, {"Handling", "90"}}, "Handling 90 is above 75");
    ExpectRefused(centre, {{"Name", ""}}, "Name must not be empty");
    ExpectRefused(centre, {{"Name", "Ann, Centre"}}, "holds a comma");
    ExpectRefused(centre, {{"Team", "Eagles"}}, "Team \"Eagles\" is no team of the league");
    ExpectRefused(fa, {{"IR", "yes"}}, "Only a player of a team can be on injured reserve");
    ExpectRefused(centre, {{"contract1", "0"}}, "needs a salary this season");
    ExpectRefused(centre, {{"contract2", "0"}, {"contract3", "5000000"}}, "contract3 follows a year");
    // Thirteen players, twelve must stay active during the season: one may go, a second may not.
    ScriptedHost host;
    ASSERT_TRUE(EditPlayer(league(), 2, {{"Team", "FA"}}, host)) << host.LastMessage();
    ExpectRefused(centre, {{"Team", "FA"}}, "would keep 11 active players; a team needs 12");
    ExpectRefused(centre, {{"IR", "yes"}}, "would keep 11 active players");
    // A full roster takes nobody.
    rl.Add(2, 1, 40);
    rl.Add(2, 1, 40);
    ASSERT_EQ(league().team(2).NumPlayers, 15);
    ExpectRefused(fa, {{"Team", "Owls"}}, "The Owls have 15 players, the most a roster holds");
}

TEST_F(LeagueEditor, AnEditedPlayersRatingsAreAFreshComputation) {
    ScriptedHost host;
    ASSERT_TRUE(EditPlayer(league(), centre,
                           {{"height", "86"},
                            {"Weight", "262"},
                            {"InsideScoring", "91"},
                            {"Jumping", "30"},
                            {"Potential", "80"},
                            {"KnownPotential", "85"},
                            {"Age", "24"}},
                           host))
        << host.LastMessage();
    const Player& p = league().player(centre);
    Player fresh = p;
    fresh.RatingInsideScoring = fresh.RatingDefense = fresh.CurrentRating = fresh.FutureRating = 0;
    fresh.FitC = fresh.FitSF = 0;
    DeriveDisplayFields(fresh);
    CalculatePlayerRatings(fresh);
    EXPECT_EQ(p.DisplayHeight, "7'2''");
    EXPECT_EQ(p.PotentialGrade, "A");
    EXPECT_EQ(p.RatingInsideScoring, fresh.RatingInsideScoring);
    EXPECT_EQ(p.RatingDefense, fresh.RatingDefense);
    EXPECT_EQ(p.CurrentRating, fresh.CurrentRating);
    EXPECT_EQ(p.FutureRating, fresh.FutureRating);
    EXPECT_EQ(p.FitC, fresh.FitC);
    EXPECT_EQ(p.FitSF, fresh.FitSF);
    // 0.2 x Strength + 0.5 x 91 + 0.3 x 30, by hand.
    EXPECT_EQ(p.RatingInsideScoring, NearestInt(0.2 * p.Strength + 0.5 * 91 + 0.3 * 30));
}

TEST_F(LeagueEditor, AMoveKeepsCountsPayrollsLineupsAndLogsOneLine) {
    ScriptedHost host;
    Team& hawks = league().team(1);
    Team& owls = league().team(2);
    const int32_t salary = league().player(centre).contract1;
    const int32_t hawksPay = hawks.TotalSalary, owlsPay = owls.TotalSalary;
    ASSERT_EQ(hawks.C1, centre);
    league().state.SeasonDay = 0; // before the season a team may fall short of twelve
    ASSERT_TRUE(
        EditPlayer(league(), centre, {{"Team", "owls"}, {"Position", "PF"}, {"contract1", "2500000"}}, host))
        << host.LastMessage();
    EXPECT_EQ(hawks.NumPlayers, 12);
    EXPECT_EQ(owls.NumPlayers, 14);
    EXPECT_EQ(hawks.TotalSalary, hawksPay - salary);
    EXPECT_EQ(owls.TotalSalary, owlsPay + 2500000);
    EXPECT_NE(hawks.C1, centre);
    EXPECT_NE(hawks.C1, 0); // the computer filled the place he left
    EXPECT_EQ(league().player(centre).LastTeam, "Hawks");
    EXPECT_EQ(league().player(centre).DefaultPosition, "PF");
    ASSERT_FALSE(league().tables.transactions.empty());
    const Transaction& line = league().tables.transactions.back();
    EXPECT_EQ(line.Team, "Owls");
    EXPECT_EQ(line.Action,
              "Commissioner edited C Ann Centre: Position C to PF, Team Hawks to Owls, contract1 " +
                  std::to_string(salary) + " to 2500000.");
    // Setting what is already there logs nothing.
    const size_t logged = league().tables.transactions.size();
    EXPECT_TRUE(EditPlayer(league(), centre, {{"Age", std::to_string(league().player(centre).Age)}}, host));
    EXPECT_EQ(league().tables.transactions.size(), logged);
}

TEST_F(LeagueEditor, ARenamedTeamTakesItsPlayersAndGamesAlong) {
    league().schedule[12].NumGames = 1;
    league().schedule[12].Games[1].HomeTeam = "Hawks";
    league().schedule[12].Games[1].AwayTeam = "Owls";
    league().team(1).Pace = 50; // as the computer left it
    ScriptedHost host;
    ASSERT_TRUE(EditTeam(league(), 1, {{"Name", "Falcons"}, {"Pace", "75"}, {"owner", "human"}}, host))
        << host.LastMessage();
    EXPECT_EQ(league().player(centre).Team, "Falcons");
    EXPECT_EQ(league().schedule[12].Games[1].HomeTeam, "Falcons");
    EXPECT_EQ(league().FindTeam("Falcons"), 1);
    EXPECT_EQ(league().team(1).Owner, "Human");
    EXPECT_EQ(
        league().tables.transactions.back().Action,
        "Commissioner edited the Hawks: Name Hawks to Falcons, Owner Computer to Human, Pace 50 to 75.");

    const std::string before = Bytes();
    for (const FieldEdits& bad : std::vector<FieldEdits>{{{"Name", "owls"}},
                                                         {{"Name", "FA"}},
                                                         {{"Press", "30"}},
                                                         {{"Offense", "25"}},
                                                         {{"DraftFocus", "4"}},
                                                         {{"Owner", "Robot"}},
                                                         {{"Owner", "Computer"}, {"CoachTeam", "yes"}}}) {
        EXPECT_FALSE(EditTeam(league(), 1, bad, host)) << bad.front().field << "=" << bad.front().value;
        EXPECT_TRUE(Bytes() == before) << bad.front().field;
    }
    EXPECT_NE(host.LastMessage().find("Only a human team's games can be coached"), std::string::npos);
}

TEST(FieldEditText, SplitsAtTheFirstEquals) {
    auto edit = ParseFieldEdit("College=Texas A=M");
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->field, "College");
    EXPECT_EQ(edit->value, "Texas A=M");
    EXPECT_FALSE(ParseFieldEdit("Age"));
    EXPECT_FALSE(ParseFieldEdit("=5"));
}

} // namespace
} // namespace hv
