#include "interchange/spiral_span.h"

#include <cmath>

#include "mainline/spiral.h"

namespace htbas {

using vomel::checkedDivide;

namespace {

double alternatingSign(int k) { return (k % 2 == 0) ? 1.0 : -1.0; }

// l^(4k+1) / (2c)^(2k) written as l · (l² / 2c)^(2k), and l^(4k+3) /
// (2c)^(2k+1) as l · (l² / 2c)^(2k+1): the same value without powers of l
// that overflow on long clothoids.
double xPower(double l, double c, int k)
{
    if (k == 0) return l;
    return l * std::pow(checkedDivide(l * l, 2.0 * c, "spiral span x"), 2 * k);
}

double yPower(double l, double c, int k)
{
    return l * std::pow(checkedDivide(l * l, 2.0 * c, "spiral span y"), 2 * k + 1);
}

}  // namespace

double spiralSpanX(double l1, double l2, double c)
{
    // Term k: (-1)^k (l2^(4k+1) - l1^(4k+1)) / (2c)^(2k) / (2k)! / (4k+1);
    // the stopping rule applies to this difference term.
    return zxbas::sumSpiralSeries(
        [&](int k) {
            return alternatingSign(k) * (xPower(l2, c, k) - xPower(l1, c, k)) /
                   zxbas::factorial(2 * k) / (4.0 * k + 1);
        },
        "spiral span x");
}

double spiralSpanY(double l1, double l2, double c)
{
    // Term k: (-1)^k (l2^(4k+3) - l1^(4k+3)) / (2c)^(2k+1) / (2k+1)! / (4k+3).
    return zxbas::sumSpiralSeries(
        [&](int k) {
            return alternatingSign(k) * (yPower(l2, c, k) - yPower(l1, c, k)) /
                   zxbas::factorial(2 * k + 1) / (4.0 * k + 3);
        },
        "spiral span y");
}

}  // namespace htbas
