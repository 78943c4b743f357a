#include "solver/sample_index.h"

#include <algorithm>
#include <cmath>

#include "core/failure.h"

namespace vomel {

namespace {

constexpr std::size_t LEAF_SAMPLES = SampleIndex::LEAF_SAMPLES;

// The plane distance exactly as the dispatcher's scan computes it, so that
// both compare the same rounded values.

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

std::size_t SampleIndex::nearest(const SampleTable& samples, double x, double y) const
{
    if (empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    if (samples.sampleCount != sampleCount_) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the sample index does not belong to this sample table"));
    }
    const auto& sx = samples.sampleX;
    const auto& sy = samples.sampleY;

    std::size_t best = 0;
    double bestDistance = INFINITY;
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
        // A box strictly farther than the best holds no better sample and no
        // tie; a tie with a box must still be opened (it may hold a lower
        // index at the same distance).
        if (beyond(top.squaredGap, bestDistance)) continue;
        const std::size_t node = top.node;
        const std::size_t first = first_[node];
        const std::size_t last = last_[node];
        if (isLeaf(first, last)) {
            for (std::size_t j = first; j <= last; ++j) {
                const double dx = sx[j] - x;
                const double dy = sy[j] - y;
                // Surely farther than the best: no need of its square root.
                if (beyond(dx * dx + dy * dy, bestDistance)) continue;
                const double d = planeDistance(dx, dy);
                if (d < bestDistance || (d == bestDistance && j < best)) {
                    bestDistance = d;
                    best = j;
                }
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

}  // namespace vomel
