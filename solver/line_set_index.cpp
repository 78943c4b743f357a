#include "solver/line_set_index.h"

#include "core/failure.h"

namespace vomel {

LineSetIndex::LineSetIndex(const std::vector<const SampleTable*>& tables)
{
    std::size_t total = 0;
    for (const SampleTable* table : tables) {
        if (table == nullptr || table->empty()) {
            throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
        }
        total += table->sampleCount;
    }
    if (tables.empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    merged_.sampleCount = total;
    merged_.sampleX.assign(total + 2, 0.0);
    merged_.sampleY.assign(total + 2, 0.0);
    lineOf_.assign(total + 2, 0);
    std::size_t at = 1;
    for (std::size_t line = 0; line < tables.size(); ++line) {
        const SampleTable& table = *tables[line];
        firstOfLine_.push_back(at);
        for (std::size_t k = 1; k <= table.sampleCount; ++k, ++at) {
            merged_.sampleX[at] = table.sampleX[k];
            merged_.sampleY[at] = table.sampleY[k];
            lineOf_[at] = static_cast<std::uint32_t>(line);
        }
    }
    index_ = SampleIndex(merged_);
}

LineSetIndex::Candidate LineSetIndex::candidate(std::size_t merged, double distance) const
{
    const std::size_t line = lineOf_[merged];
    return {line, merged - firstOfLine_[line] + 1, distance};
}

LineSetIndex::Candidate LineSetIndex::nearestWithin(double x, double y, double margin,
                                                    std::vector<Candidate>& within) const
{
    thread_local std::vector<SampleIndex::Candidate> found;
    const std::size_t nearest = index_.nearestWithin(merged_, x, y, margin, found);
    within.clear();
    double nearestDistance = 0.0;
    for (const auto& c : found) {
        within.push_back(candidate(c.index, c.distance));
        if (c.index == nearest) nearestDistance = c.distance;
    }
    return candidate(nearest, nearestDistance);
}

}  // namespace vomel
