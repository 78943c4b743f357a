#pragma once
// Stations answered one by one (elevation, station, stakeout): a station
// that cannot be answered leaves its place in the output empty and is
// named on standard error, "vomel-cli: station A320: reason"; the others
// are answered, and the command's exit status says that one failed.

#include <string>

namespace vomel::cli {

class StationBatch {
public:
    // Names the station (as the user wrote it, with `where` after it when
    // not empty) and the reason on standard error.
    void fail(const std::string& station, const std::string& reason, const std::string& where = {});

    // EXIT_DONE, or EXIT_FORMAT when any station failed.
    int status() const;

private:
    bool failed_ = false;
};

}  // namespace vomel::cli
