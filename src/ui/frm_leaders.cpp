#include "frm_leaders.h"

#include "reports/leaders_table.h"

namespace hv {

namespace {

constexpr int kLeadersPerCategory = 10; // when every category is shown
constexpr int kLeadersOfOne = 25;

} // namespace

frmLeaders::frmLeaders(const League& league, QWidget* parent)
    : TableScreen(
          QStringLiteral("League Leaders"),
          [&league](int choice) {
              // Entry 0 shows every category; entry k category k - 1.
              return LeadersTable(league, choice - 1, choice == 0 ? kLeadersPerCategory : kLeadersOfOne);
          },
          parent) {
    QStringList categories{QStringLiteral("All categories")};
    for (const LeaderCategoryInfo& c : LeaderCategories())
        categories << QString::fromStdString(c.name);
    SetChoices(QStringLiteral("C&ategory:"), categories);
}

} // namespace hv
