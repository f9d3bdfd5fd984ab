// A player's Team field: a team's name, or one of the pseudo-teams "FA", "Draft" and "NextDraft". It reads as
// a std::string; every change of its value goes through an assignment, and every assignment is counted, so
// that the league's index of players by team (PlayerGroups) knows when it must be found again. Making a copy
// of a player changes no player's team and is not counted.
#pragma once

#include <atomic>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace hv {

class TeamName {
  public:
    TeamName() = default;
    TeamName(const TeamName&) = default;
    TeamName(TeamName&&) noexcept = default;
    TeamName(std::string name) : name_(std::move(name)) {}
    TeamName(const char* name) : name_(name) {}

    TeamName& operator=(const TeamName& other) { return Set(other.name_); }
    TeamName& operator=(TeamName&& other) noexcept {
        name_ = std::move(other.name_);
        Changed();
        return *this;
    }
    TeamName& operator=(std::string name) {
        name_ = std::move(name);
        Changed();
        return *this;
    }
    TeamName& operator=(const char* name) { return Set(name); }

    operator const std::string&() const { return name_; }
    const std::string& str() const { return name_; }
    const char* c_str() const { return name_.c_str(); }
    bool empty() const { return name_.empty(); }
    size_t size() const { return name_.size(); }
    std::string substr(size_t pos, size_t count = std::string::npos) const {
        return name_.substr(pos, count);
    }

    friend bool operator==(const TeamName& a, const TeamName& b) { return a.name_ == b.name_; }
    friend bool operator==(const TeamName& a, const std::string& b) { return a.name_ == b; }
    friend bool operator==(const TeamName& a, const char* b) { return a.name_ == b; }
    friend bool operator==(const TeamName& a, std::string_view b) { return a.name_ == b; }
    friend std::string operator+(const TeamName& a, const std::string& b) { return a.name_ + b; }
    friend std::string operator+(const std::string& a, const TeamName& b) { return a + b.name_; }
    friend std::string operator+(const TeamName& a, const char* b) { return a.name_ + b; }
    friend std::string operator+(const char* a, const TeamName& b) { return a + b.name_; }
    friend std::string operator+(std::string&& a, const TeamName& b) { return std::move(a) + b.name_; }
    friend std::ostream& operator<<(std::ostream& out, const TeamName& t) { return out << t.name_; }

    // How many times any player's team has been set, in any league of the program.
    static uint64_t Changes() { return changes_.load(std::memory_order_relaxed); }

  private:
    TeamName& Set(const std::string& name) {
        name_ = name;
        Changed();
        return *this;
    }
    static void Changed() { changes_.fetch_add(1, std::memory_order_relaxed); }

    std::string name_;
    static inline std::atomic<uint64_t> changes_{0};
};

} // namespace hv
