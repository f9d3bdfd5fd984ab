#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace hv {

namespace {

// The locks this program holds, by file: a second request for one of them shares it rather than waiting
// for itself.
std::mutex registryMutex;
std::map<fs::path, std::weak_ptr<FileLock>>& Registry() {
    static std::map<fs::path, std::weak_ptr<FileLock>> held;
    return held;
}

constexpr std::chrono::milliseconds kPollInterval{50};

} // namespace

std::shared_ptr<FileLock> FileLock::Acquire(const fs::path& file, std::chrono::milliseconds wait) {
    const fs::path key = fs::absolute(file).lexically_normal();
    std::lock_guard guard(registryMutex);
    auto& registry = Registry();
    if (auto it = registry.find(key); it != registry.end()) {
        if (auto held = it->second.lock()) return held;
        registry.erase(it);
    }

    int fd = ::open(key.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        throw fs::filesystem_error("cannot open the lock file", key,
                                   std::error_code(errno, std::generic_category()));
    // A bounded wait: polled, so that a holder that never lets go only costs `wait`.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        if (error == EINTR) continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            if (error == EWOULDBLOCK) return nullptr;
            throw fs::filesystem_error("cannot lock the file", key,
                                       std::error_code(error, std::generic_category()));
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    std::shared_ptr<FileLock> lock(new FileLock(key, fd));
    registry[key] = lock;
    return lock;
}

FileLock::~FileLock() {
    // Closing the descriptor releases the lock. The file stays: removing it while another program waits
    // on it would let a third one lock a new file of the same name.
    ::close(fd_);
}

} // namespace hv
