#include "alignment/cross_fall.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "alignment/station_search.h"
#include "core/failure.h"
#include "text/number_text.h"

namespace vomel {

namespace {

constexpr double PERCENT = 100.0;

}  // namespace

CrossFall::CrossFall(std::vector<CrossFallRow> rows) : rows_(std::move(rows))
{
    if (rows_.empty())
        throw FormatFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "a cross-fall file needs at least one line `station left right`"));
    for (std::size_t k = 1; k < rows_.size(); ++k) {
        if (!(rows_[k].station > rows_[k - 1].station)) {
            throw FormatFailure(
                rows_[k].line,
                VOMEL_TRANSLATE_NOOP("Failure",
                                     "the station %1 does not follow the previous line's %2: stations must increase"),
                formatGeneral(rows_[k].station), formatGeneral(rows_[k - 1].station));
        }
    }
}

SideSlopes CrossFall::slopesAt(double station) const
{
    requireFinite(station, VOMEL_TRANSLATE_NOOP("Failure", "station"));
    if (station <= rows_.front().station) return {rows_.front().left, rows_.front().right};
    if (station >= rows_.back().station) return {rows_.back().left, rows_.back().right};
    // Strictly inside the first and last rows: a is below the last row.
    const std::size_t k = lastRowAtOrBefore(rows_, station);
    const CrossFallRow& a = rows_[k];
    const CrossFallRow& b = rows_[k + 1];
    // Stations strictly increase, so the span is not zero; its fraction stays
    // within [0, 1] and the slopes between the two rows' slopes.
    const double t = (station - a.station) / (b.station - a.station);
    return {a.left + t * (b.left - a.left), a.right + t * (b.right - a.right)};
}

double CrossFall::riseAt(double station, double offset) const
{
    requireFinite(offset, VOMEL_TRANSLATE_NOOP("Failure", "offset"));
    const SideSlopes slopes = slopesAt(station);
    const double slope = offset >= 0 ? slopes.left : slopes.right;
    return requireFinite(std::fabs(offset) * slope / PERCENT, VOMEL_TRANSLATE_NOOP("Failure", "cross-fall rise"));
}

}  // namespace vomel
