#include "drawing/thinned_points.h"

#include <algorithm>

#include "core/failure.h"

namespace vomel::drawing {

ThinnedPoints::ThinnedPoints(std::size_t capacity) : capacity_(capacity)
{
    if (capacity == 0) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "a picture must keep at least one point"));
}

template <typename Answer>
void ThinnedPoints::keep(const std::vector<SurveyPoint>& newPoints, const std::vector<Answer>& newAnswers,
                         std::vector<Answer>& answers)
{
    const std::size_t count = std::min(newPoints.size(), newAnswers.size());
    for (std::size_t i = 0; i < count; ++i, ++seen_) {
        if (seen_ % stride_ != 0) continue;
        points.push_back(newPoints[i]);
        answers.push_back(newAnswers[i]);
        if (points.size() <= capacity_) continue;
        // Full: keep every second point kept so far, then take half as many.
        std::size_t kept = 0;
        for (std::size_t j = 0; j < points.size(); j += 2, ++kept) {
            points[kept] = std::move(points[j]);
            answers[kept] = answers[j];
        }
        points.resize(kept);
        answers.resize(kept);
        stride_ *= 2;
    }
}

void ThinnedPoints::add(const std::vector<SurveyPoint>& newPoints, const std::vector<Solution>& newSolutions)
{
    keep(newPoints, newSolutions, solutions);
}

void ThinnedPoints::add(const std::vector<SurveyPoint>& newPoints, const std::vector<ProjectSolution>& newSolutions)
{
    keep(newPoints, newSolutions, projectSolutions);
}

}  // namespace vomel::drawing
