#include "session/streamed_run.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/failure.h"
#include "text/input_line.h"

namespace vomel {

namespace {

// Bytes asked of the file at a time while counting.
constexpr std::size_t COUNT_BLOCK_BYTES = 1u << 20;
// Least bytes asked of the file at a time while reading chunks.
constexpr std::size_t READ_BLOCK_BYTES = 1u << 16;
// Chunks handed out per worker ahead of the one being written, so that no
// worker waits while the calling thread writes.
constexpr std::size_t CHUNKS_AHEAD_PER_WORKER = 2;

// A file opened for reading by descriptor, closed on every path.
class InputFile {
public:
    explicit InputFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
    {
        if (fd_ < 0) throw FileFailure(FailureCode::CannotOpen, {std::strerror(errno)});
    }
    ~InputFile() { ::close(fd_); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Up to `size` bytes into `data`; 0 at the end of the file.
    std::size_t read(char* data, std::size_t size)
    {
        for (;;) {
            const ssize_t n = ::read(fd_, data, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno != EINTR) throw FileFailure(FailureCode::FileNotReadToEnd, {});
        }
    }

private:
    int fd_;
};

// Cuts the file into chunks of whole lines of about `target` bytes. The
// last line of the file may lack its LF. A line longer than a line may be
// is cut after MAX_LINE_BYTES + 2 bytes, which the worker refuses.
class ChunkReader {
public:
    ChunkReader(const std::string& path, std::size_t target) : file_(path), target_(std::max<std::size_t>(target, 1)) {}

    bool next(std::string& chunk, long& firstLine)
    {
        chunk.swap(pending_);
        pending_.clear();
        for (;;) {
            if (chunk.size() >= target_ || (ended_ && !chunk.empty())) {
                const auto lastEnd = chunk.rfind('\n');
                if (lastEnd != std::string::npos) {
                    pending_.assign(chunk, lastEnd + 1, std::string::npos);
                    chunk.resize(lastEnd + 1);
                    break;
                }
                if (ended_) break;  // the file's last line, without its LF
                if (chunk.size() > MAX_LINE_BYTES + 1) {
                    pending_.assign(chunk, MAX_LINE_BYTES + 2, std::string::npos);
                    chunk.resize(MAX_LINE_BYTES + 2);
                    break;
                }
            }
            if (ended_) return false;
            const std::size_t want = std::max(READ_BLOCK_BYTES, target_ - std::min(target_, chunk.size()));
            const std::size_t had = chunk.size();
            chunk.resize(had + want);
            const std::size_t got = file_.read(chunk.data() + had, want);
            chunk.resize(had + got);
            if (got == 0) ended_ = true;
        }
        firstLine = nextLine_;
        nextLine_ += static_cast<long>(std::count(chunk.begin(), chunk.end(), '\n'));
        return true;
    }

private:
    InputFile file_;
    std::size_t target_;
    std::string pending_;
    long nextLine_ = 1;
    bool ended_ = false;
};

// One chunk of the file and what its worker made of it.
struct Chunk {
    std::string input;
    long firstLine = 1;
    std::string output;
    std::size_t points = 0;
    bool endsList = false;  // a blank line ended the list in this chunk
    std::exception_ptr failure;
    std::vector<SurveyPoint> kept;  // only when the run shows its solved points
    std::vector<Solution> keptSolutions;
    bool done = false;
};

// The line rules of LineReader on one line without its LF: CRs before the
// end dropped, a CR elsewhere and an overlong line refused.
std::string_view checkedLine(std::string_view raw, long line)
{
    const bool fits = raw.size() <= MAX_LINE_BYTES || (raw.size() == MAX_LINE_BYTES + 1 && raw.back() == '\r');
    if (!fits) throw FormatFailure(FailureCode::LineTooLong, {std::to_string(MAX_LINE_BYTES)}, line);
    while (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (raw.find('\r') != std::string_view::npos) {
        throw FormatFailure(FailureCode::CarriageReturnInLine, {}, line);
    }
    return raw;
}

// Parses, solves and formats the lines of a chunk up to a blank line or its
// end; stops at the first failure, which it keeps.
void processChunk(Chunk& chunk, const PointSolver& solve, const ResultsLayout& layout, PointsFormat format, bool keep)
{
    chunk.output.clear();
    chunk.points = 0;
    chunk.endsList = false;
    chunk.failure = nullptr;
    chunk.kept.clear();
    chunk.keptSolutions.clear();
    SurveyPoint point;
    const std::string_view text(chunk.input);
    std::size_t at = 0;
    long line = chunk.firstLine;
    for (; at < text.size(); ++line) {
        const auto end = text.find('\n', at);
        const std::string_view raw = text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        at = end == std::string_view::npos ? text.size() : end + 1;
        try {
            if (!parseCoordinateLine(checkedLine(raw, line), line, format, point)) {
                chunk.endsList = true;
                return;
            }
        } catch (...) {
            chunk.failure = std::current_exception();
            return;
        }
        try {
            const Solution solution = solve(point.x, point.y);
            if (layout.append) {
                layout.append(chunk.output, point, solution);
            } else {
                chunk.output += layout.line(point, solution);
            }
            if (keep) {
                chunk.kept.push_back(point);
                chunk.keptSolutions.push_back(solution);
            }
        } catch (const GeometryFailure& failure) {
            chunk.failure =
                std::make_exception_ptr(GeometryFailure(point.line, VOMEL_TRANSLATE_NOOP("Failure", "point %1: %2"),
                                                        quotedExcerpt(point.label), failure.wording()));
            return;
        } catch (...) {
            chunk.failure = std::current_exception();
            return;
        }
        ++chunk.points;
    }
}

// Worker threads taking chunks from a queue; joined on destruction, after
// the chunk each is working on.
class WorkerPool {
public:
    WorkerPool(unsigned threads, const PointSolver& solve, const ResultsLayout& layout, PointsFormat format, bool keep)
    {
        for (unsigned i = 0; i < threads; ++i) {
            workers_.emplace_back([this, &solve, &layout, format, keep] { work(solve, layout, format, keep); });
        }
    }
    ~WorkerPool()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wanted_.notify_all();
        for (auto& worker : workers_) worker.join();
    }
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void hand(Chunk* chunk)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            chunk->done = false;
            queue_.push_back(chunk);
        }
        wanted_.notify_one();
    }

    void waitFor(const Chunk& chunk)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        finished_.wait(lock, [&chunk] { return chunk.done; });
    }

private:
    void work(const PointSolver& solve, const ResultsLayout& layout, PointsFormat format, bool keep)
    {
        for (;;) {
            Chunk* chunk = nullptr;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wanted_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_) return;
                chunk = queue_.front();
                queue_.pop_front();
            }
            processChunk(*chunk, solve, layout, format, keep);
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                chunk->done = true;
            }
            finished_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wanted_;
    std::condition_variable finished_;
    std::deque<Chunk*> queue_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace

long countListedPoints(const std::string& path)
{
    InputFile file(path);
    std::vector<char> block(COUNT_BLOCK_BYTES);
    long count = 0;
    bool inLine = false;  // past the first character that is not a blank, tab or CR
    for (;;) {
        const std::size_t size = file.read(block.data(), block.size());
        if (size == 0) return count;
        const char* p = block.data();
        const char* const end = p + size;
        while (p < end) {
            if (inLine) {
                const void* lineEnd = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
                if (lineEnd == nullptr) break;
                p = static_cast<const char*>(lineEnd) + 1;
                inLine = false;
                continue;
            }
            const char c = *p;
            if (c == '\n') return count;  // a blank line ends the list
            if (c != ' ' && c != '\t' && c != '\r') {
                ++count;
                inLine = true;
            }
            ++p;
        }
    }
}

long streamPoints(const PointSolver& solve, const ResultsLayout& layout, const std::string& path, PointsFormat format,
                  ResultsWriter& writer, const ProgressCallback& progress, unsigned threads, std::size_t chunkPoints,
                  const SolvedChunkCallback& solved)
{
    const std::size_t chunkBytes = std::max<std::size_t>(chunkPoints, 1) * CHUNK_BYTES_PER_POINT;
    ChunkReader reader(path, chunkBytes);
    const bool keep = static_cast<bool>(solved);
    long done = 0;

    // Writes a finished chunk; false once the list has ended.
    const auto finish = [&](Chunk& chunk) {
        if (chunk.failure) std::rethrow_exception(chunk.failure);
        if (progress) {
            for (std::size_t i = 1; i <= chunk.points; ++i) progress(done + static_cast<long>(i), -1);
        }
        writer.write(chunk.output);
        if (keep) solved(chunk.kept, chunk.keptSolutions);
        done += static_cast<long>(chunk.points);
        return !chunk.endsList;
    };

    if (threads <= 1) {
        Chunk chunk;
        while (reader.next(chunk.input, chunk.firstLine)) {
            processChunk(chunk, solve, layout, format, keep);
            if (!finish(chunk)) break;
        }
        return done;
    }

    // In flight, in file order; declared before the pool, so that the pool
    // (and every worker with its chunk) is gone before the chunks are.
    std::deque<std::unique_ptr<Chunk>> inFlight;
    std::vector<std::unique_ptr<Chunk>> spare;
    bool more = true;
    WorkerPool pool(threads, solve, layout, format, keep);
    for (;;) {
        while (more && inFlight.size() < CHUNKS_AHEAD_PER_WORKER * threads) {
            std::unique_ptr<Chunk> chunk;
            if (spare.empty()) {
                chunk = std::make_unique<Chunk>();
            } else {
                chunk = std::move(spare.back());
                spare.pop_back();
            }
            more = reader.next(chunk->input, chunk->firstLine);
            if (!more) break;
            pool.hand(chunk.get());
            inFlight.push_back(std::move(chunk));
        }
        if (inFlight.empty()) break;
        pool.waitFor(*inFlight.front());
        if (!finish(*inFlight.front())) break;  // later chunks lie after the list's end
        spare.push_back(std::move(inFlight.front()));
        inFlight.pop_front();
    }
    return done;
}

}  // namespace vomel
