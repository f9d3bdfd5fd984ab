#include "platform/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace hv {

namespace {

int OpenForWriting(const fs::path& file) {
    return ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// Writes all of `text`, going on after a partial write or an interruption.
bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

bool TryWriteWholeFile(const fs::path& file, std::string_view text) {
    int fd = OpenForWriting(file);
    if (fd < 0 && errno == ENOENT && file.has_parent_path()) {
        std::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        fd = OpenForWriting(file);
    }
    if (fd < 0) return false;
    const bool written = WriteAll(fd, text);
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) errno = error;
    return written && closed;
}

std::string WriteFailureMessage(const fs::path& file) {
    return WriteFailureMessage(file, std::strerror(errno));
}

std::string WriteFailureMessage(const fs::path& file, std::string_view reason) {
    return "Cannot write the file " + file.string() + ": " + std::string(reason);
}

void WriteWholeFile(const fs::path& file, std::string_view text) {
    if (!TryWriteWholeFile(file, text)) throw std::runtime_error(WriteFailureMessage(file));
}

} // namespace hv
