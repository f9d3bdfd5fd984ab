// A report table's column by its title, for tests that read what a report shows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_table.h"

namespace hv::test {

// The texts of a report table's column by its title; a missing column fails.
inline std::vector<std::string> Column(const ReportTable& table, const std::string& title) {
    size_t c = 0;
    while (c < table.columns.size() && table.columns[c].title != title)
        ++c;
    EXPECT_LT(c, table.columns.size()) << title;
    std::vector<std::string> cells;
    for (const auto& row : table.rows)
        cells.push_back(c < row.size() ? row[c].text : "?");
    return cells;
}

} // namespace hv::test
