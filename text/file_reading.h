#pragma once
// Reading an input file whole: open it, let a reader parse it, and name the
// file in any failure. A read error of the device is not taken for the end
// of the file.

#include <fstream>
#include <istream>
#include <string>

#include "core/failure.h"

namespace vomel {

// Opens the file for reading in binary; a folder or a file that cannot be
// opened is a file failure naming it.
std::ifstream openForReading(const std::string& path);

// The first bytes of the stream (at most 512) after a UTF-8 byte-order mark
// and leading blanks, to tell a file's format by its content; the stream is
// left where it was.
std::string leadingContent(std::istream& in);

template <class Read>
auto readWholeFile(const std::string& path, Read read)
{
    try {
        std::ifstream in = openForReading(path);
        auto result = read(in);
        if (in.bad()) throw FileFailure(FailureCode::FileNotReadToEnd, {});
        return result;
    } catch (Failure& failure) {
        failure.setFile(path);
        throw;
    }
}

}  // namespace vomel
