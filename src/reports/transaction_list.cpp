#include "reports/transaction_list.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace hv {

namespace {

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

ReportTable TransactionsWhere(const League& league, const std::function<bool(const Transaction&)>& keep) {
    ReportTable table;
    table.Column("Season", Align::Right).Column("Day", Align::Right).Column("Team").Column("Transaction");
    const auto& log = league.tables.transactions;
    std::vector<size_t> lines;
    for (size_t i = 0; i < log.size(); ++i)
        if (keep(log[i])) lines.push_back(i);
    // Newest first; lines of one moment keep the log's order, reversed.
    auto when = [&](size_t i) { return std::tuple{TransactionSeason(log[i]), TransactionMoment(log[i]), i}; };
    std::sort(lines.begin(), lines.end(), [&](size_t a, size_t b) { return when(a) > when(b); });
    for (size_t i : lines) {
        const Transaction& t = log[i];
        const int moment = TransactionMoment(t);
        table.Row(static_cast<int>(i + 1))
            .Add(int{TransactionSeason(t)})
            .Add(ReportTable::Keyed(moment < Phase::FirstDay ? "Pre-season" : std::to_string(t.SeasonDay),
                                    moment))
            .Add(t.Team)
            .Add(t.Action);
    }
    return table;
}

// Whether `name` stands in `text` with no letter joined to either end, so that "Al Smith" is not found in
// "Cal Smithers".
bool MentionsName(const std::string& text, const std::string& name) {
    auto letter = [&](size_t at) {
        return at < text.size() && std::isalpha(static_cast<unsigned char>(text[at]));
    };
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1))
        if ((at == 0 || !letter(at - 1)) && !letter(at + name.size())) return true;
    return false;
}

} // namespace

const std::vector<std::string>& TransactionTypes() {
    static const std::vector<std::string> types{"Sign", "Re-sign", "Cut",   "Activate",
                                                "IR",   "Trade",   "Draft", "Retire"};
    return types;
}

std::string TransactionTypeOf(const std::string& action) {
    if (action.find(" resigns for ") != std::string::npos) return "Re-sign";
    if (EndsWith(action, " retires")) return "Retire";
    const std::pair<const char*, const char*> starts[] = {{"Sign ", "Sign"},         {"Cut ", "Cut"},
                                                          {"Activate ", "Activate"}, {"Place ", "IR"},
                                                          {"Trade ", "Trade"},       {"Draft ", "Draft"}};
    for (const auto& [start, type] : starts)
        if (StartsWith(action, start)) return type;
    return "";
}

int16_t TransactionSeason(const Transaction& t) {
    const bool afterPlayoffs = t.SeasonDay >= Phase::FirstEndSeason && t.SeasonDay <= Phase::LastEndSeason;
    return afterPlayoffs ? static_cast<int16_t>(t.Season + 1) : t.Season;
}

int TransactionMoment(const Transaction& t) {
    // The end of the season before (days 167 to 169), then the off-season (days 170 on, logged under the
    // coming season already), then the creation draft and day 0, then the season's days.
    if (t.SeasonDay >= Phase::FirstEndSeason && t.SeasonDay <= Phase::LastEndSeason) return t.SeasonDay - 300;
    if (t.SeasonDay >= Phase::RookieDraft) return t.SeasonDay - 200;
    return t.SeasonDay;
}

ReportTable TransactionTable(const League& league, const std::string& team, const std::string& type) {
    return TransactionsWhere(league, [&](const Transaction& t) {
        return (team.empty() || t.Team == team) && (type.empty() || TransactionTypeOf(t.Action) == type);
    });
}

ReportTable PlayerTransactionTable(const League& league, const std::string& playerName) {
    ReportTable table = TransactionsWhere(league, [&](const Transaction& t) {
        return !playerName.empty() && MentionsName(t.Action, playerName);
    });
    table.title = "Transactions";
    return table;
}

} // namespace hv
