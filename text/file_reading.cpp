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

std::string leadingContent(std::istream& in)
{
    const std::istream::pos_type at = in.tellg();
    char head[512] = {};
    in.read(head, sizeof head);
    const std::string text(head, static_cast<std::size_t>(in.gcount()));
    in.clear();
    in.seekg(at);
    std::size_t i = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;  // UTF-8 byte-order mark
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    return text.substr(i);
}

}  // namespace vomel
