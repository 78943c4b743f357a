#pragma once
// Alignments built from generated line files, for the tests that compare
// the fast and the reference back-calculation.

#include <memory>
#include <sstream>
#include <string>

#include "app/jd_reader.h"
#include "app/session.h"
#include "bench/generated_lines.h"

namespace vomeltest {

inline std::shared_ptr<const vomel::Alignment> generatedMainLine(const vomelbench::LineShape& shape)
{
    auto line = std::make_shared<zxbas::MainLine>();
    std::istringstream in(vomelbench::generatedJdFile(shape));
    vomel::readJdFile(in, *line);
    zxbas::computeCurveElements(*line);
    return vomel::buildAlignment(std::shared_ptr<const zxbas::MainLine>(std::move(line)), zxbas::ChainBreaks{});
}

inline std::shared_ptr<const vomel::Alignment> generatedElementChain(const vomelbench::LineShape& shape)
{
    auto chain = std::make_shared<htbas::ElementChain>();
    std::istringstream in(vomelbench::generatedElementFile(shape));
    htbas::readElementFile(in, *chain);
    htbas::splitReverseSpirals(*chain);
    chain->chainStartAzimuth = htbas::packedDmsToDegrees(chain->chainStartAzimuth);
    htbas::prepareElementChain(*chain);
    return vomel::buildAlignment(std::shared_ptr<const htbas::ElementChain>(std::move(chain)));
}

}  // namespace vomeltest
