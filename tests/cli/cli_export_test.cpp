// hoopvale-cli export: CSV files and the league database, with the files written printed.
#include <gtest/gtest.h>

#include "support/cli_test.h"
#include "support/sample_league.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

class CliExport : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        League league;
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 1});
        league.state.Password = "Sesame";
        Save(league, "Sample");
    }
};

TEST_F(CliExport, WritesTheFilesAndPrintsThem) {
    const fs::path output = home.path() / "output";
    test::CliResult r = Run({"export", "Sample", "--csv", "stats", "--scope", "hawks"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (output / "SampleHawksStats.csv").string() + "\n");
    EXPECT_TRUE(r.Says("CSV Output: Output Complete. File created in folder " + output.string() + "."));
    r = Run({"export", "Sample", "--csv", "attributes", "--scope", "teams"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), kLeagueTeams);

    options = {"--commish", "Sesame"};
    r = Run({"export", "Sample", "--db"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (output / "Sample.sqlite").string() + "\n");
    EXPECT_TRUE(r.Says("Processing All-Stars...\nProcessing Draft Picks..."));
    EXPECT_TRUE(r.Says("File Created: File created: " + (output / "Sample.sqlite").string()));
    r = Run({"export", "Sample", "--csv", "import"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (output / "SampleLeagueImport2004.csv").string() + "\n");
}

TEST_F(CliExport, RefusalsWriteNothingAndExitOne) {
    ExpectRefusals("Sample", {{{"export", "Sample", "--csv", "import"}, 1, "league import format"},
                              {{"export", "Sample", "--csv", "draft"}, 1, "draft export format"},
                              {{"export", "Sample", "--db"}, 1, "Only the league commissioner"},
                              {{"export", "Sample", "--csv", "stats", "--scope", "Nobody"}, 1, "Nobody"},
                              {{"export", "Sample", "--csv", "grades"}, 2, "unknown kind"},
                              {{"export", "Sample"}, 2, "either --csv"}});
    std::error_code ec;
    EXPECT_TRUE(!fs::exists(home.path() / "output", ec) || fs::is_empty(home.path() / "output"));
}

} // namespace
} // namespace hv
