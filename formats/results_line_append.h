#pragma once
// The data line of the results file appended to a buffer: the bytes of
// resultsDataLine (formats/results_file.h) without a string per item.

#include <string>

#include "formats/coordinate_file.h"
#include "solver/solution.h"
#include "stationing/chain_break.h"

namespace vomel {

void appendResultsDataLine(std::string& out, const SurveyPoint& point, const Solution& solution,
                           const vomel::ChainBreaks& breaks);

}  // namespace vomel
