#pragma once
// The solved points of a file run kept for a picture: all of them while
// they fit, then every second, every fourth, ... so that what is kept stays
// bounded and evenly spread over the file however many points it has. The
// results file always holds every point; only the picture is thinned.

#include <cstddef>
#include <vector>

#include "formats/coordinate_file.h"
#include "session/project_solution.h"
#include "solver/solution.h"

namespace vomel::drawing {

// Most points kept for the plan view: far more than a screen can show
// apart (it draws one per 2-pixel cell), some 20 MB of labels and feet.
inline constexpr std::size_t MAX_KEPT_POINTS = 200'000;

class ThinnedPoints {
public:
    explicit ThinnedPoints(std::size_t capacity = MAX_KEPT_POINTS);

    // The next points of the run, in file order, with their solutions.
    void add(const std::vector<SurveyPoint>& points, const std::vector<Solution>& solutions);
    // The same for a project's run: the points with their lines' answers.
    void add(const std::vector<SurveyPoint>& points, const std::vector<ProjectSolution>& solutions);

    // Every stride-th point of the run from the first, stride a power of 2,
    // with its answer (in solutions, or projectSolutions for a project).
    std::vector<SurveyPoint> points;
    std::vector<Solution> solutions;
    std::vector<ProjectSolution> projectSolutions;
    std::size_t stride() const { return stride_; }

private:
    template <typename Answer>
    void keep(const std::vector<SurveyPoint>& newPoints, const std::vector<Answer>& newAnswers,
              std::vector<Answer>& answers);

    std::size_t capacity_;
    std::size_t stride_ = 1;
    std::size_t seen_ = 0;
};

}  // namespace vomel::drawing
