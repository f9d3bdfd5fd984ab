// One league and two programs: the league's lock, held by an open league and by the command line's writers,
// and the saved-game link: unsaved changes, replacing another league's save, the delete and login checks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "league/league_lock.h"
#include "league/saved_games.h"
#include "platform/scripted_host.h"
#include "support/cli_test.h"
#include "support/sample_league.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

// Another program's view of a lock file: its own open file, locked or tried.
int OtherProgramLocks(const fs::path& lockFile) {
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT, 0644);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    return -1;
}
bool OtherProgramCouldLock(const fs::path& lockFile) {
    int fd = OtherProgramLocks(lockFile);
    if (fd >= 0) ::close(fd);
    return fd >= 0;
}

class SharedLeague : public test::CliTest {
  protected:
    void SetUp() override {
        SetLeagueLockWait(std::chrono::milliseconds(0)); // a held league is refused at once
        options = {"--lock-wait", "0"};
        home.CopyInstalledData();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        league.state.Password = kNoPassword;
        for (const char* name : {"Open", "Other"})
            Save(league, name);
        league = League();
        league.programFolder = home.path();
    }
    void TearDown() override { SetLeagueLockWait(std::chrono::seconds(2)); }
    fs::path Lock(const std::string& name) { return LeagueLockFile(home.path(), name); }

    ScriptedHost host;
    League league;
};

TEST_F(SharedLeague, AWriterIsRefusedWhileAnotherProgramHoldsTheLeagueAndReadersAreNot) {
    const std::string before = Bytes("Open");
    int desktop = OtherProgramLocks(Lock("Open"));
    ASSERT_GE(desktop, 0);
    for (auto args : {std::vector<std::string>{"options", "Open", "--injuries", "on"},
                      {"delete", "Open"},
                      {"new", "Open"}}) {
        const test::CliResult r = Run(args);
        EXPECT_TRUE(r.status == 1 &&
                    r.Says("League In Use: The league Open is in use: it is open in Hoopvale or "
                           "another command is changing it. Try again when it is closed."))
            << r.err;
        EXPECT_TRUE(Bytes("Open") == before) << args[0];
    }
    EXPECT_EQ(Run({"show", "Open"}).status, 0);
    EXPECT_EQ(Run({"options", "Other", "--injuries", "on"}).status, 0) << "another league is free";
    ::close(desktop);
    EXPECT_EQ(Run({"options", "Open", "--injuries", "on"}).status, 0);
    EXPECT_FALSE(Bytes("Open") == before);
}

// Two programs creating the same league at once: one makes it, the other waits for it and is then refused,
// and the saved league is the maker's (its human team tells which).
TEST_F(SharedLeague, TwoNewCommandsRacingForOneNameMakeOneLeague) {
    options = {"--lock-wait", "600"};
    const char* humans[] = {"Ospreys", "Gulls"};
    pid_t racers[2];
    for (int i = 0; i < 2; ++i) {
        racers[i] = ::fork();
        ASSERT_GE(racers[i], 0);
        if (racers[i] == 0) ::_exit(Run({"new", "Race", "--human", humans[i]}).status);
    }
    int made = -1, refused = 0;
    for (int i = 0; i < 2; ++i) {
        int status = 0;
        ASSERT_EQ(::waitpid(racers[i], &status, 0), racers[i]);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == kExitOk) made = made < 0 ? i : 2;
        refused += WEXITSTATUS(status) == kExitRefused;
    }
    ASSERT_TRUE((made == 0 || made == 1) && refused == 1) << made << " " << refused;
    const auto race = Load("Race");
    EXPECT_EQ(std::make_tuple(race->team(race->FindTeam(humans[made])).Owner,
                              race->team(race->FindTeam(humans[1 - made])).Owner),
              std::make_tuple("Human", "Computer"));
}

TEST_F(SharedLeague, AWaitingWriterTakesTheLockOnceTheOtherProgramLetsGo) {
    int other = OtherProgramLocks(Lock("Open"));
    std::thread ends([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ::close(other);
    });
    EXPECT_NE(FileLock::Acquire(Lock("Open"), std::chrono::seconds(60)), nullptr);
    ends.join();
}

TEST_F(SharedLeague, AnOpenLeagueHoldsItsLockUntilAnotherReplacesIt) {
    ASSERT_TRUE(LoadSavedGame(league, "Open.sav", host)) << host.LastMessage();
    EXPECT_FALSE(OtherProgramCouldLock(Lock("Open")));
    ASSERT_TRUE(SaveGameAs(league, "Third", host)) << host.LastMessage();
    EXPECT_TRUE(OtherProgramCouldLock(Lock("Open")));
    EXPECT_FALSE(OtherProgramCouldLock(Lock("Third")));
    ASSERT_TRUE(LoadSavedGame(league, "Other.sav", host));
    EXPECT_TRUE(OtherProgramCouldLock(Lock("Third")));
    EXPECT_TRUE(DeleteSavedGame(home.path(), "Other.sav", host)) << "the program's own league may be deleted";

    int desktop = OtherProgramLocks(Lock("Open"));
    ASSERT_FALSE(LoadSavedGame(league, "Open.sav", host));
    EXPECT_EQ(host.messages.back().title, "League In Use");
    EXPECT_EQ(league.savedGame.name, "Other");
    ::close(desktop);
}

TEST_F(SharedLeague, DeleteFindsAMissingLeagueBeforeAskingAndCommishNeedsAPassword) {
    const test::CliResult missing = Run({"--no", "delete", "Nothing"});
    EXPECT_EQ(std::tie(missing.status, missing.err),
              std::make_tuple(1, "File Not Found: The file Nothing.sav was not found.\n"));
    EXPECT_FALSE(fs::exists(Lock("Nothing"))) << "no lock file for a league that is not there";
    const test::CliResult r = Run({"--commish", "anything", "options", "Open", "--injuries", "on"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.Says("Commish Login: The league Open has no password: every user has the commissioner's "
                       "rights.\n"));
    EXPECT_FALSE(r.Says("Login Failed"));
    EXPECT_TRUE(r.Says("Commissioner rights: yes")) << r.out;
}

TEST_F(SharedLeague, ChangesAreUnsavedUntilSavedAndOfferedASaveBeforeTheLeagueCloses) {
    ASSERT_TRUE(LoadSavedGame(league, "Open.sav", host));
    EXPECT_TRUE(!HasUnsavedChanges(league) && OfferToSaveChanges(league, host) && host.questions.empty())
        << "nothing to save, nothing asked";
    league.state.LeagueInjuries = !league.state.LeagueInjuries;
    const std::string before = Bytes("Open");
    host.threeWayAnswers = {Answer::Cancel, Answer::No, Answer::Yes};
    EXPECT_FALSE(OfferToSaveChanges(league, host)) << "Cancel keeps the league open";
    EXPECT_EQ(host.questions,
              std::vector<std::string>{"Do you want to save the changes to the league Open?"});
    EXPECT_TRUE(OfferToSaveChanges(league, host) && Bytes("Open") == before) << "No lets it close unsaved";
    EXPECT_TRUE(OfferToSaveChanges(league, host) && Bytes("Open") != before) << "Yes saves it";
    EXPECT_FALSE(HasUnsavedChanges(league));
}

TEST_F(SharedLeague, SavingOverAnotherLeaguesSaveAsksFirst) {
    ASSERT_TRUE(LoadSavedGame(league, "Open.sav", host));
    const std::string other = Bytes("Other");
    host.answers = {false};
    ASSERT_FALSE(SaveGameAs(league, "Other", host));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "The league Other already exists. Do you want to replace it?");
    EXPECT_TRUE(Bytes("Other") == other);
    EXPECT_TRUE(SaveGameAs(league, "Open", host)) << "its own save is replaced without a question";
    EXPECT_EQ(host.questions.size(), 1u);
}

} // namespace
} // namespace hv
