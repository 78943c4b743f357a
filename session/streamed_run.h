#pragma once
// The file run over a regular coordinate file of any size: the file is read
// in large blocks, cut into chunks of whole lines, and each chunk is parsed,
// solved and formatted by the worker thread that owns it; the calling
// thread only reads the blocks, hands out the chunks and writes the
// finished ones in file order. Memory stays the same however long the file.

#include <cstddef>
#include <string>

#include "formats/atomic_file.h"
#include "formats/results_file.h"
#include "session/parallel_run.h"

namespace vomel {

// Bytes of whole lines in a chunk for each point of RunOptions::chunkPoints
// (about the length of a typical coordinate line, so that a chunk holds
// about that many points).
inline constexpr std::size_t CHUNK_BYTES_PER_POINT = 48;

// The number of points of a coordinate file: its lines up to the first
// blank line (blanks, tabs and CRs only) or the end, read in blocks.
long countListedPoints(const std::string& path);

// Reads, solves and writes every point of the regular file at `path` after
// the header already given to `writer`, on `threads` workers (1: all on the
// calling thread). Returns the number of points. The progress callback is
// called on the calling thread for every point in order, once the chunk
// that holds it is solved and before its lines are written; `solved` sees
// each chunk's points and solutions. The first failure in file order is
// thrown: a FormatFailure naming its line, or a GeometryFailure naming the
// point and its line.
long streamPoints(const PointSolver& solve, const ResultsLayout& layout, const std::string& path, PointsFormat format,
                  AtomicFile& writer, const ProgressCallback& progress, unsigned threads, std::size_t chunkPoints,
                  const SolvedChunkCallback& solved);

}  // namespace vomel
