#include "cli/station_batch.h"

#include <cstdio>

#include "cli/cli_failure.h"

namespace vomel::cli {

void StationBatch::fail(const std::string& station, const std::string& reason, const std::string& where)
{
    failed_ = true;
    const std::string message =
        "vomel-cli: station " + station + (where.empty() ? "" : " " + where) + ": " + reason + "\n";
    std::fputs(message.c_str(), stderr);
}

int StationBatch::status() const { return failed_ ? EXIT_FORMAT : EXIT_DONE; }

}  // namespace vomel::cli
