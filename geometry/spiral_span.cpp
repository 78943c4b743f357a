#include "geometry/spiral_span.h"

#include <cmath>

#include "geometry/spiral.h"

namespace vomel {

using vomel::checkedDivide;

// Both series are summed through the ratio of successive terms of each
// end's power part (one multiplication and one division a term instead of a
// power and a factorial); the stopping rule applies to each difference term
// as it is added.

double spiralSpanX(double l1, double l2, double c)
{
    // Term k: (-1)^k (l2^(4k+1) - l1^(4k+1)) / (2c)^(2k) / (2k)! / (4k+1).
    // With r = l² / 2c the power part of one end, p_k = (-1)^k l r^(2k) /
    // (2k)!, follows from p_k = -p_(k-1) r² / ((2k - 1) 2k); l · r^(2k) keeps
    // the powers of long clothoids in range.
    double power1 = l1;
    double power2 = l2;
    double ratioSquared1 = 0.0;
    double ratioSquared2 = 0.0;
    return vomel::sumSpiralSeries(
        [&](int k) {
            if (k == 1) {
                const double r1 = checkedDivide(l1 * l1, 2.0 * c, VOMEL_TRANSLATE_NOOP("Failure", "spiral span x"));
                const double r2 = checkedDivide(l2 * l2, 2.0 * c, VOMEL_TRANSLATE_NOOP("Failure", "spiral span x"));
                ratioSquared1 = r1 * r1;
                ratioSquared2 = r2 * r2;
            }
            if (k >= 1) {
                const double factor = (2.0 * k - 1.0) * (2.0 * k);
                power1 *= -ratioSquared1 / factor;
                power2 *= -ratioSquared2 / factor;
            }
            return (power2 - power1) / (4.0 * k + 1.0);
        },
        "spiral span x");
}

double spiralSpanY(double l1, double l2, double c)
{
    // Term k: (-1)^k (l2^(4k+3) - l1^(4k+3)) / (2c)^(2k+1) / (2k+1)! / (4k+3),
    // with p_k = (-1)^k l r^(2k+1) / (2k+1)! and p_k = -p_(k-1) r² / (2k (2k + 1)).
    const double r1 = checkedDivide(l1 * l1, 2.0 * c, VOMEL_TRANSLATE_NOOP("Failure", "spiral span y"));
    const double r2 = checkedDivide(l2 * l2, 2.0 * c, VOMEL_TRANSLATE_NOOP("Failure", "spiral span y"));
    double power1 = l1 * r1;
    double power2 = l2 * r2;
    return vomel::sumSpiralSeries(
        [&](int k) {
            if (k >= 1) {
                const double factor = (2.0 * k) * (2.0 * k + 1.0);
                power1 *= -(r1 * r1) / factor;
                power2 *= -(r2 * r2) / factor;
            }
            return (power2 - power1) / (4.0 * k + 3.0);
        },
        "spiral span y");
}

}  // namespace vomel
