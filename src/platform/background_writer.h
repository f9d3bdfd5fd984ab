// Whole files written on a thread of their own, so that the games never wait for the disk: on a disk where
// creating a file costs a millisecond of the system's time, the two files of each game cost more than the
// game. Files are written in the order they are handed over; Wait() is the barrier before anything reads
// them. A file's text may be handed over as the work that makes it, which the writer's thread then does: the
// text is built, written and freed on one processor.
#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace hv {

class BackgroundWriter {
  public:
    BackgroundWriter();
    // Writes whatever is still queued, then ends the thread.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Queues the file to be created or replaced with `text`. Waits while kMaxQueued files are already
    // queued, so that a slow disk holds back the games rather than fill the memory.
    void Write(std::filesystem::path file, std::string text);
    // The same with the text made on the writer's thread: `make` must not touch anything the caller may
    // change meanwhile (give it copies). A `make` that throws counts as a file that could not be written.
    void Write(std::filesystem::path file, std::function<std::string()> make);

    // Waits until every file handed over so far is written. Returns the message of the first file that
    // could not be written since the last Wait, or an empty string when all were written.
    std::string Wait();

    static constexpr size_t kMaxQueued = 64;

  private:
    struct Job {
        std::filesystem::path file;
        std::function<std::string()> make;
    };
    void Run();
    void WakeWriter(); // with the lock held

    std::mutex mutex_;
    std::condition_variable work_; // the writer waits here for files
    std::condition_variable done_; // Write and Wait wait here for room or for the last file
    std::deque<Job> queue_;
    bool wake_ = false;
    bool writing_ = false;
    bool stopping_ = false;
    int blocked_ = 0; // callers waiting on done_
    std::string error_;
    std::thread thread_; // last, so that it starts once the members above exist
};

} // namespace hv
