#include "solver/line_set_index.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/failure.h"

namespace vomel {

LineSetIndex::LineSetIndex(std::vector<Line> lines) : lines_(std::move(lines))
{
    if (lines_.empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    for (const Line& line : lines_) {
        if (line.samples == nullptr || line.index == nullptr || line.samples->empty() || line.index->empty()) {
            throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
        }
    }
}

LineSetIndex::Candidate LineSetIndex::nearestWithin(double x, double y, double margin,
                                                    std::vector<Candidate>& within) const
{
    // Reused from point to point: no allocation once they have grown. Taken
    // by reference once: every use of a thread_local itself goes through
    // its initialisation check.
    thread_local std::vector<double> gapsOfThread;
    thread_local std::vector<SampleIndex::Candidate> foundOfThread;
    std::vector<double>& squaredGaps = gapsOfThread;  // to each line's box
    std::vector<SampleIndex::Candidate>& found = foundOfThread;
    squaredGaps.resize(lines_.size());
    std::size_t first = 0;  // the line whose box is nearest: searched first, so that the reach is short early
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        squaredGaps[line] = lines_[line].index->squaredGapToAll(x, y);
        if (squaredGaps[line] < squaredGaps[first]) first = line;
    }

    Candidate nearest{0, 0, INFINITY};
    within.clear();
    std::size_t searched = 0;
    const auto search = [&](std::size_t line) {
        if (SampleIndex::beyond(squaredGaps[line], nearest.distance + margin)) return;
        ++searched;
        found.clear();
        const Line& each = lines_[line];
        const std::size_t k = each.index->nearestBelow(*each.samples, x, y, margin, nearest.distance, found);
        if (k != 0) {
            nearest.line = line;
            nearest.index = k;
        }
        for (const auto& c : found) within.push_back({line, c.index, c.distance});
    };
    search(first);
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        if (line != first) search(line);
    }
    // Samples taken before a nearer line was searched may lie beyond the
    // final reach.
    const double reach = nearest.distance + margin;
    within.erase(
        std::remove_if(within.begin(), within.end(), [reach](const Candidate& c) { return c.distance > reach; }),
        within.end());
    // One line's candidates come by index already.
    if (searched > 1) {
        std::sort(within.begin(), within.end(), [](const Candidate& p, const Candidate& q) {
            return p.line < q.line || (p.line == q.line && p.index < q.index);
        });
    }
    return nearest;
}

}  // namespace vomel
