#pragma once
// How the user gives the design line.

namespace vomel {

enum class Method {
    IntersectionPoint,  // "交点法—主线": intersection-point table and chain breaks
    Element,  // "积木法—互通": chain of elements, no chain breaks
};

}  // namespace vomel
