#pragma once
// The answer for one point of a project: which line it was given to, how,
// and its answer on that line.

#include <cstddef>

#include "solver/solution.h"

namespace vomel {

// How a point found its line.
enum class Assignment {
    Nearest,  // the nearest line that holds it
    Code,  // its code is one of the line's codes
    Prefix,  // its label starts with one of the line's prefixes
    Unassigned,  // no line holds it: `line` and `solution` mean nothing
};

struct ProjectSolution {
    Assignment assignment = Assignment::Unassigned;
    std::size_t line = 0;  // index into Project::lines
    // The answer on that line. When solution.ambiguous, the other foot
    // (solution.otherStation) lies on line `otherLine`: another line as
    // near, or another part of the same line.
    Solution solution;
    std::size_t otherLine = 0;
};

}  // namespace vomel
