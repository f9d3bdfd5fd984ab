// A table of rows for a screen's list view and a command's output: display texts with sort keys, so that a
// list view sorts "6'8''" by inches and "$1,200,000" by dollars, and the command line prints the same rows as
// aligned text or CSV.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "league/game_key.h"

namespace hv {

enum class Align { Left, Right };

struct ReportColumn {
    std::string title;
    Align align = Align::Left;
    bool brief = true; // shown in the readable text form; CSV always holds every column
};

struct ReportCell {
    std::string text;
    double sortKey = 0;
    bool numeric = false; // sort by sortKey rather than by text
    std::string tip;      // what the cell means, in words, for a screen's tooltip
};

// What a table's row keys name, so that a screen can open it: a player's card, a team's screen, a game's
// box score (key GameKey(day, game)).
enum class RowKind { None, Player, Team, Game };

struct ReportTable {
    std::string title;
    std::vector<ReportColumn> columns;
    std::vector<std::vector<ReportCell>> rows;
    // What each row stands for (a player ID, a team slot, a game number), for screens that act on a
    // selection; 0 when the row stands for nothing.
    std::vector<int> rowKeys;
    RowKind rowKind = RowKind::None;
    // Rows to stand out (the user's own team): bold on a tinted ground on screens, marked '*' in text.
    std::vector<bool> highlighted;

    ReportTable& Column(std::string title, Align align = Align::Left, bool brief = true);
    // Starts a new row; cells are then added with Add.
    ReportTable& Row(int key = 0);
    ReportTable& Add(ReportCell cell);
    // Marks the row last started as one to stand out.
    ReportTable& Highlight(bool on = true);
    bool IsHighlighted(size_t row) const { return row < highlighted.size() && highlighted[row]; }
    ReportTable& Add(const std::string& text) { return Add(Text(text)); }
    ReportTable& Add(const char* text) { return Add(Text(text)); }
    ReportTable& Add(int64_t value) { return Add(Number(value)); }
    ReportTable& Add(int value) { return Add(Number(value)); }

    static ReportCell Text(std::string text) { return {std::move(text), 0, false, {}}; }
    static ReportCell Number(int64_t value) {
        return {std::to_string(value), static_cast<double>(value), true, {}};
    }
    // A value with a fixed number of decimals, e.g. 12.5 or .456 when dropLeadingZero.
    static ReportCell Decimal(double value, int decimals, bool dropLeadingZero = false);
    // Text shown as given, sorted by key.
    static ReportCell Keyed(std::string text, double key) { return {std::move(text), key, true, {}}; }
    static ReportCell Money(int64_t dollars); // "$1,200,000"
};

// "1,200,000"
std::string GroupThousands(int64_t value);

// The title line (when the table has a title), then aligned columns with a header line; with briefOnly the
// columns marked brief alone. A highlighted row ends in " *". Control characters in the texts are shown as
// "^X" rather than sent to the terminal.
void WriteText(std::ostream& out, const ReportTable& table, bool briefOnly = true);
// Comma-separated values with a header line, every column; control characters shown as WriteText shows them.
void WriteCsv(std::ostream& out, const ReportTable& table);
// The command line's choice of the two: CSV, or the aligned text under its title.
void WriteTable(std::ostream& out, const ReportTable& table, bool csv);

// A CSV field: quoted, with doubled quotes, when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);
// Display width of UTF-8 text: one column per character.
size_t TextWidth(const std::string& text);
// The text with every control character written as a caret and a letter ("^[" for escape).
std::string VisibleText(const std::string& text);

} // namespace hv
