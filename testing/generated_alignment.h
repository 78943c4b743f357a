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

namespace vomel::testing {

inline std::shared_ptr<const vomel::PreparedLine> generatedMainLine(const vomel::testing::LineShape& shape)
{
    return vomel::testing::mainLineFrom(vomel::testing::generatedJdFile(shape));
}

inline std::shared_ptr<const vomel::PreparedLine> generatedElementChain(const vomel::testing::LineShape& shape)
{
    return vomel::testing::elementChainFrom(vomel::testing::generatedElementFile(shape));
}

}  // namespace vomel::testing
