// Free agents, their bids, the re-signing list and the training camps' results as tables, for the free-agent
// screens and commands.
#pragma once

#include <cstdint>
#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// Every free agent, best first (keyed by ID): ratings, his minimum salary and, during free agency, his
// asking salary of the day and the number of bids he holds.
ReportTable FreeAgentsTable(const League& league);

// The bids for free agent `id` (keyed by team slot): team, kind, yearly amounts, total, the score he gave it
// and whether it still holds.
ReportTable BidsTable(const League& league, int id);

// The players of team `team` whose re-signing waits for the user (keyed by ID): his demand year by year,
// his last salary, and his season and career statistics.
ReportTable ResignTable(const League& league, int team);

// CurrentRating of players 1 to 650 (index = ID), to compare after the camps.
std::vector<int16_t> RatingsSnapshot(const League& league);
// The players of team `team` (every team's when 0) with their rating before (from `before`) and now.
ReportTable CampChangesTable(const League& league, const std::vector<int16_t>& before, int team);

} // namespace hv
