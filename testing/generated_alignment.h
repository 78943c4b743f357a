#pragma once
// Alignments built from generated line files, for the tests that compare
// the fast and the reference back-calculation.

#include <memory>
#include <sstream>
#include <string>

#include "formats/jd_reader.h"
#include "session/session.h"
#include "testing/bench_lines.h"
#include "testing/generated_lines.h"

namespace vomeltest {

inline std::shared_ptr<const vomel::Alignment> generatedMainLine(const vomelbench::LineShape& shape)
{
    return vomelbench::mainLineFrom(vomelbench::generatedJdFile(shape));
}

inline std::shared_ptr<const vomel::Alignment> generatedElementChain(const vomelbench::LineShape& shape)
{
    return vomelbench::elementChainFrom(vomelbench::generatedElementFile(shape));
}

}  // namespace vomeltest
