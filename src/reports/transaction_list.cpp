#include "reports/transaction_list.h"

#include <cctype>
#include <functional>

namespace hv {

namespace {

ReportTable TransactionsWhere(const League& league, const std::function<bool(const Transaction&)>& keep) {
    ReportTable table;
    table.Column("Season", Align::Right).Column("Day", Align::Right).Column("Team").Column("Transaction");
    const auto& log = league.tables.transactions;
    for (size_t i = 0; i < log.size(); ++i) {
        const Transaction& t = log[i];
        if (!keep(t)) continue;
        table.Row(static_cast<int>(i + 1)).Add(t.Season).Add(t.SeasonDay).Add(t.Team).Add(t.Action);
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

ReportTable TransactionTable(const League& league, const std::string& team) {
    return TransactionsWhere(league, [&](const Transaction& t) { return team.empty() || t.Team == team; });
}

ReportTable PlayerTransactionTable(const League& league, const std::string& playerName) {
    ReportTable table = TransactionsWhere(league, [&](const Transaction& t) {
        return !playerName.empty() && MentionsName(t.Action, playerName);
    });
    table.title = "Transactions";
    return table;
}

} // namespace hv
