#include "formats/station_table_columns.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "alignment/table_cells.h"
#include "core/angles.h"
#include "stationing/kilometre_station.h"
#include "text/number_text.h"

namespace vomel {

namespace {

std::string elevationCell(const std::optional<double>& elevation)
{
    return elevation ? formatFixed(*elevation, LENGTH_DECIMALS) : std::string{};
}

}  // namespace

std::string tableStationText(const StationTable& table, const StationTableRow& row)
{
    const std::optional<char> letter =
        table.chainLetters ? std::optional<char>(row.stated.letter) : std::optional<char>();
    // Rounded as the K form rounds it: -0.0004 is K0+000.000.
    if (row.stated.stated < 0 && formatFixed(row.stated.stated, 3) != "0.000") {
        return (letter ? std::string(1, *letter) : std::string{}) + formatFixed(row.stated.stated, 3);
    }
    return kilometreStationText(std::fmax(row.stated.stated, 0.0), 3, letter);
}

std::string azimuthDmsText(double azimuth)
{
    // Rounded once, as formatFixed rounds (15 significant digits, then
    // halves away from zero), in units of the last decimal of a second, so
    // that 59.9995" carries into the minute and 359°59'59.9996" is 0.
    std::string seconds = formatFixed(azimuth * 180.0 / PI * 3600.0, AZIMUTH_SECOND_DECIMALS);
    seconds.erase(seconds.find('.'), 1);
    constexpr long long UNITS_PER_SECOND = 1000;
    static_assert(AZIMUTH_SECOND_DECIMALS == 3, "UNITS_PER_SECOND is 10^AZIMUTH_SECOND_DECIMALS");
    const long long units = std::stoll(seconds) % (360LL * 3600LL * UNITS_PER_SECOND);
    const long long wholeSeconds = units / UNITS_PER_SECOND;
    char text[48];
    std::snprintf(text, sizeof text, "%lld°%02lld'%02lld.%03lld\"", wholeSeconds / 3600, wholeSeconds / 60 % 60,
                  wholeSeconds % 60, units % UNITS_PER_SECOND);
    return text;
}

std::string azimuthDegreesText(double azimuth)
{
    const std::string text = formatFixed(azimuth * 180.0 / PI, AZIMUTH_DEGREE_DECIMALS);
    return text.starts_with("360") ? formatFixed(0.0, AZIMUTH_DEGREE_DECIMALS) : text;
}

TableWording tableWording(const TableTextOptions& options)
{
    const bool english = options.language == TableLanguage::English;
    // Every caption in UTF-8 first, in the language asked for.
    TableWording w;
    w.english = english;
    w.station = english ? "station" : "桩号";
    w.point = english ? "point" : "点名";
    w.azimuth = english ? "azimuth" : "方位角";
    w.azimuthDegrees = english ? "azimuth_deg" : "方位角(度)";
    w.elevation = english ? "elevation" : "设计高程";
    w.left = english ? "L" : "左";
    w.right = english ? "R" : "右";
    w.start = english ? "start" : "起点";
    w.end = english ? "end" : "终点";
    w.chainBreak = english ? "chain break" : "断链";
    w.degree = "°";
    for (std::string* text : {&w.station, &w.point, &w.azimuth, &w.azimuthDegrees, &w.elevation, &w.left, &w.right,
                              &w.start, &w.end, &w.chainBreak, &w.degree}) {
        *text = encodedText(*text, options.encoding);
    }
    return w;
}

std::string pointNamesText(const StationTableRow& row, const TableWording& wording)
{
    std::string text;
    for (const TablePointName& name : row.names) {
        if (!text.empty()) text += '/';
        switch (name.kind) {
        case TablePointKind::KeyPoint: text += name.keyPoint; break;
        case TablePointKind::Start: text += wording.start; break;
        case TablePointKind::End: text += wording.end; break;
        case TablePointKind::ChainBreak: text += wording.chainBreak; break;
        }
    }
    return text;
}

std::string offsetCaption(double offset, const TableWording& wording)
{
    return (offset > 0 ? wording.left : wording.right) + formatGeneral(std::fabs(offset));
}

std::vector<std::string> tableHeader(const StationTable& table, const TableWording& wording, bool decimalDegrees)
{
    const auto at = [&wording](const std::string& caption, double offset) {
        return wording.english ? caption + "_" + offsetCaption(offset, wording)
                               : caption + "(" + offsetCaption(offset, wording) + ")";
    };
    std::vector<std::string> cells = {wording.station, wording.point, wording.english ? "x" : "X",
                                      wording.english ? "y" : "Y", wording.azimuth};
    if (decimalDegrees) cells.push_back(wording.azimuthDegrees);
    for (const double offset : table.offsets) {
        cells.push_back(at(wording.english ? "x" : "X", offset));
        cells.push_back(at(wording.english ? "y" : "Y", offset));
    }
    if (table.elevations) {
        cells.push_back(wording.elevation);
        for (const double offset : table.offsets) cells.push_back(at(wording.elevation, offset));
    }
    return cells;
}

std::vector<std::string> tableCells(const StationTable& table, const StationTableRow& row, const TableWording& wording,
                                    bool decimalDegrees)
{
    // The degree sign in the file's encoding.
    std::string dms = azimuthDmsText(row.azimuth);
    dms.replace(0, dms.find("°") + std::string("°").size(), dms.substr(0, dms.find("°")) + wording.degree);
    std::vector<std::string> cells = {tableStationText(table, row), pointNamesText(row, wording),
                                      formatFixed(row.point.x, LENGTH_DECIMALS),
                                      formatFixed(row.point.y, LENGTH_DECIMALS), std::move(dms)};
    if (decimalDegrees) cells.push_back(azimuthDegreesText(row.azimuth));
    for (const Point& p : row.offsetPoints) {
        cells.push_back(formatFixed(p.x, LENGTH_DECIMALS));
        cells.push_back(formatFixed(p.y, LENGTH_DECIMALS));
    }
    if (table.elevations) {
        cells.push_back(elevationCell(row.elevation));
        for (const auto& elevation : row.offsetElevations) cells.push_back(elevationCell(elevation));
    }
    return cells;
}

}  // namespace vomel
