#include "league/record_books.h"

#include <type_traits>

namespace hv {

namespace {

template <class Book> auto EntriesOf(Book& book, int category) {
    using Entry = std::conditional_t<std::is_const_v<Book>, const RecordEntry, RecordEntry>;
    return std::span<Entry>(&book.At(category, 1), static_cast<size_t>(Book::kPositions));
}

template <class LeagueRef> auto Entries(LeagueRef& league, RecordBookKind kind, int category) {
    switch (kind) {
    case RecordBookKind::Game:
        return EntriesOf(league.tables.gameRecords, category);
    case RecordBookKind::Season:
        return EntriesOf(league.tables.seasonRecords, category);
    case RecordBookKind::Career:
        break;
    }
    return EntriesOf(league.tables.careerRecords, category);
}

bool Beats(const RecordEntry& candidate, const RecordEntry& entry) {
    return entry.IsEmpty() ? candidate.Value > 0 : candidate.Value > entry.Value;
}

} // namespace

const std::vector<RecordCategory>& RecordCategories(RecordBookKind kind) {
    using F = RecordFormat;
    static const std::vector<RecordCategory> game{
        {"Points", F::Total}, {"Rebounds", F::Total},  {"Assists", F::Total}, {"Steals", F::Total},
        {"Blocks", F::Total}, {"Turnovers", F::Total}, {"FG", F::Total},      {"FGA", F::Total},
        {"FT", F::Total},     {"FTA", F::Total},       {"3P", F::Total},      {"3PA", F::Total}};
    static const std::vector<RecordCategory> season{{"Points-Per-Game", F::PerGame},
                                                    {"Rebounds-Per-Game", F::PerGame},
                                                    {"Assists-Per-Game", F::PerGame},
                                                    {"Steals-Per-Game", F::PerGame},
                                                    {"Blocks-Per-Game", F::PerGame},
                                                    {"Turnovers-Per-Game", F::PerGame},
                                                    {"FG", F::Total},
                                                    {"FGA", F::Total},
                                                    {"FG%", F::Percent},
                                                    {"FT", F::Total},
                                                    {"FTA", F::Total},
                                                    {"FT%", F::Percent},
                                                    {"3P", F::Total},
                                                    {"3PA", F::Total},
                                                    {"3P%", F::Percent},
                                                    {"Double Doubles", F::Total},
                                                    {"Triple Doubles", F::Total}};
    static const std::vector<RecordCategory> career{{"Games", F::Total},
                                                    {"Points", F::Total},
                                                    {"Rebounds", F::Total},
                                                    {"Assists", F::Total},
                                                    {"Steals", F::Total},
                                                    {"Blocks", F::Total},
                                                    {"FG", F::Total},
                                                    {"FT", F::Total},
                                                    {"3P", F::Total},
                                                    {"Double Doubles", F::Total},
                                                    {"Triple Doubles", F::Total},
                                                    {"Turnovers", F::Total}};
    switch (kind) {
    case RecordBookKind::Game:
        return game;
    case RecordBookKind::Season:
        return season;
    case RecordBookKind::Career:
        break;
    }
    return career;
}

const char* RecordBookName(RecordBookKind kind) {
    switch (kind) {
    case RecordBookKind::Game:
        return "GameRecords";
    case RecordBookKind::Season:
        return "SeasonRecords";
    case RecordBookKind::Career:
        break;
    }
    return "CareerRecords";
}

int RecordPositions(RecordBookKind kind) {
    return kind == RecordBookKind::Game ? GameRecordBook::kPositions : SeasonRecordBook::kPositions;
}

std::span<RecordEntry> CategoryEntries(League& league, RecordBookKind kind, int category) {
    return Entries(league, kind, category);
}

std::span<const RecordEntry> CategoryEntries(const League& league, RecordBookKind kind, int category) {
    return Entries(league, kind, category);
}

void InsertRecordEntry(std::span<RecordEntry> entries, int position, const RecordEntry& entry) {
    if (position < 1 || position > static_cast<int>(entries.size())) return;
    const size_t at = static_cast<size_t>(position - 1);
    for (size_t i = entries.size() - 1; i > at; --i)
        entries[i] = entries[i - 1];
    entries[at] = entry;
}

bool Qualifies(std::span<const RecordEntry> entries, double value) {
    if (entries.empty()) return false;
    const RecordEntry& last = entries.back();
    return last.IsEmpty() ? value > 0 : value > last.Value;
}

int OfferRecordEntry(std::span<RecordEntry> entries, const RecordEntry& candidate) {
    // Most offers beat nothing: look at the last place first.
    if (!Qualifies(entries, candidate.Value)) return 0;
    for (size_t i = 0; i < entries.size(); ++i)
        if (Beats(candidate, entries[i])) {
            InsertRecordEntry(entries, static_cast<int>(i + 1), candidate);
            return static_cast<int>(i + 1);
        }
    return 0;
}

void RemoveRecordEntry(std::span<RecordEntry> entries, int position) {
    if (position < 1 || position > static_cast<int>(entries.size())) return;
    for (size_t i = static_cast<size_t>(position - 1); i + 1 < entries.size(); ++i)
        entries[i] = entries[i + 1];
    entries.back() = RecordEntry{};
}

const std::vector<std::string>& TeamGameRecordTitles() {
    static const std::vector<std::string> titles{
        "Points",   "Fewest Points Allowed", "3-Pointers", "Steals", "Blocks", "Assists", "Rebounds",
        "Turnovers"};
    return titles;
}

const std::vector<std::string>& TeamPlayerRecordTitles() {
    static const std::vector<std::string> titles{"Points", "3P", "3PA", "Assists",  "Blocks", "FG",
                                                 "FGA",    "FT", "FTA", "Rebounds", "Steals", "TO"};
    return titles;
}

} // namespace hv
