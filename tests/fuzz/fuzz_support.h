#pragma once
// What every fuzz target checks: the program may refuse an input only with a
// vomel::Failure whose reason is short and says something; any other
// exception, any crash and any number that is not finite stops the fuzzer.

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "alignment/element_chain.h"
#include "alignment/vertical_curve_table.h"
#include "core/failure.h"
#include "formats/imported_line.h"
#include "formats/results_file.h"
#include "session/session.h"

namespace vomel::fuzz {

// Lines longer than this (metres) are read and prepared but not sampled:
// sampling costs one forward evaluation a metre, and the fuzzer must try
// thousands of inputs a second. The program's own bound is MAX_LINE_LENGTH.
inline constexpr double FUZZ_SAMPLED_LENGTH = 2000.0;

// Longest reason a failure may carry, bytes: a reason quotes at most an
// excerpt of the file, never a whole line of it.
inline constexpr std::size_t MAX_REASON_BYTES = 600;

[[noreturn]] inline void fault(const std::string& what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline void requireFiniteResult(double value, const char* what)
{
    if (!std::isfinite(value)) fault(std::string(what) + " is not finite");
}

inline void checkFailure(const vomel::Failure& failure)
{
    if (failure.reason().empty()) fault("a failure without a reason");
    if (failure.reason().size() > MAX_REASON_BYTES) {
        fault("a reason of " + std::to_string(failure.reason().size()) + " bytes: " + failure.reason().substr(0, 200));
    }
    if (failure.line() < 0) fault("a failure with a negative line number");
}

inline std::istringstream asFile(const std::uint8_t* data, std::size_t size)
{
    return std::istringstream(std::string(reinterpret_cast<const char*>(data), size), std::ios::binary);
}

// Solves (x, y) on the line by both algorithms (the reference and the fast
// one) and checks each answer as the results file and the main window would
// show it: finite, its station within one sample step of the line's ends,
// and writable.
inline void solveAndCheck(const vomel::PreparedLine& alignment, double x, double y)
{
    for (const auto solver : {vomel::SolverChoice::Reference, vomel::SolverChoice::Fast}) {
        try {
            const vomel::Solution s = alignment.solve(x, y, solver);
            requireFiniteResult(s.station, "station");
            requireFiniteResult(s.offset, "offset");
            requireFiniteResult(s.footX, "foot X");
            requireFiniteResult(s.footY, "foot Y");
            if (s.station < alignment.startStation - vomel::SAMPLE_STEP ||
                s.station > alignment.endStation + vomel::SAMPLE_STEP) {
                fault("station " + std::to_string(s.station) + " outside the sampled range");
            }
            vomel::SurveyPoint point;
            point.label = "P";
            point.x = x;
            point.y = y;
            (void)vomel::resultsDataLine(point, s, alignment.chainBreaks());
            (void)vomel::stationTextPlain(alignment.chainBreaks(), s.station);
        } catch (const vomel::Failure& failure) {
            checkFailure(failure);
        }
    }
}

// Samples a short line and solves a handful of points about it: its ends,
// points beside them, and points far away.
inline void sampleAndSolve(const std::shared_ptr<const vomel::PreparedLine>& alignment)
{
    const vomel::SampleTable& t = alignment->samples;
    const std::size_t n = t.sampleCount;
    const double points[][2] = {
        {t.sampleX[1], t.sampleY[1]},
        {t.sampleX[n], t.sampleY[n]},
        {t.sampleX[(n + 1) / 2] + 3.5, t.sampleY[(n + 1) / 2] - 7.25},
        {t.sampleX[1] - 50.0, t.sampleY[1] + 50.0},
        {0.0, 0.0},
        {1e9, -1e9},
    };
    for (const auto& p : points) solveAndCheck(*alignment, p[0], p[1]);
}

// An imported alignment (LandXML or IFC): finite ends, the profile's
// elevations and grades at its curves and its curve table, and, for a short
// line, the sample table and a few solved points.
inline void checkImportedLine(vomel::ImportedLine line)
{
    const vomel::ElementChain& chain = *line.chain;
    const double start = chain.nodeStation[1];
    const double end = chain.nodeStation[chain.elementCount + 1];
    requireFiniteResult(start, "start station");
    requireFiniteResult(end, "end station");

    if (line.profile) {
        const vomel::VerticalProfile& profile = *line.profile;
        try {
            for (const vomel::VerticalCurve& curve : profile.curveTable()) {
                for (double s : {curve.startStation, curve.station, curve.endStation}) {
                    if (!profile.contains(s)) continue;
                    requireFiniteResult(profile.elevationAt(s), "elevation");
                    requireFiniteResult(profile.gradeAt(s), "grade");
                }
            }
            vomel::verticalCurveTable(profile, line.chainBreaks);
        } catch (const vomel::Failure& failure) {
            checkFailure(failure);
        }
    }

    if (!(end - start <= FUZZ_SAMPLED_LENGTH)) return;
    try {
        sampleAndSolve(vomel::prepareLine(std::move(line.chain), line.chainBreaks));
    } catch (const vomel::Failure& failure) {
        checkFailure(failure);
    }
}

}  // namespace vomel::fuzz
