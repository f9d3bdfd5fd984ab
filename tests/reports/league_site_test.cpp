// The league's web site: its pages and titles, its links, its options and colours, escaping, and a run that
// fails or is stopped.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "league/team_control.h"
#include "reports/league_site.h"
#include "reports/site_page.h"
#include "season/day_loop.h"
#include "season/season_hooks.h"
#include "season/sim_seasons.h"
#include "support/season_run_support.h"
#include "support/site_links.h"

namespace hv {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::PageTitle;

// Shared suite: PlayedSeason
// One league for the whole suite: the default league after one whole season played with the site kept during
// simulation, so that the day pages and box pages of the season were written on the way.
class PlayedSeason : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InstallSiteHooks();
        season_ = new test::SeasonLeague;
        ASSERT_TRUE(season_->Load(29, "Site League"));
        season_->league().state.SiteDuringSim = true;
        ASSERT_EQ(SimSeasons(season_->league(), season_->host, 1), SeasonsOutcome::Done);
    }
    static void TearDownTestSuite() {
        delete season_;
        season_ = nullptr;
        SetDailyPageWriter({});
    }
    // Each check starts from the league as played, with a quiet host.
    void SetUp() override {
        saved_ = league().state;
        host().messages.clear();
        host().ClearStop();
        host().stopAfterPumps = -1;
    }
    void TearDown() override { league().state = saved_; }

    static League& league() { return season_->league(); }
    static test::RunHost& host() { return season_->host; }
    static fs::path Html() { return SiteFolderOf(league()); }
    static std::string Page(const std::string& path) { return FileBytes(Html() / path); }

    SiteRunResult WriteFresh() {
        ClearLeagueSite(league());
        return WriteLeagueSite(league(), host());
    }

    static test::SeasonLeague* season_;
    SeasonState saved_;
};

test::SeasonLeague* PlayedSeason::season_ = nullptr;

TEST_F(PlayedSeason, EveryPageOfTheTableWithItsTitle) {
    std::vector<std::string> steps;
    SiteRunResult result =
        WriteLeagueSite(league(), host(), [&](const std::string& s) { steps.push_back(s); });
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(steps, SiteStepMessages());
    ASSERT_EQ(steps.size(), 27u);
    EXPECT_EQ(steps.front(), "Outputting All-Star Weekend Winners");
    EXPECT_EQ(steps[11], "Outputting Players");
    EXPECT_EQ(steps.back(), "Outputting Main Page");

    const std::pair<const char*, const char*> pages[] = {
        {"index.html", "Main Index"},
        {"index1.htm", "Default Page"},
        {"rosters/index.htm", "Team Rosters"},
        {"tmstats/offense/team.htm", "Team Statistics"},
        {"tmstats/shdefense/othreeppercent.htm", "Team Statistics"},
        {"tmstats/defense/otopg.htm", "Team Statistics"},
        {"salaryneeds.htm", "Available Cap Room"},
        {"ir.htm", "Injured Reserve"},
        {"injuries.htm", "Injured Players"},
        {"divstand.htm", "Standings"},
        {"playstand.htm", "Playoff Standings"},
        {"leagueschedule.htm", "League Schedule"},
        {"rosters/roster5sched.htm", "Schedule"},
        {"leagueleaders.htm", "League Leaders"},
        {"wkly-mnthly.htm", "Weekly/Monthly Awards"},
        {"transactions.htm", "Transactions"},
        {"fa/fa-pos.htm", "Free Agents"},
        {"fa/fa-last.htm", "Free Agents"},
        {"potentialfas.htm", "Potential Free Agents"},
        {"historicalperformance.htm", "Historical Team Performance"},
        {"teamssnrecords.htm", "Team Season Records"},
        {"allstarweekend.htm", "All-Star Weekend Winners"},
        {"playergmrecords.htm", "Player Game Records"},
        {"playerssnrecords.htm", "Player Season Records"},
        {"playercareerrecords.htm", "Player Career Records"},
        {"pastchamps.htm", "Past Champions"},
        {"hof/all.htm", "Hall Of Fame"},
        {"past1picks.htm", "Past #1 Overall Picks"},
        {"playoffs.htm", "Playoffs"},
        {"playoffleaders.htm", "Playoff Leaders"},
        {"regssnawards.htm", "Regular Season Awards"},
        {"boxes/3presults.htm", "3P Shootout Results"},
        {"boxes/dunkresults.htm", "Dunk Contest Results"}};
    for (auto [path, title] : pages) {
        ASSERT_TRUE(fs::is_regular_file(Html() / path)) << path;
        EXPECT_EQ(PageTitle(Page(path)), title) << path;
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        for (const char* tail : {".htm", "hist.htm", "sched.htm"})
            EXPECT_TRUE(fs::is_regular_file(Html() / ("rosters/roster" + std::to_string(t) + tail)))
                << t << tail;
    // A page per player and a statistics page, titled "Player Statistics".
    int players = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const std::string& name = league().player(id).Name;
        if (name.empty() || name == "N/A") continue;
        ++players;
        std::string base = "players/player" + std::to_string(id);
        ASSERT_TRUE(fs::is_regular_file(Html() / (base + ".htm"))) << id;
        EXPECT_EQ(PageTitle(Page(base + "stats.htm")), "Player Statistics") << id;
    }
    EXPECT_GT(players, 29 * 12);
    // The team page's anchors, and the footer's date as "mmmm dd, yyyy".
    std::string team = Page("rosters/roster3.htm");
    for (const char* anchor : {"ystats", "plyabil", "plystats", "playsal", "draft", "injuries"})
        EXPECT_NE(team.find(std::string("name=\"") + anchor + "\""), std::string::npos) << anchor;
    EXPECT_NE(team.find("<hr width=1000 align=left>"), std::string::npos);
    // In the off-season the team's player statistics are those of the season just played.
    EXPECT_EQ(team.find("No games played yet."), std::string::npos);
    EXPECT_TRUE(
        std::regex_search(team, std::regex("<font size=2> Page created: (January|February|March|April|May|"
                                           "June|July|August|September|October|November|December) "
                                           "[0-3][0-9], [0-9]{4}</font>")));
    // Day 0: the draft's pages are not written, and the menu has no entry for them.
    EXPECT_FALSE(fs::exists(Html() / "draft/draftplayers-pos.htm"));
    EXPECT_FALSE(fs::exists(Html() / "draftorder.htm"));
    EXPECT_EQ(Page("index2.htm").find("draftorder.htm"), std::string::npos);
    EXPECT_GT(result.files, 1000);
}

TEST_F(PlayedSeason, TheMenuBarHasItsFourListsInOrder) {
    ASSERT_TRUE(WriteLeagueSite(league(), host()).written);
    std::string menu = Page("index2.htm");
    size_t at = 0;
    for (const char* entry : {"Roster",
                              "Team Rosters",
                              "Team Statistics",
                              "Salary Info",
                              "Injured Reserve",
                              "Season",
                              "Standings",
                              "Schedule",
                              "League Leaders",
                              "Transactions",
                              "Free Agents",
                              "History",
                              "Historical Team Performance",
                              "Team Records",
                              "Hall Of Fame",
                              "Past #1 Overall Picks",
                              "Post Season",
                              "Playoff Brackets",
                              "Playoff League Leaders",
                              "Regular Season Awards"}) {
        size_t next = menu.find(std::string(">") + entry + "</option>", at);
        ASSERT_NE(next, std::string::npos) << entry;
        at = next;
    }
    EXPECT_NE(menu.find("parent.main.location.href"), std::string::npos);
    std::string frames = Page("index.html");
    EXPECT_NE(frames.find("<frameset rows=\"48,*\""), std::string::npos);
    EXPECT_NE(frames.find("name=\"main\""), std::string::npos);
    EXPECT_NE(frames.find("This page uses frames, but your browser doesn't support them."),
              std::string::npos);
}

TEST_F(PlayedSeason, EveryLinkOfEveryPageLeadsToAFileOfTheSite) {
    ASSERT_TRUE(WriteFresh().written);
    int checked = 0;
    std::vector<std::string> broken = test::BrokenSiteLinks(Html(), &checked);
    EXPECT_TRUE(broken.empty()) << broken.size() << " broken, first: " << broken.front();
    EXPECT_GT(checked, 10000);
}

TEST_F(PlayedSeason, WithoutPlayerPagesNamesArePlainText) {
    league().state.SitePages[kPlayerPages] = false;
    ASSERT_TRUE(WriteFresh().written);
    EXPECT_TRUE(fs::is_empty(Html() / "players"));
    for (const std::string& page : test::SitePages(Html()))
        ASSERT_EQ(Page(page).find("players/player"), std::string::npos) << page;
    EXPECT_TRUE(test::BrokenSiteLinks(Html()).empty());
}

TEST_F(PlayedSeason, SortableListsWriteOnePagePerKeyOnlyWhenOn) {
    league().state.SitePages[kSortableFreeAgents] = false;
    league().state.SitePages[kSortableTeamStats] = false;
    ASSERT_TRUE(WriteFresh().written);
    EXPECT_TRUE(fs::exists(Html() / "fa/fa-pos.htm"));
    EXPECT_FALSE(fs::exists(Html() / "fa/fa-age.htm"));
    EXPECT_FALSE(fs::exists(Html() / "tmstats/offense/ppg.htm"));
    league().state.SitePages[kSortableFreeAgents] = true;
    league().state.SitePages[kSortableTeamStats] = true;
    ASSERT_TRUE(WriteFresh().written);
    for (const char* key : {"name", "pos", "ht", "wt", "age", "in", "out", "hn", "df", "reb", "pot", "last"})
        EXPECT_TRUE(fs::exists(Html() / (std::string("fa/fa-") + key + ".htm"))) << key;
    EXPECT_TRUE(fs::exists(Html() / "tmstats/offense/ppg.htm"));
    // The points page lists the best-scoring team first.
    std::string ppg = Page("tmstats/offense/ppg.htm");
    int best = 1;
    for (int t = 2; t <= kLeagueTeams; ++t)
        if (double(league().team(t).Points) /
                std::max(1, league().team(t).Wins() + league().team(t).Losses()) >
            double(league().team(best).Points) /
                std::max(1, league().team(best).Wins() + league().team(best).Losses()))
            best = t;
    size_t first = ppg.find("rosters/roster");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(ppg.substr(first, ppg.find('"', first) - first),
              "rosters/roster" + std::to_string(best) + ".htm");
}

TEST_F(PlayedSeason, TheDraftDayWritesTheDraftOrder) {
    league().state.SeasonDay = Phase::RookieDraft;
    ASSERT_TRUE(WriteFresh().written);
    EXPECT_EQ(PageTitle(Page("draftorder.htm")), "Draft Order");
    EXPECT_EQ(PageTitle(Page("draft/draftplayers-pos.htm")), "Draft Eligible Players");
    EXPECT_NE(Page("index2.htm").find("value=\"draftorder.htm\""), std::string::npos);
}

TEST_F(PlayedSeason, ColoursUnsetKeepTheirDefaultsAndBadOnesAreRefusedWithAWarning) {
    league().state.SiteStyle = {"", "#123456", "", "", "", "", ""};
    ASSERT_TRUE(WriteFresh().written);
    std::string page = Page("divstand.htm");
    EXPECT_NE(page.find("bgcolor=\"#FFFFFF\""), std::string::npos);      // the default background
    EXPECT_NE(page.find("<tr bgcolor=\"#123456\">"), std::string::npos); // the header rows as set
    EXPECT_NE(page.find("<tr bgcolor=\"#E0E8F8\">"), std::string::npos); // the default alternate rows

    league().state.SiteStyle[4] = "red\"><script>alert(1)</script>";
    SiteRunResult result = WriteFresh();
    ASSERT_TRUE(result.written);
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_NE(result.warnings[0].find("\"Rows\""), std::string::npos) << result.warnings[0];
    EXPECT_EQ(Page("divstand.htm").find("alert(1)"), std::string::npos);
    EXPECT_NE(Page("divstand.htm").find("<tr bgcolor=\"#FFFFFF\">"), std::string::npos);
}

TEST_F(PlayedSeason, HostileNamesShowAsText) {
    Team& team = league().team(4);
    const int id = team.C1 ? team.C1 : 1;
    Player& player = league().player(id);
    const std::string teamName = team.Name, city = team.City, playerName = player.Name;
    team.City = "Evil <script>alert('city')</script>";
    player.Name = "Bad \"Quote\" <script>alert(1)</script>";
    SiteRunResult result = WriteFresh();
    team.City = city;
    player.Name = playerName;
    ASSERT_TRUE(result.written);
    for (const std::string& page : test::SitePages(Html())) {
        std::string text = Page(page);
        ASSERT_EQ(text.find("<script>alert"), std::string::npos) << page;
        ASSERT_EQ(text.find("\"Quote\""), std::string::npos) << page;
    }
    EXPECT_NE(Page("rosters/roster4.htm").find("Evil &lt;script&gt;alert('city')&lt;/script&gt;"),
              std::string::npos);
    EXPECT_NE(Page("players/player" + std::to_string(id) + ".htm")
                  .find("Bad &quot;Quote&quot; &lt;script&gt;alert(1)&lt;/script&gt;"),
              std::string::npos);
}

TEST_F(PlayedSeason, AFailedRunLeavesThePreviousSiteWhole) {
    ASSERT_TRUE(WriteFresh().written);
    const std::string before = Page("index1.htm");
    const size_t pages = test::SitePages(Html()).size();
    // A folder where a page should go: that page cannot be written.
    fs::remove(Html() / "transactions.htm");
    fs::create_directory(Html() / "transactions.htm");
    league().state.LeagueName = "Site League"; // unchanged; the default page would say the same
    SiteRunResult result = WriteLeagueSite(league(), host());
    EXPECT_FALSE(result.written);
    EXPECT_NE(result.error.find("transactions.htm"), std::string::npos) << result.error;
    ASSERT_EQ(host().messages.size(), 1u);
    EXPECT_EQ(host().messages[0].title, "Error");
    EXPECT_NE(host().messages[0].text.find("The previous site is kept"), std::string::npos);
    EXPECT_EQ(Page("index1.htm"), before);
    EXPECT_EQ(test::SitePages(Html()).size(), pages - 1);
    EXPECT_FALSE(fs::exists(Html().string() + ".new"));
    fs::remove(Html() / "transactions.htm");
}

TEST_F(PlayedSeason, AStoppedRunLeavesThePreviousSiteWhole) {
    ASSERT_TRUE(WriteFresh().written);
    const auto pages = test::SitePages(Html());
    const std::string before = Page("rosters/roster1.htm");
    const std::string city = league().team(1).City;
    league().team(1).City = "Moved";
    host().stopAfterPumps = host().pumps + 5;
    SiteRunResult result = WriteLeagueSite(league(), host());
    league().team(1).City = city;
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(host().messages.empty());
    EXPECT_EQ(Page("rosters/roster1.htm"), before);
    EXPECT_EQ(test::SitePages(Html()), pages);
    EXPECT_FALSE(fs::exists(Html().string() + ".new"));
}

TEST_F(PlayedSeason, ClearFilesRemovesThePagesOfPlayersThatAreGone) {
    ASSERT_TRUE(WriteFresh().written);
    // A page left by a player who is gone stays through a second run, and the clear-files command removes it.
    { std::ofstream(Html() / "players" / "player9999.htm") << "<html></html>"; }
    fs::create_directories(Html() / "keep");
    { std::ofstream(Html() / "keep" / "notes.txt") << "mine"; }
    ASSERT_TRUE(WriteLeagueSite(league(), host()).written);
    EXPECT_TRUE(fs::exists(Html() / "players" / "player9999.htm"));
    EXPECT_GT(ClearLeagueSite(league()), 1000);
    EXPECT_TRUE(test::SitePages(Html()).empty());
    EXPECT_TRUE(fs::exists(Html() / "keep" / "notes.txt"));
    fs::remove_all(Html() / "keep");
}

// The full site of the default league after one season, timed.
TEST_F(PlayedSeason, WritesTheFullSiteQuickly) {
    ClearLeagueSite(league());
    SiteRunResult result = WriteLeagueSite(league(), host());
    ASSERT_TRUE(result.written);
    std::printf("Full site after one season: %d files, %lld bytes, %.2f s\n", result.files,
                static_cast<long long>(result.bytes), result.seconds);
    EXPECT_LT(result.seconds, 10.0); // aimed at under 2 s; loose for a loaded machine
}

// During the season the day's page is written after each played day, linking each game's box page.
TEST(DailyPage, WrittenAfterEachDayWithItsGames) {
    InstallSiteHooks();
    test::SeasonLeague season;
    ASSERT_TRUE(season.Begin(7, "Daily League"));
    League& l = season.league();
    l.state.SiteDuringSim = true;
    SimRun run;
    ASSERT_EQ(SimDay(l, season.host, run, 2), DayResult::Completed);
    fs::path boxes = SiteFolderOf(l) / "boxes";
    for (int day : {1, 2}) {
        std::string page = FileBytes(boxes / ("day" + std::to_string(day) + ".htm"));
        EXPECT_EQ(PageTitle(page), "Daily Schedule");
        const ScheduleDay& d = l.schedule[static_cast<size_t>(day)];
        for (int g = 1; g <= d.NumGames; ++g)
            EXPECT_NE(page.find("<a href=\"../boxes/" + std::to_string(day) + "-" + std::to_string(g) +
                                ".html\">Game " + std::to_string(g) + "</a>"),
                      std::string::npos)
                << day << "-" << g;
    }
    EXPECT_FALSE(fs::exists(boxes / "day3.htm"));
    EXPECT_TRUE(test::BrokenSiteLinks(SiteFolderOf(l)).empty());
    // The whole site in mid-season: the schedule links the day pages and box scores.
    ASSERT_TRUE(WriteLeagueSite(l, season.host).written);
    std::string schedule = FileBytes(SiteFolderOf(l) / "leagueschedule.htm");
    EXPECT_NE(schedule.find("<a href=\"./boxes/day2.htm\">2</a>"), std::string::npos);
    EXPECT_NE(schedule.find("<a href=\"./boxes/2-1.html\">1</a>"), std::string::npos);
    EXPECT_EQ(schedule.find("./boxes/day3.htm"), std::string::npos);
    EXPECT_EQ(PageTitle(FileBytes(boxes / "day2.htm")), "Daily Schedule");
    std::vector<std::string> broken = test::BrokenSiteLinks(SiteFolderOf(l));
    EXPECT_TRUE(broken.empty()) << broken.front();

    // With the option off no page is written.
    l.state.SiteDuringSim = false;
    ASSERT_EQ(SimDay(l, season.host, run, 3), DayResult::Completed);
    EXPECT_FALSE(fs::exists(boxes / "day3.htm"));

    // Chosen, the box pages of earlier games come first, made from their box text files: a lost page comes
    // back as the engine wrote it after its game, and day 3's games get theirs.
    const std::string engineWritten = FileBytes(boxes / "2-1.html");
    ASSERT_FALSE(engineWritten.empty());
    fs::remove(boxes / "2-1.html");
    std::vector<std::string> steps;
    SiteRunChoices choices;
    choices.previousBoxes = true;
    ASSERT_TRUE(WriteLeagueSite(
                    l, season.host, [&](const std::string& s) { steps.push_back(s); }, choices)
                    .written);
    ASSERT_EQ(steps.size(), SiteStepMessages().size() + 1);
    EXPECT_EQ(steps.front(), kPreviousBoxesStep);
    EXPECT_EQ(FileBytes(boxes / "2-1.html"), engineWritten);
    for (int g = 1; g <= l.schedule[3].NumGames; ++g)
        EXPECT_TRUE(fs::exists(boxes / ("3-" + std::to_string(g) + ".html"))) << g;
    broken = test::BrokenSiteLinks(SiteFolderOf(l));
    EXPECT_TRUE(broken.empty()) << broken.front();
    SetDailyPageWriter({});
}

} // namespace
} // namespace hv

namespace hv {
namespace {

// The browser the set-up script installs for the tests that need it; empty when there is none.
std::string FindChromium() {
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        std::string path = std::string("/usr/bin/") + name;
        if (std::filesystem::exists(path)) return path;
    }
    return {};
}

// Runs headless Chromium on a page and returns what it logged; `shot` (when given) receives a screenshot.
std::string OpenInChromium(const std::string& chromium, const std::filesystem::path& page,
                           const std::filesystem::path& shot = {}) {
    std::filesystem::path log = std::filesystem::temp_directory_path() / "hoopvale-chromium.log";
    std::string command =
        chromium +
        " --headless --no-sandbox --disable-gpu --allow-file-access-from-files "
        "--enable-logging=stderr --v=0 --window-size=1280,900 " +
        (shot.empty() ? std::string("--dump-dom ") : "--screenshot=" + shot.string() + " ") + "'file://" +
        page.string() + "' >/dev/null 2>" + log.string();
    int status = std::system(command.c_str());
    std::string text = FileBytes(log);
    std::filesystem::remove(log);
    return status == 0 ? text : "exit status " + std::to_string(status) + "\n" + text;
}

TEST(SiteInABrowser, MainPageRosterPlayerAndBoxScoreOpenWithoutAConsoleError) {
    const std::string chromium = FindChromium();
    if (chromium.empty())
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh --browser installs it)";
    InstallSiteHooks();
    test::SeasonLeague season;
    ASSERT_TRUE(season.Begin(11, "Browser League"));
    League& l = season.league();
    l.state.SiteDuringSim = true;
    SimRun run;
    ASSERT_EQ(SimDay(l, season.host, run, 1), DayResult::Completed);
    ASSERT_TRUE(WriteLeagueSite(l, season.host).written);
    const std::filesystem::path html = SiteFolderOf(l);
    const int player = l.team(1).C1;
    for (const std::string& page : {std::string("index.html"), std::string("rosters/roster1.htm"),
                                    "players/player" + std::to_string(player) + ".htm",
                                    std::string("boxes/1-1.html"), std::string("boxes/day1.htm")}) {
        ASSERT_TRUE(std::filesystem::exists(html / page)) << page;
        std::string log = OpenInChromium(chromium, html / page);
        EXPECT_EQ(log.find("exit status"), std::string::npos) << page << "\n" << log;
        EXPECT_EQ(log.find("CONSOLE"), std::string::npos) << page << "\n" << log;
        EXPECT_EQ(log.find("Content Security Policy"), std::string::npos) << page << "\n" << log;
    }
    if (const char* dir = std::getenv("HOOPVALE_SCREENSHOT_DIR")) {
        std::filesystem::create_directories(dir);
        OpenInChromium(chromium, html / "index.html", std::filesystem::path(dir) / "site_index.png");
        OpenInChromium(chromium, html / "rosters/roster1.htm", std::filesystem::path(dir) / "site_team.png");
    }
    SetDailyPageWriter({});
}

} // namespace
} // namespace hv
