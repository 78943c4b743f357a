#include "session/streamed_run.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <exception>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <mutex>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/failure.h"
#include "session/project_solution.h"
#include "text/file_reading.h"
#include "text/input_line.h"

namespace vomel {

namespace {

// Bytes asked of the file at a time while counting.
constexpr std::size_t COUNT_BLOCK_BYTES = 1u << 20;
// Bytes asked of the file at a time while looking for its first point.
constexpr std::size_t FIRST_LINE_BLOCK_BYTES = 1u << 12;
// Least bytes asked of the file at a time while reading chunks.
constexpr std::size_t READ_BLOCK_BYTES = 1u << 16;
// Chunks handed out per worker ahead of the one being written, so that no
// worker waits while the calling thread writes.
constexpr std::size_t CHUNKS_AHEAD_PER_WORKER = 2;

constexpr const char* FILE_CHANGED =
    VOMEL_TRANSLATE_NOOP("Failure", "the file changed while it was being read (%1 points counted, %2 read)");

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

// The bytes of the run's input: a regular file read as it goes, or the
// whole of a pipe held in memory.
class ByteSource {
public:
    explicit ByteSource(const std::string& path) : file_(std::make_unique<InputFile>(path)) {}
    explicit ByteSource(const std::string* held) : held_(held) {}

    std::size_t read(char* data, std::size_t size)
    {
        if (file_) return file_->read(data, size);
        const std::size_t taken = std::min(size, held_->size() - at_);
        std::memcpy(data, held_->data() + at_, taken);
        at_ += taken;
        return taken;
    }

private:
    std::unique_ptr<InputFile> file_;
    const std::string* held_ = nullptr;
    std::size_t at_ = 0;
};

// Cuts the file into chunks of whole lines of about `target` bytes. The
// last line of the file may lack its LF. A line longer than a line may be
// is cut after MAX_LINE_BYTES + 2 bytes, which the worker refuses.
class ChunkReader {
public:
    ChunkReader(ByteSource& source, std::size_t target) : source_(source), target_(std::max<std::size_t>(target, 1)) {}

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
            const std::size_t got = source_.read(chunk.data() + had, want);
            chunk.resize(had + got);
            if (got == 0) ended_ = true;
        }
        firstLine = nextLine_;
        nextLine_ += static_cast<long>(std::count(chunk.begin(), chunk.end(), '\n'));
        return true;
    }

private:
    ByteSource& source_;
    std::size_t target_;
    std::string pending_;
    long nextLine_ = 1;
    bool ended_ = false;
};

// One chunk of the file and what its worker made of it.
template <class Result>
struct Chunk {
    std::string input;
    long firstLine = 1;
    std::vector<std::string> outputs;  // one per results file
    std::size_t points = 0;
    bool endsList = false;  // a blank line ended the list in this chunk
    std::exception_ptr failure;
    std::vector<SurveyPoint> kept;  // only when the run shows its solved points
    std::vector<Result> keptSolutions;
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
template <class Result>
void processChunk(Chunk<Result>& chunk, const RunWork<Result>& work, PointsFormat format, bool keep)
{
    chunk.outputs.resize(work.headers.size());
    for (auto& output : chunk.outputs) output.clear();
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
            const Result solution = work.solve(point);
            work.append(chunk.outputs, point, solution);
            if (keep) chunk.keptSolutions.push_back(solution);
            if (keep && work.solved) chunk.kept.push_back(point);
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
// the chunk each is working on. The calling thread works too while it waits
// for the chunk it is to write next, so a run on n threads starts n - 1
// workers and no thread sits idle beside the workers on a busy core.
template <class Result>
class WorkerPool {
public:
    WorkerPool(unsigned workers, const RunWork<Result>& work, PointsFormat format, bool keep)
        : work_(work), format_(format), keep_(keep)
    {
        for (unsigned i = 0; i < workers; ++i) workers_.emplace_back([this] { takeChunks(); });
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

    void hand(Chunk<Result>* chunk)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            chunk->done = false;
            queue_.push_back(chunk);
        }
        wanted_.notify_one();
    }

    // Returns once `chunk` is done, working on the chunks still queued (the
    // oldest first, so `chunk` itself if no worker has taken it) meanwhile.
    void waitFor(const Chunk<Result>& chunk)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!chunk.done) {
            if (queue_.empty()) {
                finished_.wait(lock);
                continue;
            }
            Chunk<Result>* taken = queue_.front();
            queue_.pop_front();
            lock.unlock();
            process(*taken);
            lock.lock();
        }
    }

private:
    void takeChunks()
    {
        for (;;) {
            Chunk<Result>* chunk = nullptr;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wanted_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_) return;
                chunk = queue_.front();
                queue_.pop_front();
            }
            process(*chunk);
        }
    }

    void process(Chunk<Result>& chunk)
    {
        processChunk(chunk, work_, format_, keep_);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            chunk.done = true;
        }
        finished_.notify_all();
    }

    const RunWork<Result>& work_;
    PointsFormat format_;
    bool keep_;

    std::mutex mutex_;
    std::condition_variable wanted_;
    std::condition_variable finished_;
    std::deque<Chunk<Result>*> queue_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

// The listed points of `source`: its lines up to the first blank line
// (blanks, tabs and CRs only) or the end; with `firstOnly`, 1 as soon as
// the first line lists a point.
long countPoints(ByteSource& source, bool firstOnly)
{
    // Not cleared: only the bytes read are looked at.
    const std::size_t blockBytes = firstOnly ? FIRST_LINE_BLOCK_BYTES : COUNT_BLOCK_BYTES;
    const auto block = std::make_unique_for_overwrite<char[]>(blockBytes);
    long count = 0;
    bool inLine = false;  // past the first character that is not a blank, tab or CR
    for (;;) {
        const std::size_t size = source.read(block.get(), blockBytes);
        if (size == 0) return count;
        const char* p = block.get();
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
                if (firstOnly) return count;
                inLine = true;
            }
            ++p;
        }
    }
}

// The whole of a stream that is no regular file (a pipe). Reading stops
// past MAX_FILE_BYTES, or once more than MAX_POINTS lines are held: the
// run refuses the point after the last it may hold, or the line that is
// too long, when it comes to it.
std::string heldWhole(std::ifstream& in)
{
    std::string held;
    std::vector<char> block(READ_BLOCK_BYTES);
    std::size_t lines = 0;
    while (in && held.size() <= MAX_FILE_BYTES && lines <= MAX_POINTS) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        lines += static_cast<std::size_t>(std::count(block.data(), block.data() + got, '\n'));
        held.append(block.data(), got);
    }
    if (in.bad()) throw FileFailure(FailureCode::FileNotReadToEnd, {});
    if (held.size() > MAX_FILE_BYTES) {
        const auto line = std::count(held.begin(), held.begin() + MAX_FILE_BYTES, '\n') + 1;
        throw FormatFailure(FailureCode::FileTooLong, {std::to_string(MAX_FILE_BYTES)}, static_cast<long>(line));
    }
    return held;
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The results files of a run, each written through its temporary file
// from the header on; those that got no line after their header are left
// unwritten at the end unless kept.
class ResultsWriters {
public:
    ResultsWriters(const std::vector<std::string>& paths, const std::vector<std::string>& headers)
    {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            files_.push_back(std::make_unique<AtomicFile>(paths[i]));
            files_.back()->write(headers[i]);
        }
        used_.assign(paths.size(), false);
    }

    void write(const std::vector<std::string>& outputs)
    {
        for (std::size_t i = 0; i < files_.size(); ++i) {
            if (outputs[i].empty()) continue;
            files_[i]->write(outputs[i]);
            used_[i] = true;
        }
    }

    // Commits every file that got a line (every file with `keepUnused`);
    // the others' temporary files go with the writers.
    void commit(bool keepUnused)
    {
        for (std::size_t i = 0; i < files_.size(); ++i) {
            if (used_[i] || keepUnused) files_[i]->commit();
        }
    }

private:
    std::vector<std::unique_ptr<AtomicFile>> files_;
    std::vector<bool> used_;
};

// Reads, solves and writes every point of `source` after the header already
// given to `writer`, on `threads` workers (1: all on the calling thread);
// a point beyond `maxPoints` is a FormatFailure naming its line. Returns
// the number of points.
template <class Result>
long streamPoints(const RunWork<Result>& work, ByteSource& source, PointsFormat format, ResultsWriters& writers,
                  const ProgressCallback& progress, unsigned threads, std::size_t chunkPoints, std::size_t maxPoints)
{
    const std::size_t chunkBytes = std::max<std::size_t>(chunkPoints, 1) * CHUNK_BYTES_PER_POINT;
    ChunkReader reader(source, chunkBytes);
    const bool keep = work.solved || work.tally;
    long done = 0;

    // Writes a finished chunk; false once the list has ended.
    const auto finish = [&](Chunk<Result>& chunk) {
        // Each point is one line, so the one past the limit is on this line.
        const auto held = static_cast<std::size_t>(done);
        if (chunk.points > maxPoints - held) {
            throw FormatFailure(FailureCode::TooManyPoints, {std::to_string(maxPoints)},
                                chunk.firstLine + static_cast<long>(maxPoints - held));
        }
        if (chunk.failure) std::rethrow_exception(chunk.failure);
        if (progress) {
            for (std::size_t i = 1; i <= chunk.points; ++i) progress(done + static_cast<long>(i), -1);
        }
        writers.write(chunk.outputs);
        if (work.tally) work.tally(chunk.keptSolutions);
        if (work.solved) work.solved(chunk.kept, chunk.keptSolutions);
        done += static_cast<long>(chunk.points);
        return !chunk.endsList;
    };

    if (threads <= 1) {
        Chunk<Result> chunk;
        while (reader.next(chunk.input, chunk.firstLine)) {
            processChunk(chunk, work, format, keep);
            if (!finish(chunk)) break;
        }
        return done;
    }

    // In flight, in file order; declared before the pool, so that the pool
    // (and every worker with its chunk) is gone before the chunks are.
    std::deque<std::unique_ptr<Chunk<Result>>> inFlight;
    std::vector<std::unique_ptr<Chunk<Result>>> spare;
    bool more = true;
    WorkerPool<Result> pool(threads - 1, work, format, keep);
    for (;;) {
        while (more && inFlight.size() < CHUNKS_AHEAD_PER_WORKER * threads) {
            std::unique_ptr<Chunk<Result>> chunk;
            if (spare.empty()) {
                chunk = std::make_unique<Chunk<Result>>();
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

}  // namespace

NoPointFailure::NoPointFailure() : FormatFailure(FailureCode::NoPointListed, {}) {}

unsigned workerCount(unsigned requested)
{
    if (requested != 0) return requested;
    return std::max(1u, std::thread::hardware_concurrency());
}

long countListedPoints(const std::string& path)
{
    ByteSource source(path);
    return countPoints(source, false);
}

template <class Result>
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results files out, as the user picks them
void streamRun(const RunWork<Result>& work, const std::string& coordinatePath,
               const std::vector<std::string>& resultsPaths, const ProgressCallback& progress,
               const RunOptions& options)
{
    const unsigned threads = workerCount(options.threads);
    try {
        std::ifstream in = openForReading(coordinatePath);
        // A regular file is streamed, of any size; a pipe can be read only
        // once, so it is held whole first.
        std::string held;
        const bool streamed = isRegularFile(coordinatePath);
        if (streamed) {
            in.close();
        } else {
            held = heldWhole(in);
        }
        const auto source = [&] { return streamed ? ByteSource(coordinatePath) : ByteSource(&held); };
        // The points are counted first only for the progress's total: a
        // run without progress reads the file once, after a look at its
        // first line.
        ByteSource counted = source();
        const long count = countPoints(counted, !progress);
        if (count == 0) throw NoPointFailure();
        ResultsWriters writers(resultsPaths, work.headers);
        ProgressCallback announce;
        if (progress) announce = [&progress, count](long i, long) { progress(i, count); };
        ByteSource points = source();
        const long done = streamPoints(work, points, options.pointsFormat, writers, announce, threads,
                                       options.chunkPoints, streamed ? SIZE_MAX : MAX_POINTS);
        if (progress && done != count) {
            throw FileFailure(FILE_CHANGED, std::to_string(count), std::to_string(done));
        }
        writers.commit(work.keepUnused);
    } catch (Failure& failure) {
        // A cancellation from the progress callback belongs to no file.
        if (dynamic_cast<CancelledFailure*>(&failure) == nullptr) failure.setFile(coordinatePath);
        throw;
    }
}

template void streamRun(const RunWork<Solution>&, const std::string&, const std::vector<std::string>&,
                        const ProgressCallback&, const RunOptions&);
template void streamRun(const RunWork<ProjectSolution>&, const std::string&, const std::vector<std::string>&,
                        const ProgressCallback&, const RunOptions&);

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user picks them
void streamFileRun(const PointSolver& solve, const ResultsLayout& layout, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress, const RunOptions& options,
                   const SolvedChunkCallback& solved)
{
    RunWork<Solution> work;
    work.solve = [&solve](const SurveyPoint& point) { return solve(point.x, point.y); };
    work.headers = {layout.header};
    work.append = [&layout](std::vector<std::string>& outputs, const SurveyPoint& point, const Solution& solution) {
        layout.append(outputs.front(), point, solution);
    };
    work.solved = solved;
    work.keepUnused = true;
    streamRun(work, coordinatePath, {resultsPath}, progress, options);
}

}  // namespace vomel
