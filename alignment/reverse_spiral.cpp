#include "alignment/reverse_spiral.h"

#include <cmath>
#include <string>
#include <vector>

#include "alignment/element_chain.h"
#include "core/failure.h"

namespace vomel {

bool isReverseSpiral(double startRadius, double endRadius)
{
    return startRadius != INFINITE_RADIUS && endRadius != INFINITE_RADIUS && startRadius != endRadius &&
           startRadius * endRadius < 0.0;
}

std::pair<ElementShape, ElementShape> splitAtZeroCurvature(const ElementShape& spiral)
{
    const double r1 = spiral.startRadius;
    const double r2 = spiral.endRadius;
    const double total = std::fabs(r1) + std::fabs(r2);
    return {{r1, INFINITE_RADIUS, spiral.length * std::fabs(r2) / total},
            {INFINITE_RADIUS, r2, spiral.length * std::fabs(r1) / total}};
}

void splitReverseSpirals(ElementChain& chain)
{
    const int rowCount = chain.rowCount;
    if (rowCount < 0 || rowCount > MAX_ROWS) {
        throw vomel::FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "row count %1 is out of range"),
                                   std::to_string(rowCount));
    }
    std::vector<int> reverse;
    for (int i = 1; i <= rowCount; ++i) {
        if (isReverseSpiral(chain.rowStartRadius[i], chain.rowEndRadius[i])) reverse.push_back(i);
    }
    const int splitCount = static_cast<int>(reverse.size());
    if (rowCount + splitCount > MAX_ROWS) {
        throw vomel::FormatFailure(
            VOMEL_TRANSLATE_NOOP("Failure",
                                 "%1 elements after splitting %2 reverse spirals; at most %3 rows are allowed"),
            std::to_string(rowCount + splitCount), std::to_string(splitCount), std::to_string(MAX_ROWS));
    }

    for (int k = 1; k <= splitCount; ++k) {
        // k - 1 rows have been inserted before this one.
        const int p = reverse[static_cast<std::size_t>(k - 1)] + k - 1;
        for (int j = rowCount + k - 1; j >= p + 1; --j) {
            chain.rowStartRadius[j + 1] = chain.rowStartRadius[j];
            chain.rowEndRadius[j + 1] = chain.rowEndRadius[j];
            chain.rowLength[j + 1] = chain.rowLength[j];
        }
        const auto [exit, entry] =
            splitAtZeroCurvature({chain.rowStartRadius[p], chain.rowEndRadius[p], chain.rowLength[p]});
        chain.rowStartRadius[p] = exit.startRadius;
        chain.rowEndRadius[p] = exit.endRadius;
        chain.rowLength[p] = exit.length;
        chain.rowStartRadius[p + 1] = entry.startRadius;
        chain.rowEndRadius[p + 1] = entry.endRadius;
        chain.rowLength[p + 1] = entry.length;
    }

    chain.rowCount = rowCount + splitCount;
    chain.elementCount = chain.rowCount;
    for (int i = 1; i <= chain.rowCount; ++i) {
        chain.elementStartRadius[i] = chain.rowStartRadius[i];
        chain.elementEndRadius[i] = chain.rowEndRadius[i];
        chain.elementLength[i] = chain.rowLength[i];
    }
}

}  // namespace vomel
