#pragma once
// The generated lines of the benchmarks, prepared as the program prepares
// a line it reads.

#include <memory>
#include <sstream>
#include <string>

#include "formats/element_file.h"
#include "formats/jd_reader.h"
#include "session/session.h"
#include "testing/generated_lines.h"

namespace vomel::testing {

inline std::shared_ptr<const vomel::PreparedLine> mainLineFrom(const std::string& jdText)
{
    std::istringstream in(jdText);
    return vomel::prepareLine(vomel::readMainLine(in), vomel::ChainBreaks{});
}

inline std::shared_ptr<const vomel::PreparedLine> elementChainFrom(const std::string& elementText)
{
    std::istringstream in(elementText);
    return vomel::prepareLine(vomel::readElementChainFile(in));
}

}  // namespace vomel::testing
