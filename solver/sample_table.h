#pragma once
// The design line sampled once per unit of length: the table the searches
// for a point's foot start from.
//
// Every length here is in the line's unit (m or ft).

#include <cstddef>
#include <functional>
#include <vector>

#include "core/point.h"

namespace vomel {

// The forward function of the design line: continuous station -> point.
using PointFunction = std::function<Point(double)>;

// Spacing of the samples, in the line's unit (m or ft).
inline constexpr double SAMPLE_STEP = 1.0;

// The design line evaluated once per unit of length. Indices 0..n+1 (n = sampleCount):
// sample 0 lies one step before the start, 1 is the start, 2..n-1 follow at
// one step each, n is the end (so the last interior spacing is the short
// one), and n + 1 lies one step beyond the end.
struct SampleTable {
    double sampleStep = SAMPLE_STEP;
    std::size_t sampleCount = 0;  // n; 0 while no table has been built
    std::vector<double> sampleStation;
    std::vector<double> sampleX;
    std::vector<double> sampleY;

    bool empty() const { return sampleCount == 0; }
};

// Number of samples n for a line from start to end: Int((end - start) /
// step) + 2. A reversed, empty of meaning or non-finite extent is a
// GeometryFailure (the caller bounds the length before asking).
std::size_t sampleCountFor(double start, double end);

// Samples the design line over [start, end]; start <= end, both finite.
// With `threads` above 1 a long line is sampled on that many threads, each
// taking a contiguous run of the stations (`pointAt` must be safe there);
// the table is the same to the bit, and a failure is the first in station
// order, whatever the number.
SampleTable buildSampleTable(double start, double end, const PointFunction& pointAt, unsigned threads = 1);

// Fewest samples a thread of buildSampleTable takes: below this, starting a
// thread costs more than it saves (a sample takes a few tenths of a
// microsecond, a thread some tens).
inline constexpr std::size_t MIN_SAMPLES_PER_THREAD = 4096;

}  // namespace vomel
