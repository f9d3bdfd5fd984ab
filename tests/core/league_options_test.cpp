// League options: the salary cap field, the password and its stored form, the login and the commissioner
// rules.
#include <gtest/gtest.h>

#include "league/league_options.h"
#include "platform/scripted_host.h"

namespace hv {
namespace {

TEST(SalaryCapField, ShownWithDollarSignAndThousandsSeparators) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "$0"}, {999, "$999"}, {1000, "$1,000"}, {2147483647, "$2,147,483,647"}, {-1500, "-$1,500"}};
    for (auto [dollars, text] : cases)
        EXPECT_EQ(SalaryCapText(dollars), text);
}

// Every "$" and "," dropped, blanks ignored, then the leading number of the rest, rounded half to even; a
// value the saved game cannot hold is refused and changes nothing.
TEST(SalaryCapField, TypedTextKeepsItsLeadingNumberAndWhatTheSavedGameCannotHoldIsRefused) {
    SeasonState state;
    ScriptedHost host;
    const std::pair<const char*, int64_t> cases[] = {{"$1,2,3", 123},
                                                     {"  $ 50 000 000", 50000000},
                                                     {"3e7", 30000000},
                                                     {"12.5abc", 12},
                                                     {"abc", 0},
                                                     {"1001.5", 1002},
                                                     {"$2,147,483,647", 2147483647},
                                                     {"-5", -1},
                                                     {"$2,147,483,648", -1}};
    for (auto [text, dollars] : cases) {
        host.messages.clear();
        state.SetSalaryCapDollars(77);
        EXPECT_EQ(SetSalaryCapFromText(state, text, host), dollars >= 0) << text;
        EXPECT_EQ(state.SalaryCapDollars(), dollars >= 0 ? dollars : 77) << text;
        EXPECT_EQ(host.messages.size(), dollars >= 0 ? 0u : 1u) << text;
    }
    EXPECT_EQ(host.LastMessage(), "The salary cap must be between $0 and $2,147,483,647.");
    EXPECT_EQ(SalaryCapTextValue("12.5abc"), 12.5);
    ASSERT_TRUE(SetSalaryCapFromText(state, "$2,147,483,647", host));
    EXPECT_EQ(state.SalaryCap, 21474836470000LL) << "stored in ten-thousandths of a dollar";
}

// Printable ASCII at position i turns forward by (7 + 3i) mod 95 within 32 to 126; other bytes stay.
TEST(PasswordScrambling, WorkedCasesAndTheWayBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"aaaa", "hknq"}, {"N/A", "U9N"}, {"~", "&"}, {"Géheim", "N\xC3\xA9xx '"}, {"a\tb", "h\to"}};
    for (auto [plain, stored] : cases) {
        EXPECT_EQ(ScramblePassword(plain), stored) << plain;
        EXPECT_EQ(UnscramblePassword(stored), plain);
    }
    EXPECT_EQ(UnscramblePassword(ScramblePassword("日本語パス 42")), "日本語パス 42");
}

TEST(LeaguePassword, ANewPasswordOrNoneGrantsRightsAndBadOnesAreRefused) {
    SeasonState state;
    ScriptedHost host;
    state.CommissionerRights = false;
    EXPECT_TRUE(SetLeaguePassword(state, std::string("hoops"), host));
    EXPECT_EQ(std::make_tuple(state.Password, state.CommissionerRights, HasPassword(state)),
              std::make_tuple("hoops", true, true));
    state.CommissionerRights = false;
    EXPECT_TRUE(SetLeaguePassword(state, std::nullopt, host));
    EXPECT_EQ(std::make_tuple(state.Password, state.CommissionerRights, HasPassword(state)),
              std::make_tuple("N/A", true, false));
    EXPECT_TRUE(host.messages.empty());
    state.Password = "old";
    for (const std::string& bad : {std::string(), std::string("N/A"), std::string("tab\there")}) {
        host.messages.clear();
        EXPECT_FALSE(SetLeaguePassword(state, bad, host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(std::make_tuple(host.messages[0].text, host.messages[0].icon),
                  std::make_tuple("Invalid Password", MessageIcon::Critical));
        EXPECT_EQ(state.Password, "old");
    }
    EXPECT_TRUE(SetLeaguePassword(state, std::string("n/a"), host)) << "only the exact \"N/A\" is reserved";
}

TEST(CommishLogin, TheExactPasswordGrantsRightsAnythingElseRevokesThem) {
    SeasonState state;
    state.Password = "Hoops";
    ScriptedHost host;
    const std::pair<const char*, bool> attempts[] = {{"hoops", false}, {"Hoops", true}, {"Hoops ", false}};
    for (auto [typed, granted] : attempts) {
        EXPECT_EQ(CommishLogin(state, typed, host), granted) << typed;
        EXPECT_EQ(state.CommissionerRights, granted);
        EXPECT_EQ(host.LastMessage(), granted ? "Login Complete" : "Login Failed");
    }
}

} // namespace
} // namespace hv
