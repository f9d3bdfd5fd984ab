// The league-import and draft files that the CSV export writes are read back by the player import without
// loss: a new league made from an exported file exports the same file again.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "reports/csv_export.h"
#include "setup/player_import.h"
#include "support/draft_support.h"
#include "support/file_bytes.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

class CsvRoundTrip : public test::StartedHome {
  protected:
    bool CreateFrom(PlayerSource source, const std::string& file = {}) {
        NewLeagueTeams teams;
        if (!ReadNewLeagueTeams(session, host, teams)) return false;
        NewLeagueChoices c;
        c.name = "Trip";
        c.firstSeason = 2003;
        c.source = source;
        c.importFile = file;
        c.randomization = PotentialRandomization::None;
        return CreateNewLeague(session, host, c, teams);
    }
    fs::path ExportOne(CsvKind kind) {
        auto files = ExportCsv(league(), host, kind, "All");
        return files.size() == 1 ? files[0] : fs::path();
    }
};

TEST_F(CsvRoundTrip, LeagueImportFileMakesTheSameLeagueFile) {
    ASSERT_TRUE(CreateFrom(PlayerSource::DefaultLeague)) << host.LastMessage();
    const fs::path first = ExportOne(CsvKind::LeagueImport);
    ASSERT_FALSE(first.empty()) << host.LastMessage();
    const std::string text = test::FileBytes(first);
    fs::create_directories(home.path() / "import");
    fs::copy_file(first, home.path() / "import" / first.filename());

    ASSERT_TRUE(CreateFrom(PlayerSource::ImportFile, first.filename().string())) << host.LastMessage();
    const fs::path second = ExportOne(CsvKind::LeagueImport);
    ASSERT_EQ(second, first);
    EXPECT_EQ(test::FileBytes(second), text);
    EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 400);
}

TEST_F(CsvRoundTrip, DraftFileImportsTheSameProspects) {
    ASSERT_TRUE(CreateFrom(PlayerSource::DefaultLeague)) << host.LastMessage();
    const fs::path file = ExportOne(CsvKind::DraftFile);
    ASSERT_FALSE(file.empty());
    const std::string text = test::FileBytes(file);
    ASSERT_GT(ImportRookies(league(), host, file), 0) << host.LastMessage();
    // The prospects come back in other slots: compare the lines as sets.
    auto lines = [](const std::string& s) {
        std::vector<std::string> out;
        std::istringstream in(s);
        for (std::string line; std::getline(in, line);)
            out.push_back(line);
        std::sort(out.begin(), out.end());
        return out;
    };
    EXPECT_EQ(lines(test::FileBytes(ExportOne(CsvKind::DraftFile))), lines(text));
}

} // namespace
} // namespace hv
