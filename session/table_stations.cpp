#include "session/table_stations.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "core/failure.h"
#include "stationing/stated_station.h"
#include "text/number_text.h"

namespace vomel {

namespace {

// A stretch of the line in one chain: continuous stations [from, to] stated
// as station + shift with the chain's letter.
struct ChainPiece {
    double from = 0.0, to = 0.0;
    char letter = 'A';
    double shift = 0.0;
};

struct Span {
    double from = 0.0, to = 0.0;
};

// A row with its station and names; its points are filled in later.
StationTableRow tableRow(double station, StatedStation stated, std::vector<TablePointName> names = {})
{
    StationTableRow row;
    row.station = station;
    row.stated = stated;
    row.names = std::move(names);
    return row;
}

double backStation(const ChainBreaks& breaks, int k) { return breaks.breakBackStation[static_cast<std::size_t>(k)]; }
double aheadStation(const ChainBreaks& breaks, int k) { return breaks.breakAheadStation[static_cast<std::size_t>(k)]; }

// The continuous station of chain break k: its back station in the chain
// before it.
double breakStation(const ChainBreaks& breaks, int k)
{
    return continuousStation(breaks, StatedStation{backStation(breaks, k), static_cast<char>('A' + k - 1)});
}

// The chains of the line in order, and the rows of the breaks between them
// (both readings) in `named`.
std::vector<ChainPiece> chainPieces(const DesignLine& line, std::vector<StationTableRow>& named)
{
    const ChainBreaks& breaks = line.chainBreaks();
    const double start = line.startStation();
    const double end = line.endStation();
    const StatedStation first = chainStationLetter(breaks, start);
    std::vector<ChainPiece> pieces{{start, end, first.letter, first.stated - start}};
    for (int k = 1; k <= breaks.chainBreakCount; ++k) {
        const char letter = static_cast<char>('A' + k);
        const double at = breakStation(breaks, k);
        // Breaks outside the line (noted when it was read) and breaks out of
        // order, which no walk along the line reaches, make no rows.
        if (at < pieces.back().from || at > end || letter != pieces.back().letter + 1) continue;
        pieces.back().to = at;
        pieces.push_back({at, end, letter, aheadStation(breaks, k) - at});
        const TablePointName name{TablePointKind::ChainBreak, {}};
        named.push_back(tableRow(at, {backStation(breaks, k), static_cast<char>(letter - 1)}, {name}));
        named.push_back(tableRow(at, {aheadStation(breaks, k), letter}, {name}));
    }
    return pieces;
}

// The line's key points with each curve's midpoint QZ (midway between a
// ZH or ZY and the next HZ or YZ with no HH between, where the curve table
// puts it).
std::vector<KeyPoint> keyPointsWithMidpoints(const DesignLine& line)
{
    std::vector<KeyPoint> points;
    double curveStart = 0.0;
    bool inCurve = false;
    for (const KeyPoint& key : line.keyPoints()) {
        const bool opens = key.name == "ZH" || key.name == "ZY";
        const bool closes = key.name == "HZ" || key.name == "YZ";
        if (closes && inCurve) points.push_back({curveStart + (key.station - curveStart) / 2, "QZ"});
        points.push_back(key);
        if (opens) {
            curveStart = key.station;
            inCurve = true;
        }
        // Two spirals meeting (a reverse or compound curve of a ramp) end
        // the curve a QZ belongs to: the middle of an S is no curve's.
        if (closes || key.name == "HH") inCurve = false;
    }
    return points;
}

// The stretches of the line that are not straight, between its key points.
std::vector<Span> curveSpans(const DesignLine& line, const std::vector<KeyPoint>& keys)
{
    std::vector<double> bounds{line.startStation()};
    for (const KeyPoint& key : keys) bounds.push_back(key.station);
    bounds.push_back(line.endStation());
    std::sort(bounds.begin(), bounds.end());
    std::vector<Span> spans;
    for (std::size_t i = 1; i < bounds.size(); ++i) {
        const double a = bounds[i - 1];
        const double b = bounds[i];
        if (b - a <= TABLE_STATION_TOLERANCE) continue;
        if (std::fabs(line.poseAt(a + (b - a) / 2).curvature) <= STRAIGHT_CURVATURE) continue;
        if (!spans.empty() && spans.back().to >= a) {
            spans.back().to = b;
        } else {
            spans.push_back({a, b});
        }
    }
    return spans;
}

bool strictlyInside(const std::vector<Span>& spans, double s)
{
    return std::any_of(spans.begin(), spans.end(), [s](const Span& span) {
        return s > span.from + TABLE_STATION_TOLERANCE && s < span.to - TABLE_STATION_TOLERANCE;
    });
}

[[noreturn]] void failTooManyRows(double count)
{
    throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the table would have %1 rows, more than %2: choose a "
                                                          "larger interval or a shorter stretch with --from and --to"),
                          formatFixed(count, 0), std::to_string(MAX_TABLE_ROWS));
}

// The multiples of `step` in the piece's chain between the continuous
// stations [from, to], each k × step exactly, appended to `rows` unless
// `skip` says otherwise.
template <class Skip>
void addMultiples(std::vector<StationTableRow>& rows, const ChainPiece& piece, double step, Span within, Skip skip)
{
    const double first = std::ceil((within.from + piece.shift - TABLE_STATION_TOLERANCE) / step);
    const double last = std::floor((within.to + piece.shift + TABLE_STATION_TOLERANCE) / step);
    if (last - first + static_cast<double>(rows.size()) >= static_cast<double>(MAX_TABLE_ROWS)) {
        failTooManyRows(last - first + 1 + static_cast<double>(rows.size()));
    }
    for (double k = first; k <= last; k += 1.0) {
        const double stated = k * step;
        const double station = stated - piece.shift;
        if (!skip(station)) rows.push_back(tableRow(station, {stated, piece.letter}));
    }
}

// Rows of one chain, clipped to [from, to]: the multiples of the interval
// outside curves, of the curve interval inside them.
void addPieceMultiples(std::vector<StationTableRow>& rows, const ChainPiece& piece, const TableStationOptions& options,
                       const std::vector<Span>& spans, Span range)
{
    const Span within{std::max(piece.from, range.from), std::min(piece.to, range.to)};
    if (within.from > within.to + TABLE_STATION_TOLERANCE) return;
    if (!options.curveInterval) {
        addMultiples(rows, piece, options.interval, within, [](double) { return false; });
        return;
    }
    addMultiples(rows, piece, options.interval, within, [&spans](double s) { return strictlyInside(spans, s); });
    for (const Span& span : spans) {
        const Span curve{std::max(within.from, span.from), std::min(within.to, span.to)};
        if (curve.from <= curve.to)
            addMultiples(rows, piece, *options.curveInterval, curve, [](double) { return false; });
    }
}

// Rows in order along the line (chain by chain, stated stations rising in
// each), rows of one station merged.
std::vector<StationTableRow> mergedRows(std::vector<StationTableRow> rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const StationTableRow& a, const StationTableRow& b) {
        if (a.stated.letter != b.stated.letter) return a.stated.letter < b.stated.letter;
        return a.stated.stated < b.stated.stated;
    });
    std::vector<StationTableRow> merged;
    merged.reserve(rows.size());
    for (StationTableRow& row : rows) {
        StationTableRow* last = merged.empty() ? nullptr : &merged.back();
        if (last == nullptr || last->stated.letter != row.stated.letter ||
            row.stated.stated - last->stated.stated >= SAME_ROW_DISTANCE) {
            merged.push_back(std::move(row));
            continue;
        }
        // A named row's station is the key point's own; a multiple adds no name.
        if (last->names.empty() && !row.names.empty()) {
            last->station = row.station;
            last->stated = row.stated;
        }
        for (const TablePointName& name : row.names) {
            const bool known = std::any_of(last->names.begin(), last->names.end(), [&name](const TablePointName& n) {
                return n.kind == name.kind && n.keyPoint == name.keyPoint;
            });
            if (!known) last->names.push_back(name);
        }
    }
    return merged;
}

}  // namespace

std::vector<StationTableRow> tableStations(const DesignLine& line, const TableStationOptions& options)
{
    const double start = line.startStation();
    const double end = line.endStation();
    const Span range{options.from.value_or(start), options.to.value_or(end)};
    if (range.from > end + TABLE_STATION_TOLERANCE || range.to < start - TABLE_STATION_TOLERANCE) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no station from %1 to %2 lies on the line, which runs "
                                                              "from %3 to %4 (continuous stations)"),
                              formatGeneral(range.from), formatGeneral(range.to), formatGeneral(start),
                              formatGeneral(end));
    }
    const auto inRange = [&range](double s) {
        return s >= range.from - TABLE_STATION_TOLERANCE && s <= range.to + TABLE_STATION_TOLERANCE;
    };
    const ChainBreaks& breaks = line.chainBreaks();
    std::vector<StationTableRow> named;
    const std::vector<ChainPiece> pieces = chainPieces(line, named);
    named.push_back(tableRow(start, chainStationLetter(breaks, start), {{TablePointKind::Start, {}}}));
    const std::vector<KeyPoint> keys = keyPointsWithMidpoints(line);
    for (const KeyPoint& key : keys) {
        named.push_back(
            tableRow(key.station, chainStationLetter(breaks, key.station), {{TablePointKind::KeyPoint, key.name}}));
    }
    named.push_back(tableRow(end, chainStationLetter(breaks, end), {{TablePointKind::End, {}}}));

    std::vector<StationTableRow> rows;
    for (StationTableRow& row : named) {
        if (inRange(row.station)) rows.push_back(std::move(row));
    }
    const std::vector<Span> spans = options.curveInterval ? curveSpans(line, keys) : std::vector<Span>{};
    for (const ChainPiece& piece : pieces) addPieceMultiples(rows, piece, options, spans, range);
    return mergedRows(std::move(rows));
}

}  // namespace vomel
