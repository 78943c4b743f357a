#include "session/curve_table.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"
#include "formats/results_csv.h"
#include "session/session.h"

namespace vomel {

namespace {

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that
// cannot start one.
std::size_t utf8Length(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 0;
}

bool isUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(static_cast<unsigned char>(text[i]));
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// Display width of a cell. Names are the file's bytes: in UTF-8, three- and
// four-byte characters (CJK in practice) take two columns, the degree sign
// and other two-byte ones one; in GBK every byte takes one column, a
// two-byte Chinese character two.
std::size_t displayWidth(const std::string& text)
{
    if (!isUtf8(text)) return text.size();
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(static_cast<unsigned char>(text[i]));
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace

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
