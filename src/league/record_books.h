// The league's three record books (game, season and career) and the team records: their categories, and the
// ranked insertion that the three books share.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "league/league.h"

namespace hv {

enum class RecordBookKind { Game, Season, Career };

// How a category's values are shown: whole numbers, per-game values ("#0.0") or percentages (".000").
enum class RecordFormat { Total, PerGame, Percent };

struct RecordCategory {
    const char* title;
    RecordFormat format;
};

// The categories of a book, in stored order.
const std::vector<RecordCategory>& RecordCategories(RecordBookKind kind);
// The book's name: "GameRecords", "SeasonRecords", "CareerRecords".
const char* RecordBookName(RecordBookKind kind);
// Ranked positions per category: 20 in the game book, 100 in the others.
int RecordPositions(RecordBookKind kind);

// Positions 1 to P of category `category` (1-based) of a book.
std::span<RecordEntry> CategoryEntries(League& league, RecordBookKind kind, int category);
std::span<const RecordEntry> CategoryEntries(const League& league, RecordBookKind kind, int category);

// Moves the entries from `position` (1-based) down by one, the last dropping out, and writes `entry` there.
void InsertRecordEntry(std::span<RecordEntry> entries, int position, const RecordEntry& entry);
template <int C, int P>
void InsertRecordEntry(RecordBook<C, P>& book, int category, int position, const RecordEntry& entry) {
    InsertRecordEntry(std::span<RecordEntry>(&book.At(category, 1), P), position, entry);
}

// Whether a value would enter the category: it beats the last entry.
bool Qualifies(std::span<const RecordEntry> entries, double value);

// Ranks the candidate: at the first position whose entry it beats (a greater value; any positive value
// beats an empty entry; an equal value stays behind), the rest move down and it is written there. Returns
// the position, 0 when it beats no entry.
int OfferRecordEntry(std::span<RecordEntry> entries, const RecordEntry& candidate);

// Removes the entry at `position`: the ones below move up and the last becomes empty.
void RemoveRecordEntry(std::span<RecordEntry> entries, int position);

// The team game records kept by each team ("Points", "Fewest Points Allowed", ...), in stored order.
const std::vector<std::string>& TeamGameRecordTitles();
// The team player records ("Points", "3P", "3PA", "Assists", "Blocks", "FG", "FGA", "FT", "FTA",
// "Rebounds", "Steals", "TO"), in stored order.
const std::vector<std::string>& TeamPlayerRecordTitles();

} // namespace hv
