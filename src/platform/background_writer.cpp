#include "platform/background_writer.h"

#include <exception>
#include <utility>

#include "platform/whole_file.h"

namespace hv {

namespace {
// The thread is woken once this many files are queued (or by Wait), not for every file: on a fast disk,
// waking a thread costs more than writing a small file.
constexpr size_t kBatch = 4;

// Makes the text and writes the file: empty when it is written, else the message that says why not.
std::string Written(const std::filesystem::path& file, const std::function<std::string()>& make) {
    try {
        if (TryWriteWholeFile(file, make())) return {};
        return WriteFailureMessage(file);
    } catch (const std::exception& e) {
        return WriteFailureMessage(file, e.what());
    }
}

} // namespace

BackgroundWriter::BackgroundWriter() : thread_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        WakeWriter();
    }
    thread_.join();
}

void BackgroundWriter::WakeWriter() {
    if (wake_) return;
    wake_ = true;
    work_.notify_one();
}

void BackgroundWriter::Write(std::filesystem::path file, std::string text) {
    Write(std::move(file), [text = std::move(text)]() mutable { return std::move(text); });
}

void BackgroundWriter::Write(std::filesystem::path file, std::function<std::string()> make) {
    std::unique_lock lock(mutex_);
    if (queue_.size() >= kMaxQueued) {
        WakeWriter();
        ++blocked_;
        done_.wait(lock, [this] { return queue_.size() < kMaxQueued; });
        --blocked_;
    }
    queue_.push_back({std::move(file), std::move(make)});
    if (queue_.size() >= kBatch) WakeWriter();
}

std::string BackgroundWriter::Wait() {
    std::unique_lock lock(mutex_);
    if (!queue_.empty()) WakeWriter();
    ++blocked_;
    done_.wait(lock, [this] { return queue_.empty() && !writing_; });
    --blocked_;
    std::string error;
    error.swap(error_);
    return error;
}

void BackgroundWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return wake_; });
        wake_ = false;
        while (!queue_.empty()) {
            std::deque<Job> batch;
            batch.swap(queue_);
            writing_ = true;
            if (blocked_ > 0) done_.notify_all(); // room in the queue
            lock.unlock();
            std::string failure;
            for (const Job& job : batch)
                if (std::string problem = Written(job.file, job.make); !problem.empty() && failure.empty())
                    failure = std::move(problem);
            lock.lock();
            writing_ = false;
            if (error_.empty()) error_ = std::move(failure);
        }
        if (blocked_ > 0) done_.notify_all(); // the barrier may pass
        if (stopping_) return;
    }
}

} // namespace hv
