// hoopvale-cli bench with either engine, and its calibration table.
#include <gtest/gtest.h>

#include <regex>

#include "support/cli_test.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

class CliBenchEngine : public test::CliTest {
  protected:
    void SetUp() override { home.CopyInstalledData(); }
    // The value after "LABEL" on its line of the output.
    static double Figure(const std::string& out, const std::string& label) {
        std::smatch m;
        const std::regex line(label + " +([0-9.]+)");
        return std::regex_search(out, m, line) ? std::stod(m[1].str()) : -1;
    }
};

TEST_F(CliBenchEngine, TheCalibratedEngineIsChosenByName) {
    const test::CliResult specified = Run({"bench", "--games", "12", "--seed", "5"});
    const test::CliResult named = Run({"bench", "--games", "12", "--seed", "5", "--engine", "specified"});
    const test::CliResult calibrated =
        Run({"bench", "--games", "12", "--seed", "5", "--engine", "Calibrated"});
    ASSERT_EQ(specified.status, kExitOk) << specified.err;
    ASSERT_EQ(calibrated.status, kExitOk) << calibrated.err;
    auto fromAverages = [](const std::string& out) { return out.substr(out.find("Averages")); };
    EXPECT_EQ(fromAverages(named.out), fromAverages(specified.out));
    EXPECT_LT(Figure(calibrated.out, "Possessions"), 0.85 * Figure(specified.out, "Possessions"));
    EXPECT_EQ(Run({"bench", "--games", "3", "--engine", "fast"}).status, kExitUsage);
}

TEST_F(CliBenchEngine, TheCalibrationTableShowsEveryFigureBesideItsTarget) {
    const test::CliResult r =
        Run({"bench", "--calibrate", "--seasons", "1", "--engine", "calibrated", "--seed", "3"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_NE(r.out.find("Engine: calibrated, 1 season, seed 3"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1189 regular-season games"), std::string::npos) << r.out;
    for (const char* figure : {"Points",
                               "Possessions",
                               "FG%",
                               "3P%",
                               "3PA",
                               "FT%",
                               "FTA",
                               "Rebounds",
                               "Assists",
                               "Steals",
                               "Blocks",
                               "Turnovers",
                               "Fouls",
                               "Home wins",
                               "Overtime games",
                               "Starters' minutes",
                               "Scoring leader PPG",
                               "Tenth scorer PPG",
                               "Rebound leader RPG",
                               "Assist leader APG"})
        EXPECT_TRUE(std::regex_search(
            r.out, std::regex("\n" + std::regex_replace(std::string(figure), std::regex("[%'.]"), ".") +
                              " +[0-9.]+ +[0-9.]+ +[-+][0-9.]+ ")))
            << figure << "\n"
            << r.out;
    // The points line: the real league's 95.3 beside the measured figure.
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\nPoints +[0-9.]+ +95.3 ")));
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench"));
    EXPECT_FALSE(fs::exists(home / "save" / "bench.sav"));
}

TEST_F(CliBenchEngine, TriedValuesMustNameAParameter) {
    const test::CliResult r = Run({"bench", "--games", "2", "--engine", "calibrated", "--try", "Speed=2"});
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_NE(r.err.find("\"Speed=2\" is not NAME=VALUE"), std::string::npos) << r.err;
    EXPECT_EQ(Run({"bench", "--games", "2", "--try", "ActionTimeScale=x"}).status, kExitRefused);
    EXPECT_EQ(Run({"bench", "--calibrate"}).status, kExitUsage) << "--calibrate needs --seasons";
    // A tried value changes the calibrated games.
    const test::CliResult slower = Run(
        {"bench", "--games", "12", "--seed", "5", "--engine", "calibrated", "--try", "ActionTimeScale=2"});
    const test::CliResult calibrated =
        Run({"bench", "--games", "12", "--seed", "5", "--engine", "calibrated"});
    ASSERT_EQ(slower.status, kExitOk) << slower.err;
    EXPECT_LT(Figure(slower.out, "Possessions"), Figure(calibrated.out, "Possessions"));
}

} // namespace
} // namespace hv
