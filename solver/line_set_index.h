#pragma once
// One search over the samples of several lines (the lines of a project):
// the nearest sample of them all and every sample within a margin of it,
// each with its line.
//
// The line whose box is nearest is searched first, then the others; each
// line's own SampleIndex is searched only when its box lies within the
// nearest distance found so far plus the margin, and only for samples
// within that reach. The nearest
// line's nearest sample and candidates are therefore exactly those its own
// search gives (the same distances, the lowest index on a tie), and a line
// far from the point costs one box test.

#include <cstddef>
#include <vector>

#include "solver/sample_index.h"
#include "solver/sample_table.h"

namespace vomel {

class LineSetIndex {
public:
    // A line's samples and their index, which must outlive the LineSetIndex
    // (a project holds both).
    struct Line {
        const SampleTable* samples;
        const SampleIndex* index;
    };

    LineSetIndex() = default;
    // Every line must be sampled and indexed.
    explicit LineSetIndex(std::vector<Line> lines);

    bool empty() const { return lines_.empty(); }

    // A sample of a line (its index k in 1..n of that line's table) and its
    // distance to the point, in the lines' unit.
    struct Candidate {
        std::size_t line;
        std::size_t index;
        double distance;
    };

    // The nearest sample of all lines, and in `within` every sample of any
    // line no farther than its distance plus `margin`, by line and then by
    // index. On a tie between lines the nearest may be either's.
    Candidate nearestWithin(double x, double y, double margin, std::vector<Candidate>& within) const;

private:
    std::vector<Line> lines_;
};

}  // namespace vomel
