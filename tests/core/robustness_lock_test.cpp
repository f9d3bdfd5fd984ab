// One league changed by two programs at once: the league's lock, the desktop program holding it while a
// league is open, and the command line's writers waiting for it and then refusing. Also the saved-game link:
// unsaved changes, replacing another league's save, and the order of the delete and login checks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "cli/cli_app.h"
#include "core/sample_league.h"
#include "league/league_lock.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

// The lock as another program holds it: its own open file, locked.
class OtherProgram {
  public:
    explicit OtherProgram(const fs::path& lockFile) : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT, 0644)) {
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
    }
    ~OtherProgram() { ::close(fd_); }
    // True when another program could take the lock now.
    static bool CouldLock(const fs::path& lockFile) {
        int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT, 0644);
        bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        return free;
    }

  private:
    int fd_;
};

class SharedLeague : public ::testing::Test {
  protected:
    void SetUp() override {
        SetLeagueLockWait(std::chrono::milliseconds(0)); // a held league is refused at once
        home.CopyInstalledData();
        League league;
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        league.state.Password = kNoPassword;
        for (const char* name : {"Open", "Other"})
            ASSERT_TRUE(SaveLeague(league, name, host)) << host.LastMessage();
    }
    struct Result {
        int status;
        std::string out, err;
    };
    Result Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string(), "--lock-wait", "0"});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }
    std::string Bytes(const std::string& name) {
        std::ifstream in(home / "save" / (name + ".sav"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    fs::path Lock(const std::string& name) { return LeagueLockFile(home.path(), name); }
    void TearDown() override { SetLeagueLockWait(std::chrono::seconds(2)); }

    test::TempHome home;
    ScriptedHost host;
};

TEST_F(SharedLeague, AWriterIsRefusedWhileAnotherProgramHoldsTheLeague) {
    const std::string before = Bytes("Open");
    {
        OtherProgram desktop(Lock("Open"));
        for (auto args : {std::vector<std::string>{"options", "Open", "--injuries", "on"},
                          std::vector<std::string>{"password", "Open", "--set", "pw"},
                          std::vector<std::string>{"delete", "Open"}}) {
            Result r = Run(args);
            EXPECT_EQ(r.status, 1) << args[0];
            EXPECT_NE(
                r.err.find("League In Use: The league Open is in use: it is open in Hoopvale or another "
                           "command is changing it. Try again when it is closed."),
                std::string::npos)
                << r.err;
            EXPECT_TRUE(Bytes("Open") == before) << args[0];
        }
        // Readers are not writers: they never wait.
        EXPECT_EQ(Run({"show", "Open"}).status, 0);
        EXPECT_EQ(Run({"players", "Open"}).status, 0);
        EXPECT_EQ(Run({"options", "Other", "--injuries", "on"}).status, 0) << "another league is free";
    }
    Result free = Run({"options", "Open", "--injuries", "on"});
    EXPECT_EQ(free.status, 0) << free.err;
    EXPECT_FALSE(Bytes("Open") == before);
}

TEST_F(SharedLeague, AWaitingWriterTakesTheLockOnceItIsLetGo) {
    int fd = ::open(Lock("Open").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    std::thread other([fd] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ::close(fd); // the other program ends
    });
    auto lock = FileLock::Acquire(Lock("Open"), std::chrono::seconds(30));
    other.join();
    EXPECT_NE(lock, nullptr);
}

TEST_F(SharedLeague, AnOpenLeagueHoldsItsLockUntilAnotherReplacesIt) {
    League league;
    league.programFolder = home.path();
    ASSERT_TRUE(LoadSavedGame(league, "Open.sav", host)) << host.LastMessage();
    EXPECT_FALSE(OtherProgram::CouldLock(Lock("Open")));
    ASSERT_TRUE(SaveGameAs(league, "Third", host)) << host.LastMessage();
    EXPECT_TRUE(OtherProgram::CouldLock(Lock("Open")));
    EXPECT_FALSE(OtherProgram::CouldLock(Lock("Third")));
    ASSERT_TRUE(LoadSavedGame(league, "Other.sav", host));
    EXPECT_TRUE(OtherProgram::CouldLock(Lock("Third")));
    EXPECT_FALSE(OtherProgram::CouldLock(Lock("Other")));
    // The program's own open league may still be deleted from its load screen.
    host.answers = {true};
    EXPECT_TRUE(DeleteSavedGame(home.path(), "Other.sav", host)) << host.LastMessage();

    // Another program's league cannot be taken over by loading it.
    OtherProgram desktop(Lock("Open"));
    ASSERT_FALSE(LoadSavedGame(league, "Open.sav", host));
    EXPECT_EQ(host.LastMessage().substr(0, 16), "The league Open ");
    EXPECT_EQ(host.messages.back().title, "League In Use");
    EXPECT_EQ(league.savedGame.name, "Other");
}

TEST_F(SharedLeague, DeleteFindsAMissingLeagueBeforeAsking) {
    Result r = Run({"--no", "delete", "Nothing"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "File Not Found: The file Nothing.sav was not found.\n");
    EXPECT_FALSE(fs::exists(Lock("Nothing"))) << "no lock file for a league that is not there";
}

TEST_F(SharedLeague, CommishOnALeagueWithoutPasswordNeedsNoLogin) {
    Result r = Run({"--commish", "anything", "options", "Open", "--injuries", "on"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Commish Login: The league Open has no password: every user has the commissioner's "
                     "rights.\n");
    EXPECT_NE(r.out.find("Commissioner rights: yes"), std::string::npos) << r.out;
}

// ---- Unsaved changes and replacing a save ----

TEST_F(SharedLeague, ChangesAreUnsavedUntilSavedAndOfferedASaveBeforeTheLeagueCloses) {
    League league;
    league.programFolder = home.path();
    ASSERT_TRUE(LoadSavedGame(league, "Open.sav", host));
    EXPECT_FALSE(HasUnsavedChanges(league));
    EXPECT_TRUE(OfferToSaveChanges(league, host));
    EXPECT_TRUE(host.questions.empty()) << "nothing to save, nothing asked";

    league.state.LeagueInjuries = !league.state.LeagueInjuries;
    EXPECT_TRUE(HasUnsavedChanges(league));
    const std::string before = Bytes("Open");
    host.threeWayAnswers = {Answer::Cancel, Answer::No, Answer::Yes};
    EXPECT_FALSE(OfferToSaveChanges(league, host)) << "Cancel keeps the league open";
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions.back(), "Do you want to save the changes to the league Open?");
    EXPECT_TRUE(OfferToSaveChanges(league, host)) << "No lets it close unsaved";
    EXPECT_TRUE(Bytes("Open") == before);
    EXPECT_TRUE(OfferToSaveChanges(league, host)) << "Yes saves it";
    EXPECT_FALSE(Bytes("Open") == before);
    EXPECT_FALSE(HasUnsavedChanges(league));
}

TEST_F(SharedLeague, SavingOverAnotherLeaguesSaveAsksFirst) {
    League league;
    league.programFolder = home.path();
    ASSERT_TRUE(LoadSavedGame(league, "Open.sav", host));
    league.state.SeasonDay = 77;
    const std::string other = Bytes("Other");
    host.answers = {false};
    ASSERT_FALSE(SaveGameAs(league, "Other", host));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions.back(), "The league Other already exists. Do you want to replace it?");
    EXPECT_TRUE(Bytes("Other") == other);
    EXPECT_EQ(league.state.LeagueName, "Open");
    host.questions.clear();
    EXPECT_TRUE(SaveGameAs(league, "Open", host)) << "its own save is replaced without a question";
    EXPECT_TRUE(host.questions.empty());
}

} // namespace
} // namespace hv
