#pragma once
// The generated lines of the benchmarks, prepared as the program prepares
// a line it reads.

#include <memory>
#include <sstream>
#include <string>

#include "formats/jd_reader.h"
#include "session/session.h"
#include "testing/generated_lines.h"
#include "formats/element_file.h"
#include "text/packed_angle.h"

namespace vomelbench {

inline std::shared_ptr<const vomel::Alignment> mainLineFrom(const std::string& jdText)
{
    auto line = std::make_shared<vomel::mainline::MainLine>();
    std::istringstream in(jdText);
    vomel::readJdFile(in, *line);
    vomel::mainline::computeCurveElements(*line);
    return vomel::buildAlignment(std::shared_ptr<const vomel::mainline::MainLine>(std::move(line)), vomel::ChainBreaks{});
}

inline std::shared_ptr<const vomel::Alignment> elementChainFrom(const std::string& elementText)
{
    auto chain = std::make_shared<vomel::ramp::ElementChain>();
    std::istringstream in(elementText);
    vomel::readElementFile(in, *chain);
    vomel::ramp::splitReverseSpirals(*chain);
    chain->chainStartAzimuth = vomel::packedDmsToDegrees(chain->chainStartAzimuth);
    vomel::ramp::prepareElementChain(*chain);
    return vomel::buildAlignment(std::shared_ptr<const vomel::ramp::ElementChain>(std::move(chain)));
}

}  // namespace vomelbench
