#pragma once
// A user file written whole or not at all.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/failure_code.h"

namespace vomel {

// Writes a user file safely. A regular file (or a new one) is written to a
// temporary file beside it and renamed over it only by commit(): a failed or
// abandoned write leaves any earlier file of that name untouched and no
// temporary file behind. A destination that exists and is not a regular file
// (a terminal, a pipe, a device) or that names one of this process's own
// streams (/dev/stdout, /proc/self/fd/1) is written directly and never
// replaced. The destination is checked, and the temporary file created, on
// construction, before any result exists.
class AtomicFile {
public:
    // FileFailure naming the path when the destination cannot be written.
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes);
    // Flushes, makes the data durable and puts the file in place.
    void commit();

    const std::string& path() const { return path_; }
    bool writesDirectly() const { return direct_; }
    // The temporary file while one is open (empty when writing directly).
    const std::string& temporaryPath() const { return tempPath_; }

    // Testing seam: the sink fails as a full disk does (ENOSPC) once
    // `bytes` bytes have been written through it.
    void failAfterBytes(std::size_t bytes) { faultAfter_ = bytes; }

private:
    void flushBuffer();
    void sink(const char* data, std::size_t size);
    // Asks the system to start writing the bytes written so far to the disk.
    void startWriteback() noexcept;
    [[noreturn]] void fail(const char* reason, int error) const;
    // The same for a failure with a wording of its own; `folder`, when
    // given, is its first value.
    [[noreturn]] void fail(FailureCode code, int error, const std::string& folder = {}) const;
    void discard() noexcept;

    std::string path_;  // as given, for messages
    std::string finalPath_;  // the file the rename puts in place
    std::string tempPath_;
    int fd_ = -1;
    bool direct_ = false;
    bool committed_ = false;
    std::string buffer_;
    std::size_t written_ = 0;
    std::size_t writebackStarted_ = 0;  // bytes the system was asked to write out
    std::optional<std::size_t> faultAfter_;
};

}  // namespace vomel
