#include "reports/report_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace hv {

ReportTable& ReportTable::Column(std::string name, Align align, bool brief) {
    columns.push_back({std::move(name), align, brief});
    return *this;
}

ReportTable& ReportTable::Row(int key) {
    rows.emplace_back();
    rows.back().reserve(columns.size());
    rowKeys.push_back(key);
    return *this;
}

ReportTable& ReportTable::Highlight(bool on) {
    if (rows.empty()) return *this;
    highlighted.resize(rows.size(), false);
    highlighted.back() = on;
    return *this;
}

ReportTable& ReportTable::Add(ReportCell cell) {
    if (rows.empty()) Row();
    rows.back().push_back(std::move(cell));
    return *this;
}

ReportCell ReportTable::Decimal(double value, int decimals, bool dropLeadingZero) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (dropLeadingZero && text.rfind("0.", 0) == 0) text.erase(0, 1);
    return {text, value, true, {}};
}

std::string GroupThousands(int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return value < 0 ? "-" + grouped : grouped;
}

ReportCell ReportTable::Money(int64_t dollars) {
    std::string text = dollars < 0 ? "-$" + GroupThousands(-dollars) : "$" + GroupThousands(dollars);
    return {text, static_cast<double>(dollars), true, {}};
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

size_t TextWidth(const std::string& text) {
    size_t width = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++width;
    return width;
}

std::string VisibleText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            shown += '^';
            shown += static_cast<char>(c == 0x7F ? '?' : c + 0x40);
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

void WriteText(std::ostream& out, const ReportTable& table, bool briefOnly) {
    std::vector<size_t> shown;
    for (size_t i = 0; i < table.columns.size(); ++i)
        if (!briefOnly || table.columns[i].brief) shown.push_back(i);
    auto cellText = [&](size_t row, size_t column) {
        const auto& cells = table.rows[row];
        return column < cells.size() ? VisibleText(cells[column].text) : std::string();
    };
    std::vector<size_t> widths;
    for (size_t c : shown) {
        size_t width = TextWidth(table.columns[c].title);
        for (size_t r = 0; r < table.rows.size(); ++r)
            width = std::max(width, TextWidth(cellText(r, c)));
        widths.push_back(width);
    }
    auto writeLine = [&](auto textOf, bool marked = false) {
        std::string line;
        for (size_t i = 0; i < shown.size(); ++i) {
            std::string text = textOf(shown[i]);
            std::string pad(widths[i] - TextWidth(text), ' ');
            bool right = table.columns[shown[i]].align == Align::Right;
            line += right ? pad + text : text + (i + 1 < shown.size() ? pad : std::string());
            if (i + 1 < shown.size()) line += "  ";
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << (marked ? " *" : "") << '\n';
    };
    if (!table.title.empty()) out << VisibleText(table.title) << '\n';
    writeLine([&](size_t c) { return VisibleText(table.columns[c].title); });
    for (size_t r = 0; r < table.rows.size(); ++r)
        writeLine([&](size_t c) { return cellText(r, c); }, table.IsHighlighted(r));
}

void WriteCsv(std::ostream& out, const ReportTable& table) {
    for (size_t i = 0; i < table.columns.size(); ++i)
        out << (i ? "," : "") << CsvField(VisibleText(table.columns[i].title));
    out << '\n';
    for (const auto& row : table.rows) {
        for (size_t i = 0; i < table.columns.size(); ++i)
            out << (i ? "," : "") << CsvField(VisibleText(i < row.size() ? row[i].text : std::string()));
        out << '\n';
    }
}

void WriteTable(std::ostream& out, const ReportTable& table, bool csv) {
    if (csv)
        WriteCsv(out, table);
    else
        WriteText(out, table);
}

} // namespace hv
