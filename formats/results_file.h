#pragma once
// The results file: one header line, then one line per point in input
// order, CR LF line ends. Each line is its items side by side: a text item
// as it is, a number as one blank (a minus sign instead for a negative
// value), the number in its general form, one blank. A negative number
// right after a text item gets one blank before its sign, so that the text
// can still be told from the number.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/failure_code.h"
#include "formats/coordinate_file.h"
#include "solver/dispatcher.h"
#include "stationing/chain_break.h"

namespace vomel {

// Encoding of the header's Chinese captions; labels are always copied as
// they were read.
enum class HeaderEncoding { Gbk, Utf8 };

// The header line with its CR LF; "断链标识 " only when the line has breaks.
std::string resultsHeader(bool withChainBreaks, HeaderEncoding encoding);

// A text of the window's (UTF-8) in `encoding`, as the header is written.
std::string encodedText(const std::string& utf8, HeaderEncoding encoding);

// Builds one line item by item under the number rule.
class ResultLine {
public:
    void addText(std::string_view text);
    void addNumber(double value);  // a value that is not finite is a GeometryFailure
    // The line with its CR LF.
    std::string finish() const { return text_ + "\r\n"; }

private:
    std::string text_;
    bool afterText_ = false;
};

// The data line of one point: label, X, Y, [letter,] stated station, offset,
// foot X, foot Y, elevation. The letter column is written only when the
// line has chain breaks.
std::string resultsDataLine(const SurveyPoint& point, const Solution& solution, const vomel::ChainBreaks& breaks);

// Writes a user file safely. A regular file (or a new one) is written to a
// temporary file beside it and renamed over it only by commit(): a failed or
// abandoned write leaves any earlier file of that name untouched and no
// temporary file behind. A destination that exists and is not a regular file
// (a terminal, a pipe, a device) or that names one of this process's own
// streams (/dev/stdout, /proc/self/fd/1) is written directly and never
// replaced. The destination is checked, and the temporary file created, on
// construction, before any result exists.
class ResultsWriter {
public:
    // FileFailure naming the path when the destination cannot be written.
    explicit ResultsWriter(const std::string& path);
    ~ResultsWriter();
    ResultsWriter(const ResultsWriter&) = delete;
    ResultsWriter& operator=(const ResultsWriter&) = delete;

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
