// hoopvale-cli site: the options stored with the league, the steps and counts printed, and refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "reports/league_site.h"
#include "support/cli_test.h"

namespace hv {
namespace {

class CliSite : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        ASSERT_EQ(Run({"new", "Web"}).status, 0);
    }
    std::filesystem::path Html() const { return home / "leaguedata/Web/html"; }
};

TEST_F(CliSite, WritesTheSiteWithItsStepsAndStoresTheOptions) {
    test::CliResult r = Run({"site", "Web", "--player-pages", "off", "--sortable-fa", "off", "--color",
                             "header=#102030", "--color", "TEXT=#0a0b0c"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const std::string& step : SiteStepMessages())
        EXPECT_NE(r.out.find(step + "\n"), std::string::npos) << step;
    EXPECT_NE(r.out.find("Files: "), std::string::npos);
    EXPECT_NE(r.out.find(", bytes: "), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(Html() / "index.html"));
    EXPECT_TRUE(std::filesystem::is_empty(Html() / "players"));
    EXPECT_FALSE(std::filesystem::exists(Html() / "fa/fa-age.htm"));
    auto league = Load("Web");
    EXPECT_FALSE(league->state.SitePages[0]);
    EXPECT_TRUE(league->state.SitePages[1]);
    EXPECT_FALSE(league->state.SitePages[3]);
    EXPECT_EQ(league->state.SiteStyle[1], "#102030");
    EXPECT_EQ(league->state.SiteStyle[6], "#0a0b0c");

    // --clear removes the pages first.
    std::ofstream(Html() / "players/player600.htm") << "old";
    r = Run({"site", "Web", "--clear"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Cleared "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Html() / "players/player600.htm"));
}

TEST_F(CliSite, ABadColourIsRefusedAndChangesNothing) {
    const std::string before = Bytes("Web");
    for (const char* colour :
         {"header=red", "header=#12345", "header=#12345G", "border=#123456", "#123456"}) {
        test::CliResult r = Run({"site", "Web", "--player-pages", "off", "--color", colour});
        EXPECT_EQ(r.status, 1) << colour;
        EXPECT_NE(r.err.find("Site Options: "), std::string::npos) << colour << r.err;
        EXPECT_TRUE(Bytes("Web") == before) << colour;
    }
    EXPECT_FALSE(std::filesystem::exists(Html() / "index.html"));
    EXPECT_EQ(Run({"site", "Web", "--player-pages", "maybe"}).status, 2);
}

} // namespace
} // namespace hv
