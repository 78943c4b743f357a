#include "session/curve_table.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"
#include "formats/results_csv.h"
#include "session/session.h"
#include "text/display_width.h"

namespace vomel {

CurveTable curveTable(const PreparedLine& alignment)
{
    if (!alignment.line) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    return alignment.line->curveTable();
}

std::string curveTableText(const CurveTable& table)
{
    std::vector<std::size_t> widths(table.columns.size());
    for (std::size_t c = 0; c < table.columns.size(); ++c) widths[c] = displayWidth(table.columns[c]);
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    }
    auto line = [&widths](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) text += "  ";
            text += cells[c];
            if (c + 1 < cells.size()) text.append(widths[c] - displayWidth(cells[c]), ' ');
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return text + "\n";
    };
    std::string text = line(table.columns);
    for (const auto& row : table.rows) text += line(row);
    return text;
}

std::string curveTableCsv(const CurveTable& table)
{
    auto line = [](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) text += ',';
            text += csvCell(cells[c]);
        }
        return text + "\r\n";
    };
    std::string text = line(table.columns);
    for (const auto& row : table.rows) text += line(row);
    return text;
}

}  // namespace vomel
