// Small files written whole in one open, one write and one close.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/background_writer.h"
#include "platform/whole_file.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

class WholeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("hoopvale-whole-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path dir_;
};

// The bytes as given, no line ends added or changed; a longer old file is cut to the new length.
TEST_F(WholeFile, TheFileHoldsExactlyTheTextAndReplacesALongerOne) {
    const fs::path file = dir_ / "1-1.txt";
    WriteWholeFile(file, std::string(5000, 'x'));
    const std::string text("Hawks 101\r\n@Bulls 99\n\0end", 25);
    WriteWholeFile(file, text);
    EXPECT_EQ(Read(file), text);
    WriteWholeFile(file, "");
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
}

// The season's folders are made when the season begins; a folder removed since is made again.
TEST_F(WholeFile, AMissingFolderIsMadeOnTheWay) {
    const fs::path file = dir_ / "html" / "boxes" / "12-3.html";
    WriteWholeFile(file, "<p>box</p>");
    EXPECT_EQ(Read(file), "<p>box</p>");
}

TEST_F(WholeFile, AFolderInTheFilesPlaceIsRefusedByName) {
    fs::create_directories(dir_ / "box" / "1-2.txt");
    try {
        WriteWholeFile(dir_ / "box" / "1-2.txt", "text");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot write the file"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("1-2.txt"), std::string::npos) << e.what();
    }
    // A file where a folder should be: the folder cannot be made either.
    std::ofstream(dir_ / "pbp") << "in the way";
    EXPECT_THROW(WriteWholeFile(dir_ / "pbp" / "1-1.txt", "text"), std::runtime_error);
}

// Files handed to the background writer are all there when Wait returns, written in order (the last write of
// a file wins), even when there are more of them than the queue holds.
TEST_F(WholeFile, InTheBackgroundEveryFileIsThereWhenWaitReturns) {
    BackgroundWriter writer;
    const int files = static_cast<int>(BackgroundWriter::kMaxQueued) * 3;
    for (int i = 0; i < files; ++i)
        writer.Write(dir_ / "box" / (std::to_string(i) + ".txt"), "game " + std::to_string(i) + "\n");
    writer.Write(dir_ / "box" / "7.txt", "replayed\n");
    EXPECT_EQ(writer.Wait(), "");
    for (int i = 0; i < files; ++i)
        ASSERT_EQ(Read(dir_ / "box" / (std::to_string(i) + ".txt")),
                  i == 7 ? "replayed\n" : "game " + std::to_string(i) + "\n");
}

// A file that cannot be written is reported once, by the next Wait, and the files after it are still written.
TEST_F(WholeFile, InTheBackgroundAFailureIsReportedOnceByTheNextWait) {
    std::ofstream(dir_ / "box") << "a file where the folder should be";
    BackgroundWriter writer;
    writer.Write(dir_ / "box" / "1-1.txt", "lost");
    writer.Write(dir_ / "box" / "1-2.txt", "lost too");
    writer.Write(dir_ / "html" / "1-1.html", "<p>kept</p>");
    const std::string error = writer.Wait();
    EXPECT_EQ(error.rfind("Cannot write the file " + (dir_ / "box" / "1-1.txt").string() + ": ", 0), 0u)
        << error;
    EXPECT_EQ(Read(dir_ / "html" / "1-1.html"), "<p>kept</p>");
    EXPECT_EQ(writer.Wait(), "");
}

// A text handed over as the work that makes it is made on the writer's thread, in the order of the files;
// work that fails is told like a file that cannot be written, and the files after it are still written.
TEST_F(WholeFile, InTheBackgroundTextsAreMadeOnTheWritersThread) {
    BackgroundWriter writer;
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<std::thread::id> makers;
    for (int i = 0; i < 6; ++i)
        writer.Write(dir_ / "html" / (std::to_string(i) + ".html"), [&makers, i] {
            makers.push_back(std::this_thread::get_id());
            return "<p>" + std::to_string(i) + "</p>";
        });
    writer.Write(dir_ / "html" / "late.html", []() -> std::string { throw std::runtime_error("no room"); });
    writer.Write(dir_ / "html" / "after.html", std::string("<p>after</p>"));
    EXPECT_EQ(writer.Wait(), "Cannot write the file " + (dir_ / "html" / "late.html").string() + ": no room");
    ASSERT_EQ(makers.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NE(makers[static_cast<size_t>(i)], caller) << i;
        EXPECT_EQ(Read(dir_ / "html" / (std::to_string(i) + ".html")), "<p>" + std::to_string(i) + "</p>");
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / "html" / "late.html"));
    EXPECT_EQ(Read(dir_ / "html" / "after.html"), "<p>after</p>");
}

// Files still queued are written before the writer goes away.
TEST_F(WholeFile, InTheBackgroundNothingQueuedIsLostWhenTheWriterGoesAway) {
    {
        BackgroundWriter writer;
        for (int i = 0; i < 20; ++i)
            writer.Write(dir_ / "pbp" / (std::to_string(i) + ".txt"), std::string(10000, 'x'));
    }
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(Read(dir_ / "pbp" / (std::to_string(i) + ".txt")).size(), 10000u) << i;
}

} // namespace
} // namespace hv
