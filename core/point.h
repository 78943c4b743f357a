#pragma once
// A point of the plane: X first (the northing on a survey grid), then Y.

namespace vomel {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

}  // namespace vomel
