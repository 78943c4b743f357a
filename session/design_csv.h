#pragma once
// The CSV results with the design surface: after the columns of
// csvResultsLine come `design_elevation` (at the point's station and
// offset; empty beyond the profile) and `dz` (the point's elevation minus
// the design elevation; empty when the point's line gives no elevation),
// and, for points read from CASS data, `code`. The shared columns keep
// their bytes.

#include <string>

#include "alignment/design_surface.h"
#include "session/results_csv.h"

namespace vomel {

struct CsvColumns {
    const DesignSurface* design = nullptr;  // adds design_elevation and dz
    bool code = false;  // adds code
};

std::string csvResultsHeader(const CsvColumns& columns);

std::string csvResultsLine(const PreparedLine& alignment, const CsvColumns& columns, const SurveyPoint& point,
                           const Solution& solution);
// The same bytes appended to `out`: no string per number or per row.
void appendCsvResultsLine(std::string& out, const PreparedLine& alignment, const CsvColumns& columns,
                          const SurveyPoint& point, const Solution& solution);

// computeCsvRun with the added columns; options.pointsFormat says how the
// coordinate file is written.
void computeCsvRun(const PreparedLine& alignment, const CsvColumns& columns, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress = {},
                   const RunOptions& options = {});

}  // namespace vomel
