#pragma once
// The generated lines of the benchmarks, prepared as the program prepares
// a line it reads.

#include <memory>
#include <sstream>
#include <string>

#include "app/jd_reader.h"
#include "app/session.h"
#include "bench/generated_lines.h"

namespace vomelbench {

inline std::shared_ptr<const vomel::Alignment> mainLineFrom(const std::string& jdText)
{
    auto line = std::make_shared<zxbas::MainLine>();
    std::istringstream in(jdText);
    vomel::readJdFile(in, *line);
    zxbas::computeCurveElements(*line);
    return vomel::buildAlignment(std::shared_ptr<const zxbas::MainLine>(std::move(line)), zxbas::ChainBreaks{});
}

inline std::shared_ptr<const vomel::Alignment> elementChainFrom(const std::string& elementText)
{
    auto chain = std::make_shared<htbas::ElementChain>();
    std::istringstream in(elementText);
    htbas::readElementFile(in, *chain);
    htbas::splitReverseSpirals(*chain);
    chain->chainStartAzimuth = htbas::packedDmsToDegrees(chain->chainStartAzimuth);
    htbas::prepareElementChain(*chain);
    return vomel::buildAlignment(std::shared_ptr<const htbas::ElementChain>(std::move(chain)));
}

}  // namespace vomelbench
