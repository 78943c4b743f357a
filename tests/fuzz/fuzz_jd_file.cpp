// The intersection-point file through the reader, the curve elements, the
// point at a station, the sample table and a few solved points.
#include <cstdint>

#include "formats/jd_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = vomel::fuzz::asFile(data, size);
    auto line = std::make_shared<vomel::MainLine>();
    try {
        vomel::readJdFile(in, *line);
        vomel::computeCurveElements(*line);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        return 0;
    }
    const double start = line->jdStation[1];
    const double end = line->endStation();
    vomel::fuzz::requireFiniteResult(start, "start station");
    vomel::fuzz::requireFiniteResult(end, "end station");

    // Stations before, on and beyond the line, some absurd.
    for (double s : {start - 10.0, start, (start + end) / 2, end, end + 10.0, 1e15, -1e15}) {
        try {
            const vomel::Point p = vomel::mainLineStationToXY(*line, s);
            vomel::fuzz::requireFiniteResult(p.x, "X at a station");
            vomel::fuzz::requireFiniteResult(p.y, "Y at a station");
        } catch (const vomel::Failure& failure) {
            vomel::fuzz::checkFailure(failure);
        }
    }

    if (!(end - start <= vomel::fuzz::FUZZ_SAMPLED_LENGTH)) return 0;
    try {
        const auto alignment = vomel::prepareLine(std::move(line), vomel::ChainBreaks{});
        vomel::fuzz::sampleAndSolve(alignment);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }
    return 0;
}
