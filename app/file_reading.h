#pragma once
// Reading an input file whole: open it, let a reader parse it, and name the
// file in any failure. A read error of the device is not taken for the end
// of the file.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "app/failure.h"

namespace vomel {

template <class Read>
auto readWholeFile(const std::string& path, Read read)
{
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw FileFailure(std::string("cannot open the file: ") + std::strerror(errno));
        auto result = read(in);
        if (in.bad()) throw FileFailure("the file could not be read to its end");
        return result;
    } catch (Failure& failure) {
        failure.setFile(path);
        throw;
    }
}

}  // namespace vomel
