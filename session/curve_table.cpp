#include "session/curve_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "core/failure.h"
#include "text/number_text.h"
#include "session/session.h"
#include "geometry/element_kind.h"

namespace vomel {

namespace {

// Seconds of arc are shown with this many decimals (0.0001" is 5e-10 rad).
constexpr int SECOND_DECIMALS = 4;
// Computed lengths and coordinates to a tenth of a millimetre, angles in
// radians to 1e-10 rad: finer than the drawings, and narrow enough for
// the whole table to fit a screen.
constexpr int LENGTH_DECIMALS = 4;
constexpr int RADIAN_DECIMALS = 10;

// Input values (coordinates, radii, spiral lengths) as the file gives them.
std::string number(double value) { return formatGeneral(value); }
std::string length(double value) { return formatFixed(value, LENGTH_DECIMALS); }
std::string radians(double value) { return formatFixed(value, RADIAN_DECIMALS); }

// A stated station with its letter when the line has chain breaks,
// millimetres as on the drawings.
std::string stationText(const Alignment& alignment, double continuous)
{
    const vomel::StatedStation stated = vomel::chainStationLetter(alignment.chainBreaks, continuous);
    std::string text = formatFixed(stated.stated, 3);
    if (alignment.hasChainBreaks()) text.insert(text.begin(), stated.letter);
    return text;
}

const char* kindName(vomel::ElementKind kind)
{
    switch (kind) {
    case vomel::ElementKind::Straight: return "straight";
    case vomel::ElementKind::Arc: return "arc";
    case vomel::ElementKind::EntrySpiral: return "entry spiral";
    case vomel::ElementKind::ExitSpiral: return "exit spiral";
    case vomel::ElementKind::PartialSpiral: return "partial spiral";
    }
    return "";
}

CurveTable mainLineTable(const Alignment& alignment, const vomel::mainline::MainLine& l)
{
    CurveTable table;
    table.columns = {"name", "X",   "Y",   "deflection", "deflection_rad", "R",  "Ls1", "Ls2", "RA1", "RA2",
                     "T1",   "T2",  "L",   "E",          "ZH",             "HY", "QZ",  "YH",  "HZ"};
    const int n = l.jdCount;
    for (int i = 1; i <= n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        std::vector<std::string> row(table.columns.size());
        row[0] = l.jdName[r];
        row[1] = number(l.jdX[r]);
        row[2] = number(l.jdY[r]);
        if (i == 1 || i == n) {
            // The start and end of the line: no curve, only a station.
            row[14] = stationText(alignment, l.jdStation[r]);
        } else {
            // Hairpin rows hold R, Ls and RA negated as a marker; the
            // drawings give their magnitudes.
            const double midStation = l.zhStation[r] + l.curveLength[r] / 2;
            const Point mid = vomel::mainline::mainLineStationToXY(l, midStation);
            row[3] = angleDms(l.jdDeflection[r]);
            row[4] = radians(l.jdDeflection[r]);
            row[5] = number(std::fabs(l.jdRadius[r]));
            row[6] = number(std::fabs(l.jdSpiralIn[r]));
            row[7] = number(std::fabs(l.jdSpiralOut[r]));
            row[8] = number(std::fabs(l.jdOuterRadiusIn[r]));
            row[9] = number(std::fabs(l.jdOuterRadiusOut[r]));
            row[10] = length(l.tangentIn[r]);
            row[11] = length(l.tangentOut[r]);
            row[12] = length(l.curveLength[r]);
            row[13] = length(std::hypot(mid.x - l.jdX[r], mid.y - l.jdY[r]));
            row[14] = stationText(alignment, l.zhStation[r]);
            row[15] = stationText(alignment, l.hyStation[r]);
            row[16] = stationText(alignment, midStation);
            row[17] = stationText(alignment, l.yhStation[r]);
            row[18] = stationText(alignment, l.hzStation[r]);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

CurveTable elementChainTable(const Alignment& alignment, const vomel::ramp::ElementChain& chain)
{
    CurveTable table;
    table.columns = {"item", "kind", "R1", "R2", "L", "station", "X", "Y", "azimuth", "azimuth_rad"};
    const int n = chain.elementCount;
    for (int k = 1; k <= n + 1; ++k) {
        const auto r = static_cast<std::size_t>(k);
        table.rows.push_back({"node " + std::to_string(k), "", "", "", "", stationText(alignment, chain.nodeStation[r]),
                              length(chain.nodeX[r]), length(chain.nodeY[r]), angleDms(chain.nodeAzimuth[r]),
                              radians(chain.nodeAzimuth[r])});
        if (k > n) break;
        const vomel::ElementShape e = vomel::ramp::elementShape(chain, k);
        table.rows.push_back({"element " + std::to_string(k), kindName(vomel::elementKind(e)),
                              number(e.startRadius), number(e.endRadius), number(e.length), "", "", "", "", ""});
    }
    return table;
}

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

std::string csvCell(const std::string& cell)
{
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string angleDms(double radians)
{
    requireFinite(radians, "angle");
    const double degrees = std::fabs(radians) * 180.0 / std::numbers::pi;
    const double scale = std::pow(10.0, SECOND_DECIMALS);
    // Rounded once, in units of the last decimal of a second, so that a
    // carry runs through seconds and minutes.
    const double units = std::round(degrees * 3600.0 * scale);
    const double wholeSeconds = std::floor(units / scale);
    const auto d = static_cast<long long>(std::floor(wholeSeconds / 3600.0));
    const auto m = static_cast<int>(std::floor((wholeSeconds - static_cast<double>(d) * 3600.0) / 60.0));
    const double s = (units - (static_cast<double>(d) * 3600.0 + m * 60.0) * scale) / scale;
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld°%02d'%0*.*f\"", (radians < 0 && units != 0) ? "-" : "", d, m,
                  SECOND_DECIMALS + 3, SECOND_DECIMALS, s);
    return text;
}

CurveTable curveTable(const Alignment& alignment)
{
    if (alignment.method == Method::IntersectionPoint && alignment.mainLine) {
        return mainLineTable(alignment, *alignment.mainLine);
    }
    if (alignment.method == Method::Element && alignment.elementChain) {
        return elementChainTable(alignment, *alignment.elementChain);
    }
    throw GeometryFailure("no alignment has been initialised");
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
