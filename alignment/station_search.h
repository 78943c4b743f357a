#pragma once
// The row of a station-ordered table that holds a station, found by a
// binary search whose steps are conditional moves rather than branches: a
// file run asks for points in no particular station order, so every branch
// of an ordinary search would be a coin toss for the processor.

#include <cstddef>
#include <vector>

namespace vomel {

// The index of the last row whose `station` is at or before `station`,
// 0 when none is; `rows` ordered by station and not empty.
template <class Row>
std::size_t lastRowAtOrBefore(const std::vector<Row>& rows, double station)
{
    const Row* base = rows.data();
    std::size_t count = rows.size();
    while (count > 1) {
        const std::size_t half = count / 2;
        base = base[half].station <= station ? base + half : base;
        count -= half;
    }
    return static_cast<std::size_t>(base - rows.data());
}

}  // namespace vomel
