#include "platform/background_writer.h"

#include "platform/whole_file.h"

namespace hv {

BackgroundWriter::BackgroundWriter() : thread_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundWriter::Write(std::filesystem::path file, std::string text) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < kMaxQueued; });
    queue_.push_back({std::move(file), std::move(text)});
    lock.unlock();
    changed_.notify_all();
}

std::string BackgroundWriter::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !writing_; });
    std::string error;
    error.swap(error_);
    return error;
}

void BackgroundWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queue_.empty() || stopping_; });
        if (queue_.empty()) return; // stopping, and everything is written
        Job job = std::move(queue_.front());
        queue_.pop_front();
        writing_ = true;
        lock.unlock();
        changed_.notify_all(); // room in the queue
        std::string failure;
        if (!TryWriteWholeFile(job.file, job.text)) failure = WriteFailureMessage(job.file);
        lock.lock();
        writing_ = false;
        if (error_.empty()) error_ = std::move(failure);
        if (queue_.empty()) changed_.notify_all(); // the barrier may pass
    }
}

} // namespace hv
