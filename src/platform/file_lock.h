// An exclusive lock on a file that every Hoopvale program honours: the desktop program and the command line
// take the same lock (flock) before they change what the file guards. The system drops the lock when its
// holder ends, even by a crash, so a lock is never left behind.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

namespace hv {

class FileLock {
  public:
    // Takes the lock of `file` (creating the file, empty, when it is missing), waiting up to `wait` while
    // another program holds it. Within one program a file's lock is shared: asking again for a lock the
    // program already holds returns that lock at once. Returns null when the wait ran out; throws
    // std::filesystem::filesystem_error when the file cannot be opened.
    static std::shared_ptr<FileLock> Acquire(const std::filesystem::path& file,
                                             std::chrono::milliseconds wait);

    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    const std::filesystem::path& File() const { return file_; }

  private:
    FileLock(std::filesystem::path file, int fd) : file_(std::move(file)), fd_(fd) {}
    std::filesystem::path file_;
    int fd_;
};

} // namespace hv
