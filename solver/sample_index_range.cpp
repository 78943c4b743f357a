// The range query of the sample index: every sample within a margin of the
// nearest sample's distance, found in one descent of the box tree.
#include <algorithm>
#include <cmath>

#include "core/failure.h"
#include "solver/sample_index.h"

namespace vomel {

namespace {

// The plane distance exactly as the index and the dispatcher's scan compute it.

}  // namespace

std::size_t SampleIndex::nearestWithin(const SampleTable& samples, double x, double y, double margin,
                                       std::vector<Candidate>& within) const
{
    if (empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    if (samples.sampleCount != sampleCount_) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the sample index does not belong to this sample table"));
    }
    if (!(margin >= 0.0) || !std::isfinite(margin)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the reach of a sample search is not a finite, non-negative distance"));
    }
    const auto& sx = samples.sampleX;
    const auto& sy = samples.sampleY;
    within.clear();

    std::size_t best = 0;
    double bestDistance = INFINITY;
    struct Pending {
        std::size_t node;
        double squaredGap;
    };
    Pending stack[128];
    std::size_t depth = 0;
    stack[depth++] = {0, squaredGapToBox(boxes_[0], x, y)};
    while (depth > 0) {
        const Pending top = stack[--depth];
        // The reach only shrinks as nearer samples are found, so a box
        // beyond it now holds no sample that belongs to the answer.
        if (beyond(top.squaredGap, bestDistance + margin)) continue;
        const std::size_t node = top.node;
        const std::size_t first = first_[node];
        const std::size_t last = last_[node];
        if (last - first + 1 <= SampleIndex::LEAF_SAMPLES) {
            for (std::size_t j = first; j <= last; ++j) {
                const double dx = sx[j] - x;
                const double dy = sy[j] - y;
                // A sample surely beyond the reach is neither the nearest
                // nor a candidate: its square root is not needed.
                if (beyond(dx * dx + dy * dy, bestDistance + margin)) continue;
                const double d = planeDistance(dx, dy);
                if (d < bestDistance || (d == bestDistance && j < best)) {
                    bestDistance = d;
                    best = j;
                }
                if (d <= bestDistance + margin) within.push_back({j, d});
            }
            continue;
        }
        const std::size_t a = 2 * node + 1;
        const std::size_t b = 2 * node + 2;
        const double da = squaredGapToBox(boxes_[a], x, y);
        const double db = squaredGapToBox(boxes_[b], x, y);
        if (db < da) {
            stack[depth++] = {a, da};
            stack[depth++] = {b, db};
        } else {
            stack[depth++] = {b, db};
            stack[depth++] = {a, da};
        }
    }
    // Samples taken while the nearest was still farther may lie beyond the
    // final reach.
    const double reach = bestDistance + margin;
    within.erase(
        std::remove_if(within.begin(), within.end(), [reach](const Candidate& c) { return c.distance > reach; }),
        within.end());
    std::sort(within.begin(), within.end(), [](const Candidate& p, const Candidate& q) { return p.index < q.index; });
    return best;
}

}  // namespace vomel
