#pragma once
// One search over the samples of several lines (the lines of a project):
// the nearest sample of them all and every sample within a margin of it,
// each with its line, in one descent of one tree rather than a search per
// line.
//
// The samples of every line are laid out line after line and indexed by a
// SampleIndex, so that the nearest sample is found exactly as that line's
// own SampleIndex finds it (the same distances, the lowest index on a tie,
// the earlier line on a tie between lines), and the candidates of the
// nearest line are exactly those its own search gives.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/sample_index.h"
#include "solver/sample_table.h"

namespace vomel {

class LineSetIndex {
public:
    LineSetIndex() = default;
    // Indexes samples 1..n of each table; every table must be built (not
    // empty). The index copies the coordinates: it keeps no reference.
    explicit LineSetIndex(const std::vector<const SampleTable*>& tables);

    bool empty() const { return index_.empty(); }

    // A sample of a line (its index k in 1..n of that line's table) and its
    // distance to the point, in the lines' unit.
    struct Candidate {
        std::size_t line;
        std::size_t index;
        double distance;
    };

    // The nearest sample of all lines, and in `within` every sample of any
    // line no farther than its distance plus `margin`, by line and then by
    // index (SampleIndex::nearestWithin over all the lines at once).
    Candidate nearestWithin(double x, double y, double margin, std::vector<Candidate>& within) const;

private:
    Candidate candidate(std::size_t merged, double distance) const;

    // Every line's samples 1..n, line after line, as samples 1..N of one
    // table (its two end samples unused).
    SampleTable merged_;
    SampleIndex index_;
    std::vector<std::uint32_t> lineOf_;  // by merged index
    std::vector<std::size_t> firstOfLine_;  // merged index of each line's sample 1
};

}  // namespace vomel
