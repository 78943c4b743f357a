#pragma once
// Builds prepared element chains for the interchange tests, the way the
// initialisation does: read, then lay out.

#include <memory>
#include <sstream>
#include <string>

#include "alignment/element_chain.h"
#include "formats/element_file.h"

namespace vomel::testing {

inline std::unique_ptr<vomel::ElementChain> prepareFrom(std::istream& in)
{
    auto chain = std::make_unique<vomel::ElementChain>();
    vomel::readElementFile(in, *chain);
    vomel::layOutChain(*chain);
    return chain;
}

inline std::unique_ptr<vomel::ElementChain> prepareFromText(const std::string& text)
{
    std::istringstream in(text);
    return prepareFrom(in);
}

inline double endStation(const vomel::ElementChain& chain) { return chain.nodeStation[chain.elementCount + 1]; }

}  // namespace vomel::testing
