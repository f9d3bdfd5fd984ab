#include "reports/transaction_list.h"

namespace hv {

ReportTable TransactionTable(const League& league, const std::string& team) {
    ReportTable table;
    table.Column("Season", Align::Right).Column("Day", Align::Right).Column("Team").Column("Transaction");
    const auto& log = league.tables.transactions;
    for (size_t i = 0; i < log.size(); ++i) {
        const Transaction& t = log[i];
        if (!team.empty() && t.Team != team) continue;
        table.Row(static_cast<int>(i + 1)).Add(t.Season).Add(t.SeasonDay).Add(t.Team).Add(t.Action);
    }
    return table;
}

} // namespace hv
