#pragma once
// Builds prepared element chains for the interchange tests, the way the
// initialisation does: read, split, unpack the azimuth, prepare.

#include <memory>
#include <sstream>
#include <string>

#include "interchange/element_chain.h"

namespace chain_support {

inline std::unique_ptr<htbas::ElementChain> prepareFrom(std::istream& in)
{
    auto chain = std::make_unique<htbas::ElementChain>();
    htbas::readElementFile(in, *chain);
    htbas::splitReverseSpirals(*chain);
    chain->chainStartAzimuth = htbas::packedDmsToDegrees(chain->chainStartAzimuth);
    htbas::prepareElementChain(*chain);
    return chain;
}

inline std::unique_ptr<htbas::ElementChain> prepareFromText(const std::string& text)
{
    std::istringstream in(text);
    return prepareFrom(in);
}

inline double endStation(const htbas::ElementChain& chain)
{
    return chain.nodeStation[chain.elementCount + 1];
}

}  // namespace chain_support
