// League options: the salary cap field, the password and its stored form, the login and the commissioner
// rules.
#include <gtest/gtest.h>

#include "league/binary_io.h"
#include "league/league_options.h"
#include "platform/scripted_host.h"

namespace hv {
namespace {

TEST(SalaryCapField, ShownWithDollarSignAndThousandsSeparators) {
    EXPECT_EQ(SalaryCapText(42500000), "$42,500,000");
    EXPECT_EQ(SalaryCapText(0), "$0");
    EXPECT_EQ(SalaryCapText(999), "$999");
    EXPECT_EQ(SalaryCapText(1000), "$1,000");
    EXPECT_EQ(SalaryCapText(123456), "$123,456");
    EXPECT_EQ(SalaryCapText(2147483647), "$2,147,483,647");
    EXPECT_EQ(SalaryCapText(-1500), "-$1,500");
}

TEST(SalaryCapField, TypedTextLosesDollarsAndCommasAndKeepsItsLeadingNumber) {
    EXPECT_EQ(SalaryCapTextValue("$42,500,000"), 42500000);
    EXPECT_EQ(SalaryCapTextValue("45000000"), 45000000);
    EXPECT_EQ(SalaryCapTextValue("$1,2,3"), 123);
    EXPECT_EQ(SalaryCapTextValue("  $ 50 000 000"), 50000000);
    EXPECT_EQ(SalaryCapTextValue("30000000 dollars"), 30000000);
    EXPECT_EQ(SalaryCapTextValue("3e7"), 30000000);
    EXPECT_EQ(SalaryCapTextValue("12.5abc"), 12.5);
    EXPECT_EQ(SalaryCapTextValue("-7"), -7);
    EXPECT_EQ(SalaryCapTextValue("abc"), 0);
    EXPECT_EQ(SalaryCapTextValue(""), 0);
    EXPECT_EQ(SalaryCapTextValue("$"), 0);
    EXPECT_EQ(SalaryCapTextValue("1e"), 1);
}

TEST(SalaryCapField, StoresWholeDollarsAndShowsThemAgain) {
    SeasonState state;
    ScriptedHost host;
    ASSERT_TRUE(SetSalaryCapFromText(state, "$48,000,000", host));
    EXPECT_EQ(state.SalaryCapDollars(), 48000000);
    EXPECT_EQ(state.SalaryCap, 480000000000LL);
    EXPECT_EQ(SalaryCapText(state.SalaryCapDollars()), "$48,000,000");
    ASSERT_TRUE(SetSalaryCapFromText(state, "no digits", host));
    EXPECT_EQ(state.SalaryCapDollars(), 0);
    ASSERT_TRUE(SetSalaryCapFromText(state, "1000.5", host)); // halves go to the even dollar
    EXPECT_EQ(state.SalaryCapDollars(), 1000);
    EXPECT_TRUE(host.messages.empty());
}

TEST(SalaryCapField, CapsTheSavedGameCannotHoldAreRefused) {
    SeasonState state;
    state.SetSalaryCapDollars(42500000);
    ScriptedHost host;
    for (const char* text : {"-5", "$2,147,483,648", "1e12"}) {
        host.messages.clear();
        EXPECT_FALSE(SetSalaryCapFromText(state, text, host)) << text;
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "The salary cap must be between $0 and $2,147,483,647.");
        EXPECT_EQ(state.SalaryCapDollars(), 42500000);
    }
    EXPECT_TRUE(SetSalaryCapFromText(state, "$2,147,483,647", host));
}

TEST(PasswordScrambling, ReversibleAndHidesThePassword) {
    for (const std::string& plain :
         std::vector<std::string>{"N/A", "secret", "Géheim 42!", "~~~~", " ", "a\tb", "日本語パス"}) {
        std::string stored = ScramblePassword(plain);
        EXPECT_EQ(stored.size(), plain.size());
        EXPECT_EQ(UnscramblePassword(stored), plain);
        EXPECT_TRUE(IsValidUtf8(stored)) << plain;
    }
    EXPECT_NE(ScramblePassword("secret"), "secret");
    EXPECT_NE(ScramblePassword("N/A"), "N/A");
    // The shift depends on the position: equal letters are stored differently.
    std::string stored = ScramblePassword("aaaa");
    EXPECT_NE(stored[0], stored[1]);
    // Printable characters stay printable.
    for (unsigned char c : ScramblePassword("The quick brown fox ~ 0123456789 {}|"))
        EXPECT_TRUE(c >= 32 && c <= 126);
}

TEST(LeaguePassword, NewPasswordOrNoPasswordGrantsRights) {
    SeasonState state;
    state.CommissionerRights = false;
    ScriptedHost host;
    EXPECT_TRUE(SetLeaguePassword(state, std::string("hoops"), host));
    EXPECT_EQ(state.Password, "hoops");
    EXPECT_TRUE(state.CommissionerRights);
    EXPECT_TRUE(HasPassword(state));
    state.CommissionerRights = false;
    EXPECT_TRUE(SetLeaguePassword(state, std::nullopt, host));
    EXPECT_EQ(state.Password, "N/A");
    EXPECT_TRUE(state.CommissionerRights);
    EXPECT_FALSE(HasPassword(state));
    EXPECT_TRUE(host.messages.empty());
}

TEST(LeaguePassword, EmptyOrNAOrUnprintableIsRefusedAndTheOldOneStays) {
    SeasonState state;
    state.Password = "old";
    state.CommissionerRights = true;
    ScriptedHost host;
    for (const std::string& bad : {std::string(), std::string("N/A"), std::string("tab\there"),
                                   std::string(256, 'x'), std::string("\xFF\xFE")}) {
        host.messages.clear();
        EXPECT_FALSE(SetLeaguePassword(state, bad, host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Invalid Password");
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(state.Password, "old");
    }
    EXPECT_TRUE(SetLeaguePassword(state, std::string("n/a"), host)); // only the exact "N/A" is reserved
}

TEST(CommishLogin, ExactPasswordGrantsRightsAnythingElseRevokesThem) {
    SeasonState state;
    state.Password = "Hoops";
    state.CommissionerRights = false;
    ScriptedHost host;
    EXPECT_FALSE(CommishLogin(state, "hoops", host)); // letter case matters
    EXPECT_EQ(host.LastMessage(), "Login Failed");
    EXPECT_FALSE(state.CommissionerRights);
    EXPECT_TRUE(CommishLogin(state, "Hoops", host));
    EXPECT_EQ(host.LastMessage(), "Login Complete");
    EXPECT_TRUE(state.CommissionerRights);
    EXPECT_FALSE(CommishLogin(state, "Hoops ", host));
    EXPECT_FALSE(state.CommissionerRights);
}

TEST(CommissionerGating, ToolsMenuFollowsPasswordAndRights) {
    SeasonState none; // no password
    none.CommissionerRights = true;
    EXPECT_TRUE(CanEditOptions(none));
    EXPECT_TRUE(CanSetPassword(none));
    EXPECT_TRUE(CanExportDatabase(none));
    EXPECT_FALSE(CanCommishLogin(none));

    SeasonState locked;
    locked.Password = "pw";
    locked.CommissionerRights = false;
    EXPECT_FALSE(CanEditOptions(locked));
    EXPECT_FALSE(CanSetPassword(locked));
    EXPECT_FALSE(CanExportDatabase(locked));
    EXPECT_TRUE(CanCommishLogin(locked));

    locked.CommissionerRights = true;
    EXPECT_TRUE(CanEditOptions(locked));
    EXPECT_FALSE(CanCommishLogin(locked));
}

TEST(CommissionerGating, EditSimulateAndEndSeasonRefuseWithTheirMessages) {
    SeasonState state;
    state.Password = "pw";
    state.CommissionerRights = false;
    ScriptedHost host;
    EXPECT_FALSE(CheckMayEditLeague(state, host));
    EXPECT_EQ(host.messages.back().text, "You must log in as the league commissioner to edit the league.");
    EXPECT_EQ(host.messages.back().title, "Edit League");

    // Without the locks anyone may simulate and end the season.
    EXPECT_TRUE(CheckMaySimulate(state, host));
    EXPECT_TRUE(CheckMayEndSeason(state, host));
    EXPECT_EQ(host.messages.size(), 1u);

    state.LockSimulation = true;
    state.LockEndSeason = true;
    EXPECT_FALSE(CheckMaySimulate(state, host));
    EXPECT_EQ(host.LastMessage(), "Games in this league may only be simmed by the commish.");
    EXPECT_FALSE(CheckMayEndSeason(state, host));
    EXPECT_EQ(host.LastMessage(), "Only the commish may end the season in this league.");

    state.CommissionerRights = true;
    EXPECT_TRUE(CheckMaySimulate(state, host));
    EXPECT_TRUE(CheckMayEndSeason(state, host));
    EXPECT_TRUE(CheckMayEditLeague(state, host));
    EXPECT_EQ(host.messages.size(), 3u);
}

} // namespace
} // namespace hv
