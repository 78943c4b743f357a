#pragma once
// The data line of the results file appended to a buffer: the bytes of
// resultsDataLine (app/results_file.h) without a string per item.

#include <string>

#include "app/coordinate_file.h"
#include "app/dispatcher.h"
#include "mainline/chain_break.h"

namespace vomel {

void appendResultsDataLine(std::string& out, const SurveyPoint& point, const Solution& solution,
                           const zxbas::ChainBreaks& breaks);

}  // namespace vomel
