#pragma once
// Alignments built from generated line files, for the tests that compare
// the fast and the reference back-calculation.

#include <memory>
#include <sstream>
#include <string>

#include "formats/jd_reader.h"
#include "session/session.h"
#include "testing/generated_lines.h"
#include "formats/element_file.h"
#include "text/packed_angle.h"

namespace vomeltest {

inline std::shared_ptr<const vomel::Alignment> generatedMainLine(const vomelbench::LineShape& shape)
{
    auto line = std::make_shared<vomel::mainline::MainLine>();
    std::istringstream in(vomelbench::generatedJdFile(shape));
    vomel::readJdFile(in, *line);
    vomel::mainline::computeCurveElements(*line);
    return vomel::buildAlignment(std::shared_ptr<const vomel::mainline::MainLine>(std::move(line)), vomel::ChainBreaks{});
}

inline std::shared_ptr<const vomel::Alignment> generatedElementChain(const vomelbench::LineShape& shape)
{
    auto chain = std::make_shared<vomel::ramp::ElementChain>();
    std::istringstream in(vomelbench::generatedElementFile(shape));
    vomel::readElementFile(in, *chain);
    vomel::ramp::splitReverseSpirals(*chain);
    chain->chainStartAzimuth = vomel::packedDmsToDegrees(chain->chainStartAzimuth);
    vomel::ramp::prepareElementChain(*chain);
    return vomel::buildAlignment(std::shared_ptr<const vomel::ramp::ElementChain>(std::move(chain)));
}

}  // namespace vomeltest
