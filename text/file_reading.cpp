#include "text/file_reading.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vomel {

std::ifstream openForReading(const std::string& path)
{
    // A folder opens as a stream that reads nothing; say what it is rather
    // than report an empty file.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        FileFailure failure(FailureCode::FileIsFolder, {});
        failure.setFile(path);
        throw failure;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        FileFailure failure(FailureCode::CannotOpen, {std::strerror(errno)});
        failure.setFile(path);
        throw failure;
    }
    return in;
}

}  // namespace vomel
