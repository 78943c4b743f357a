#include "solver/sample_index.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"

namespace vomel {

namespace {

constexpr std::size_t LEAF_SAMPLES = SampleIndex::LEAF_SAMPLES;

bool isLeaf(std::size_t first, std::size_t last) { return last - first + 1 <= LEAF_SAMPLES; }

}  // namespace

SampleIndex::SampleIndex(const SampleTable& samples)
{
    if (samples.empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    sampleCount_ = samples.sampleCount;
    // A balanced binary tree over n samples with leaves of LEAF_SAMPLES
    // needs fewer than 4 n / LEAF_SAMPLES + 1 nodes in heap order.
    const std::size_t n = samples.sampleCount;
    std::size_t nodes = 1;
    while (nodes * LEAF_SAMPLES < n) nodes *= 2;
    boxes_.resize(2 * nodes);
    first_.resize(2 * nodes);
    last_.resize(2 * nodes);
    build(samples, 0, 1, n);
}

void SampleIndex::build(const SampleTable& samples, std::size_t node, std::size_t first, std::size_t last)
{
    first_[node] = first;
    last_[node] = last;
    Box box{samples.sampleX[first], samples.sampleY[first], samples.sampleX[first], samples.sampleY[first]};
    if (isLeaf(first, last)) {
        for (std::size_t j = first + 1; j <= last; ++j) {
            box.minX = std::min(box.minX, samples.sampleX[j]);
            box.maxX = std::max(box.maxX, samples.sampleX[j]);
            box.minY = std::min(box.minY, samples.sampleY[j]);
            box.maxY = std::max(box.maxY, samples.sampleY[j]);
        }
    } else {
        const std::size_t middle = first + (last - first) / 2;
        build(samples, 2 * node + 1, first, middle);
        build(samples, 2 * node + 2, middle + 1, last);
        const Box& a = boxes_[2 * node + 1];
        const Box& b = boxes_[2 * node + 2];
        box = {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX), std::max(a.maxY, b.maxY)};
    }
    boxes_[node] = box;
}

void SampleIndex::requireTable(const SampleTable& samples) const
{
    if (empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    if (samples.sampleCount != sampleCount_) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the sample index does not belong to this sample table"));
    }
}

template <class OnSample>
std::size_t SampleIndex::descend(const SampleTable& samples, double x, double y, double margin, OnSample onSample,
                                 double bound) const
{
    const auto& sx = samples.sampleX;
    const auto& sy = samples.sampleY;

    std::size_t best = 0;
    double bestDistance = bound;
    // Depth-first, nearer child first; the tree depth is below 64.
    struct Pending {
        std::size_t node;
        double squaredGap;
    };
    Pending stack[128];
    std::size_t depth = 0;
    stack[depth++] = {0, squaredGapToBox(boxes_[0], x, y)};
    while (depth > 0) {
        const Pending top = stack[--depth];
        // The reach only shrinks as nearer samples are found, so a box beyond
        // it now holds no better sample and none within the margin; a tie
        // with a box must still be opened (it may hold a lower index at the
        // same distance).
        if (beyond(top.squaredGap, bestDistance + margin)) continue;
        const std::size_t node = top.node;
        const std::size_t first = first_[node];
        const std::size_t last = last_[node];
        if (isLeaf(first, last)) {
            for (std::size_t j = first; j <= last; ++j) {
                const double dx = sx[j] - x;
                const double dy = sy[j] - y;
                // Surely beyond the reach: no need of its square root.
                if (beyond(dx * dx + dy * dy, bestDistance + margin)) continue;
                const double d = planeDistance(dx, dy);
                if (d < bestDistance || (d == bestDistance && j < best)) {
                    bestDistance = d;
                    best = j;
                }
                onSample(j, d, bestDistance);
            }
            continue;
        }
        const std::size_t a = 2 * node + 1;
        const std::size_t b = 2 * node + 2;
        const double da = squaredGapToBox(boxes_[a], x, y);
        const double db = squaredGapToBox(boxes_[b], x, y);
        // Push the farther child first so that the nearer one is opened
        // first; on equal box distances the lower run first.
        if (db < da) {
            stack[depth++] = {a, da};
            stack[depth++] = {b, db};
        } else {
            stack[depth++] = {b, db};
            stack[depth++] = {a, da};
        }
    }
    return best;
}

std::size_t SampleIndex::nearest(const SampleTable& samples, double x, double y) const
{
    requireTable(samples);
    // A margin of 0 adds nothing: the reach is the best distance itself.
    return descend(samples, x, y, 0.0, [](std::size_t, double, double) {});
}

std::size_t SampleIndex::nearestWithin(const SampleTable& samples, double x, double y, double margin,
                                       std::vector<Candidate>& within) const
{
    requireTable(samples);
    if (!(margin >= 0.0) || !std::isfinite(margin)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the reach of a sample search is not a finite, non-negative distance"));
    }
    within.clear();
    const std::size_t best = descend(samples, x, y, margin, [&](std::size_t j, double d, double bestDistance) {
        if (d <= bestDistance + margin) within.push_back({j, d});
    });
    // Samples taken while the nearest was still farther may lie beyond the
    // final reach (the nearest's distance computed as the descent did).
    const double reach = planeDistance(samples.sampleX[best] - x, samples.sampleY[best] - y) + margin;
    within.erase(
        std::remove_if(within.begin(), within.end(), [reach](const Candidate& c) { return c.distance > reach; }),
        within.end());
    std::sort(within.begin(), within.end(), [](const Candidate& p, const Candidate& q) { return p.index < q.index; });
    return best;
}

std::size_t SampleIndex::nearestBelow(const SampleTable& samples, double x, double y, double margin, double& bound,
                                      std::vector<Candidate>& within) const
{
    requireTable(samples);
    const std::size_t first = within.size();
    const std::size_t best = descend(
        samples, x, y, margin,
        [&](std::size_t j, double d, double bestDistance) {
            if (d <= bestDistance + margin) within.push_back({j, d});
        },
        bound);
    if (best != 0) bound = planeDistance(samples.sampleX[best] - x, samples.sampleY[best] - y);
    std::sort(within.begin() + static_cast<long>(first), within.end(),
              [](const Candidate& p, const Candidate& q) { return p.index < q.index; });
    return best;
}

}  // namespace vomel
