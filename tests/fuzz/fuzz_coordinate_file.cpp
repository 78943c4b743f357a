// The coordinate file: every point read is solved on a fixed ramp and
// written as a results line.
#include <cstdint>

#include "alignment/element_chain.h"
#include "formats/element_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "text/packed_angle.h"

namespace {

// Points solved per input; the rest are only read and written.
constexpr std::size_t SOLVED_POINTS = 8;

// A straight, an entry spiral and an arc: about 330 m of line.
std::shared_ptr<const vomel::PreparedLine> fixedRamp()
{
    auto chain = std::make_shared<vomel::ElementChain>();
    std::istringstream file("0,1000,2000,30.1500\r\n9999 9999 100\r\n9999 300 80\r\n300 300 150\r\n");
    vomel::readElementFile(file, *chain);
    vomel::layOutChain(*chain);
    return vomel::prepareLine(std::move(chain));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto ramp = fixedRamp();
    auto in = vomel::fuzz::asFile(data, size);
    std::vector<vomel::SurveyPoint> points;
    try {
        points = vomel::readCoordinateFile(in);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        return 0;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const vomel::SurveyPoint& p = points[i];
        if (p.label.empty() || p.label.find_first_of(" \t\r\n") != std::string::npos) {
            vomel::fuzz::fault("label \"" + p.label + "\"");
        }
        if (i < SOLVED_POINTS) vomel::fuzz::solveAndCheck(*ramp, p.x, p.y);
        try {
            const std::string line = vomel::resultsDataLine(p, vomel::Solution{}, ramp->chainBreaks());
            if (line.compare(0, p.label.size(), p.label) != 0) vomel::fuzz::fault("label not copied");
        } catch (const vomel::Failure& failure) {
            vomel::fuzz::checkFailure(failure);
        }
    }
    return 0;
}
