#pragma once
// A search structure over the samples of a design line that finds the
// nearest sample to a point without measuring the distance to every sample,
// and finds the very sample the full scan of the reference search finds: the same
// distances, computed the same way, and the lowest index on a tie.
//
// Consecutive samples lie close together along the line, so runs of them
// make tight boxes. The index is a balanced tree over runs of consecutive
// samples, each node holding the bounding box of its run; a search visits
// the nearer child first and skips every box that lies farther away than the
// best sample found so far.

#include <cmath>
#include <cstddef>
#include <vector>

#include "solver/reference_search.h"

namespace vomel {

class SampleIndex {
public:
    // Samples in a leaf run: small enough that a leaf is a few metres of
    // line, large enough that the tree stays shallow.
    static constexpr std::size_t LEAF_SAMPLES = 16;

    SampleIndex() = default;
    // Indexes samples 1..n of `samples` (the two extra samples only close a
    // bracket and are never the nearest). The index keeps no reference to
    // the table: it is handed the same, unchanged table with every query,
    // so that both can be copied together.
    explicit SampleIndex(const SampleTable& samples);

    bool empty() const { return sampleCount_ == 0; }

    // Index k in 1..n of the sample of `samples` nearest to (x, y), exactly
    // as nearestSample() finds it.
    std::size_t nearest(const SampleTable& samples, double x, double y) const;

    // A sample and its distance to the point, metres.
    struct Candidate {
        std::size_t index;
        double distance;
    };

    // The nearest sample as nearest() finds it, and in `within` every sample
    // of 1..n no farther from (x, y) than the nearest one's distance plus
    // `margin` (metres), the nearest included, by increasing index. A range
    // query on the boxes: only boxes within that reach are opened.
    std::size_t nearestWithin(const SampleTable& samples, double x, double y, double margin,
                              std::vector<Candidate>& within) const;

    // The search of several lines at once (LineSetIndex): as nearestWithin,
    // but only samples no farther than `bound` (the nearest distance found
    // on the lines searched before) plus `margin` count; `within` is
    // appended to. Returns the nearest sample if it is nearer than `bound`,
    // and lowers `bound` to its distance; 0 otherwise.
    std::size_t nearestBelow(const SampleTable& samples, double x, double y, double margin, double& bound,
                             std::vector<Candidate>& within) const;

    // Square of the distance from (x, y) to the box of every sample, in the
    // line's unit squared: no sample is nearer.
    double squaredGapToAll(double x, double y) const { return squaredGapToBox(boxes_[0], x, y); }

    // True only when a box whose squared gap is `squaredGap` lies strictly
    // beyond `reach`, as its rounded distance would show.
    static bool beyond(double squaredGap, double reach) { return squaredGap > reach * reach * (1.0 + PRUNE_SLACK); }

private:
    struct Box {
        double minX, minY, maxX, maxY;
    };
    void build(const SampleTable& samples, std::size_t node, std::size_t first, std::size_t last);
    // The one descent both queries make: boxes beyond the best distance
    // plus `margin` are skipped, every sample within it is handed to
    // `onSample(index, distance, bestDistance)` after the best is updated.
    // Returns the nearest sample.
    template <class OnSample>
    std::size_t descend(const SampleTable& samples, double x, double y, double margin, OnSample onSample,
                        double bound = INFINITY) const;
    void requireTable(const SampleTable& samples) const;
    // Square of the distance from (x, y) to the box, metres²: never above
    // the computed square of the distance to any sample in it (each gap is
    // a difference the samples' distances also form, or 0, and rounding
    // keeps order). Inline: a query takes two per level of the tree.
    static double squaredGapToBox(const Box& box, double x, double y)
    {
        const double dx = x < box.minX ? box.minX - x : (x > box.maxX ? x - box.maxX : 0.0);
        const double dy = y < box.minY ? box.minY - y : (y > box.maxY ? y - box.maxY : 0.0);
        return dx * dx + dy * dy;
    }
    // beyond(): comparing squares spares a square root per box, and
    // PRUNE_SLACK keeps the test on the safe side of the rounding of the
    // squares (a box kept in doubt is only opened and measured sample by
    // sample).
    // Relative, far above the rounding of a square (a few 1e-16).
    static constexpr double PRUNE_SLACK = 1e-12;

    std::size_t sampleCount_ = 0;
    // Node i covers samples [first_[i], last_[i]]; its children are 2i + 1
    // and 2i + 2; a node of at most LEAF_SAMPLES samples is a leaf.
    std::vector<Box> boxes_;
    std::vector<std::size_t> first_;
    std::vector<std::size_t> last_;
};

}  // namespace vomel
