// The station coordinate table as CSV and as aligned plain text.
#include <algorithm>

#include "formats/results_csv.h"
#include "formats/station_table_columns.h"
#include "text/display_width.h"

namespace vomel {

std::string stationTableCsv(const StationTable& table, const TableTextOptions& options)
{
    const TableWording wording = tableWording(options);
    std::string text;
    const auto append = [&text](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) text += ',';
            text += csvCell(cells[c]);
        }
        text += "\r\n";
    };
    append(tableHeader(table, wording, true));
    for (const StationTableRow& row : table.rows) append(tableCells(table, row, wording, true));
    return text;
}

std::string stationTableText(const StationTable& table, const TableTextOptions& options)
{
    const TableWording wording = tableWording(options);
    std::vector<std::vector<std::string>> lines;
    lines.reserve(table.rows.size() + 1);
    lines.push_back(tableHeader(table, wording, false));
    for (const StationTableRow& row : table.rows) lines.push_back(tableCells(table, row, wording, false));

    std::vector<std::size_t> widths(lines.front().size(), 0);
    for (const auto& cells : lines) {
        for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], displayWidth(cells[c]));
    }
    // The station and the point read from the left, the numbers from the
    // right, so that their decimal points line up.
    constexpr std::size_t LEFT_ALIGNED_COLUMNS = 2;
    std::string text;
    for (const auto& cells : lines) {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const std::string padding(widths[c] - displayWidth(cells[c]), ' ');
            if (c > 0) line += "  ";
            line += c < LEFT_ALIGNED_COLUMNS ? cells[c] + padding : padding + cells[c];
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\r\n";
    }
    return text;
}

}  // namespace vomel
