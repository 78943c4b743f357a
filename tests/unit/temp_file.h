#pragma once
// A file of given bytes in the temporary folder, removed when the test ends.

#include <filesystem>
#include <fstream>
#include <string>

namespace vomeltest {

class TempFile {
public:
    // NOLINTNEXTLINE(bugprone-easily-swappable-parameters): name, then contents, as a file is made
    TempFile(const std::string& name, const std::string& bytes)
        : path_((std::filesystem::temp_directory_path() / ("vomel-test-" + name)).string())
    {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace vomeltest
