// League options: the salary cap field, the password, the login and the commissioner rules.
#include <gtest/gtest.h>

#include "league/league_options.h"
#include "platform/scripted_host.h"

namespace hv {
namespace {

TEST(SalaryCapField,
     ShownWithSeparatorsTypedTextKeepsItsLeadingNumberAndMisplacedCommasOrTooLargeAreRefused) {
    const std::pair<int64_t, const char*> shown[] = {
        {999, "$999"}, {1000, "$1,000"}, {2147483647, "$2,147,483,647"}, {-1500, "-$1,500"}};
    for (auto [dollars, text] : shown)
        EXPECT_EQ(SalaryCapText(dollars), text);
    SeasonState state;
    ScriptedHost host;
    const std::pair<const char*, int64_t> cases[] = {{"$1,2,3", -1},
                                                     {"42,50,000", -1},
                                                     {"1,", -1},
                                                     {",500", -1},
                                                     {"  $ 50 000 000", 50000000},
                                                     {"3e7", 30000000},
                                                     {"12.5abc", 12},
                                                     {"1001.5", 1002},
                                                     {"$12,345.6", 12346},
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
    ScriptedHost separators;
    EXPECT_FALSE(SetSalaryCapFromText(state, "$1,2,3", separators));
    EXPECT_EQ(separators.LastMessage(), "The salary cap \"$1,2,3\" is not a sum of dollars: commas may only "
                                        "separate thousands, as in $42,500,000.");
    EXPECT_EQ(SalaryCapTextValue("12.5abc"), 12.5);
    ASSERT_TRUE(SetSalaryCapFromText(state, "$2,147,483,647", host));
    EXPECT_EQ(state.SalaryCap, 21474836470000LL) << "stored in ten-thousandths of a dollar";
}

TEST(LeaguePassword, ANewPasswordOrNoneGrantsRightsAndBadOnesAreRefused) {
    SeasonState state;
    ScriptedHost host;
    for (const auto& [typed, stored] :
         {std::pair{std::optional<std::string>("hoops"), "hoops"}, {{}, "N/A"}}) {
        state.CommissionerRights = false;
        EXPECT_TRUE(SetLeaguePassword(state, typed, host));
        EXPECT_EQ(std::make_tuple(state.Password, state.CommissionerRights, HasPassword(state)),
                  std::make_tuple(stored, true, typed.has_value()));
    }
    EXPECT_TRUE(host.messages.empty());
    state.Password = "old";
    for (const std::string& bad : {std::string(), std::string("N/A"), std::string("tab\there")}) {
        host.messages.clear();
        EXPECT_FALSE(SetLeaguePassword(state, bad, host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(std::make_tuple(host.messages[0].text, host.messages[0].icon, state.Password),
                  std::make_tuple("Invalid Password", MessageIcon::Critical, "old"));
    }
    EXPECT_TRUE(SetLeaguePassword(state, std::string("n/a"), host)) << "only the exact \"N/A\" is reserved";
}

TEST(CommishLogin, TheExactPasswordGrantsRightsAnythingElseRevokesThem) {
    SeasonState state;
    state.Password = "Hoops";
    ScriptedHost host;
    const std::pair<const char*, bool> attempts[] = {{"hoops", false}, {"Hoops", true}, {"Hoops ", false}};
    for (auto [typed, granted] : attempts) {
        const bool loggedIn = CommishLogin(state, typed, host);
        EXPECT_EQ(std::make_tuple(loggedIn, state.CommissionerRights, host.LastMessage()),
                  std::make_tuple(granted, granted, granted ? "Login Complete" : "Login Failed"))
            << typed;
    }
}

} // namespace
} // namespace hv
