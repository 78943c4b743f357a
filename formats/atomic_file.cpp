#include "formats/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/failure.h"

namespace vomel {

namespace {

// Bytes gathered before they are handed to the file.
constexpr std::size_t WRITE_BUFFER_BYTES = 1u << 16;
// Bytes of a temporary results file after which the system is asked to
// start writing them to the disk, so that the fsync at the end waits for
// the last of them only, not for the whole file.
constexpr std::size_t WRITEBACK_STEP_BYTES = 1u << 20;

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Paths that name an open stream of a process (our standard output, say,
// redirected to a file) rather than a file to replace.
bool namesProcessStream(const std::string& path)
{
    return path == "/dev/stdout" || path == "/dev/stderr" || startsWith(path, "/dev/fd/") || startsWith(path, "/proc/");
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path) : path_(path), finalPath_(path)
{
    if (path.empty()) throw FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "no results file was named"));

    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) fail(FailureCode::CannotReachResults, errno);
    if (exists && S_ISDIR(info.st_mode)) fail(FailureCode::ResultsIsFolder, EISDIR);

    if (exists && (!S_ISREG(info.st_mode) || namesProcessStream(path))) {
        // A terminal, pipe or device (or our own standard output): write
        // straight to it, appending so that a redirection keeps its place.
        direct_ = true;
        fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd_ < 0) fail(FailureCode::CannotOpenResults, errno);
        return;
    }

    mode_t mode = newFileMode();
    if (exists) {
        if (::access(path.c_str(), W_OK) != 0) fail(FailureCode::ResultsCannotBeReplaced, errno);
        mode = info.st_mode & 07777;
        // Replace the file a symbolic link points to, not the link.
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            finalPath_ = real;
            std::free(real);
        }
    }

    std::string pattern = folderOf(finalPath_) + "/." + baseNameOf(finalPath_) + ".XXXXXX";
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) fail(FailureCode::CannotCreateInFolder, errno, folderOf(finalPath_));
    tempPath_ = pattern;
    ::fchmod(fd_, mode);
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() noexcept
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tempPath_.empty() && !committed_) ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

void AtomicFile::fail(const char* reason, int error) const
{
    FileFailure failure(reason, Wording(SYSTEM_REASON_CONTEXT, std::strerror(error), {}));
    failure.setFile(path_);
    throw failure;
}

void AtomicFile::fail(FailureCode code, int error, const std::string& folder) const
{
    std::vector<std::string> values;
    if (!folder.empty()) values.push_back(folder);
    values.emplace_back(std::strerror(error));
    FileFailure failure(code, std::move(values));
    failure.setFile(path_);
    throw failure;
}

void AtomicFile::write(std::string_view bytes)
{
    if (fd_ < 0) throw FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "the results file is already closed"));
    if (!direct_ && buffer_.empty() && bytes.size() >= WRITE_BUFFER_BYTES) {
        sink(bytes.data(), bytes.size());  // a large block goes straight to the file
        return;
    }
    buffer_ += bytes;
    // A stream cannot be taken back: it gets the whole file at commit, so a
    // failed run writes nothing to it.
    if (!direct_ && buffer_.size() >= WRITE_BUFFER_BYTES) flushBuffer();
}

void AtomicFile::flushBuffer()
{
    sink(buffer_.data(), buffer_.size());
    buffer_.clear();
}

void AtomicFile::sink(const char* data, std::size_t size)
{
    while (size > 0) {
        std::size_t chunk = size;
        if (faultAfter_) {
            if (written_ >= *faultAfter_) {
                discard();
                fail(FailureCode::CannotWriteResults, ENOSPC);
            }
            chunk = std::min(chunk, *faultAfter_ - written_);
        }
        const ssize_t n = ::write(fd_, data, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            discard();
            fail(FailureCode::CannotWriteResults, error);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        written_ += static_cast<std::size_t>(n);
    }
    if (!direct_ && written_ - writebackStarted_ >= WRITEBACK_STEP_BYTES) startWriteback();
}

void AtomicFile::startWriteback() noexcept
{
#ifdef __linux__
    // Only a hint: a failure to write shows at the fsync of commit().
    const auto from = static_cast<off_t>(writebackStarted_);
    const auto bytes = static_cast<off_t>(written_ - writebackStarted_);
    if (::sync_file_range(fd_, from, bytes, SYNC_FILE_RANGE_WRITE) != 0) return;
#endif
    writebackStarted_ = written_;
}

void AtomicFile::commit()
{
    if (fd_ < 0) throw FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "the results file is already closed"));
    flushBuffer();
    if (direct_) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            fail(VOMEL_TRANSLATE_NOOP("Failure", "cannot finish writing the results file: %1"), errno);
        committed_ = true;
        return;
    }
    if (::fsync(fd_) != 0) {
        const int error = errno;
        discard();
        fail(FailureCode::CannotWriteResultsToDisk, error);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        discard();
        fail(VOMEL_TRANSLATE_NOOP("Failure", "cannot finish writing the results file: %1"), error);
    }
    if (::rename(tempPath_.c_str(), finalPath_.c_str()) != 0) {
        const int error = errno;
        discard();
        fail(VOMEL_TRANSLATE_NOOP("Failure", "cannot put the results file in place: %1"), error);
    }
    committed_ = true;
    tempPath_.clear();
}

}  // namespace vomel
