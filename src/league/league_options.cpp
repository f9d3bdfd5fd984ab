#include "league/league_options.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "league/binary_io.h"
#include "platform/random.h"

namespace hv {

std::string SalaryCapText(int64_t dollars) {
    bool negative = dollars < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(dollars) : static_cast<uint64_t>(dollars);
    std::string digits = std::to_string(magnitude);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return (negative ? "-$" : "$") + grouped;
}

double SalaryCapTextValue(std::string_view text) {
    // Drop the currency symbols and separators; blanks inside a number are ignored as well.
    std::string s;
    for (char c : text)
        if (c != '$' && c != ',' && c != ' ' && c != '\t' && c != '\r' && c != '\n') s += c;
    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    bool anyDigit = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        number += s[i++], anyDigit = true;
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            number += s[i++], anyDigit = true;
    }
    if (!anyDigit) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        bool expDigit = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            exponent += s[j++], expDigit = true;
        if (expDigit) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

bool SalaryCapSeparatorsGroupThousands(std::string_view text) {
    // The run of digits and commas that the number begins with, after any "$", sign and blanks.
    size_t i = text.find_first_not_of("$+- \t");
    if (i == std::string_view::npos) return true;
    size_t end = text.find_first_not_of("0123456789,", i);
    std::string_view run = text.substr(i, end == std::string_view::npos ? text.npos : end - i);
    if (run.find(',') == std::string_view::npos) return true;
    size_t group = 0; // digits since the last comma
    bool first = true;
    for (char c : run) {
        if (c != ',') {
            ++group;
            continue;
        }
        if (group == 0 || group > 3 || (!first && group != 3)) return false;
        first = false;
        group = 0;
    }
    return group == 3;
}

bool SetSalaryCapFromText(SeasonState& state, std::string_view text, Host& host) {
    if (!SalaryCapSeparatorsGroupThousands(text)) {
        host.ShowMessage("The salary cap \"" + std::string(text) +
                             "\" is not a sum of dollars: commas may only separate thousands, as in "
                             "$42,500,000.",
                         "League Options", MessageIcon::Warning);
        return false;
    }
    double value = Nearest(SalaryCapTextValue(text));
    if (!(value >= 0 && value <= static_cast<double>(kMaxSalaryCapDollars))) {
        host.ShowMessage("The salary cap must be between $0 and " + SalaryCapText(kMaxSalaryCapDollars) + ".",
                         "League Options", MessageIcon::Warning);
        return false;
    }
    state.SetSalaryCapDollars(static_cast<int64_t>(value));
    return true;
}

bool HasPassword(const SeasonState& state) {
    return state.Password != kNoPassword;
}

namespace {

constexpr int kFirstPrintable = 32, kPrintableCount = 95;

int ShiftAt(size_t position) {
    return static_cast<int>((7 + 3 * (position % kPrintableCount)) % kPrintableCount);
}

std::string Rotate(std::string_view text, int direction) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        int c = static_cast<unsigned char>(out[i]);
        if (c < kFirstPrintable || c >= kFirstPrintable + kPrintableCount) continue;
        int shifted = (c - kFirstPrintable + direction * ShiftAt(i) + kPrintableCount) % kPrintableCount;
        out[i] = static_cast<char>(kFirstPrintable + shifted);
    }
    return out;
}

bool AcceptablePassword(const std::string& text) {
    if (text.empty() || text == kNoPassword || text.size() > 255 || !IsValidUtf8(text)) return false;
    for (unsigned char c : text)
        if (c < 32 || c == 127) return false;
    return true;
}

} // namespace

std::string ScramblePassword(std::string_view plain) {
    return Rotate(plain, +1);
}
std::string UnscramblePassword(std::string_view stored) {
    return Rotate(stored, -1);
}

bool SetLeaguePassword(SeasonState& state, const std::optional<std::string>& newPassword, Host& host) {
    if (!newPassword) {
        state.Password = kNoPassword;
        state.CommissionerRights = true;
        return true;
    }
    if (!AcceptablePassword(*newPassword)) {
        host.ShowMessage("Invalid Password", {}, MessageIcon::Critical);
        return false;
    }
    state.Password = *newPassword;
    state.CommissionerRights = true;
    return true;
}

bool CommishLogin(SeasonState& state, const std::string& entered, Host& host) {
    bool ok = entered == state.Password;
    state.CommissionerRights = ok;
    host.ShowMessage(ok ? "Login Complete" : "Login Failed");
    return ok;
}

namespace {
bool Rights(const SeasonState& state) {
    return state.CommissionerRights || !HasPassword(state);
}
} // namespace

bool CanEditOptions(const SeasonState& state) {
    return Rights(state);
}
bool CanSetPassword(const SeasonState& state) {
    return Rights(state);
}
bool CanExportDatabase(const SeasonState& state) {
    return Rights(state);
}
bool CanCommishLogin(const SeasonState& state) {
    return !Rights(state);
}

bool MayEditLeague(const SeasonState& state) {
    return Rights(state);
}
bool MayEndSeason(const SeasonState& state) {
    return !state.LockEndSeason || Rights(state);
}
bool MaySimulate(const SeasonState& state) {
    return !state.LockSimulation || Rights(state);
}

bool CheckMayEditLeague(const SeasonState& state, Host& host) {
    if (MayEditLeague(state)) return true;
    host.ShowMessage(kEditLeagueRefusal, "Edit League");
    return false;
}

std::string GameEngineText(GameEngine engine) {
    return engine == GameEngine::Calibrated ? "Calibrated" : "As specified";
}

std::string TradeJudgementText(TradeJudgement trades) {
    return trades == TradeJudgement::Shrewd ? "Shrewd" : "As specified";
}

bool MayChangeLeagueRules(const SeasonState& state) {
    // A league made with its rosters waits at free agency of its first season; a season under way moves
    // the season number on at the rookie draft.
    const bool begun = state.Season != state.FirstSeason ||
                       (state.SeasonDay >= Phase::FirstDay && state.SeasonDay <= Phase::LastEndSeason);
    return !begun || Rights(state);
}

bool CheckMayChangeLeagueRules(const SeasonState& state, Host& host) {
    if (MayChangeLeagueRules(state)) return true;
    host.ShowMessage(kEditLeagueRefusal, "League Options");
    return false;
}

bool CheckMayEndSeason(const SeasonState& state, Host& host) {
    if (MayEndSeason(state)) return true;
    host.ShowMessage(kEndSeasonRefusal);
    return false;
}

bool CheckMaySimulate(const SeasonState& state, Host& host) {
    if (MaySimulate(state)) return true;
    host.ShowMessage(kSimulateRefusal);
    return false;
}

} // namespace hv
