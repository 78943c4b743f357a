#include "geometry/spiral.h"

namespace vomel {

using vomel::checkedDivide;
using vomel::GeometryFailure;

namespace {

// Largest n whose factorial is a finite double.
constexpr int MAX_FACTORIAL_ARGUMENT = 170;

double alternatingSign(int k) { return (k % 2 == 0) ? 1.0 : -1.0; }

}  // namespace

double factorial(int n)
{
    if (n < 0 || n > MAX_FACTORIAL_ARGUMENT) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "factorial of %1 is out of range"), std::to_string(n));
    }
    double result = 1.0;
    for (int i = 2; i <= n; ++i) result *= i;
    return result;
}

// Each term below is the term of the power series written with the ratio of
// the length to the radius or constant raised to the power, instead of the
// two powers divided: the same value, but no intermediate power overflows
// for long spirals. Term k carries (-1)^k and is divided by the factorial
// and the integration factors of its order.

double spiralTangentGain(double ls, double r)
{
    // (-1)^k ls^(2k+1) / r^(2k) / (2k)! / (4k+1) / (4k+2) / 2^(2k)
    return sumSpiralSeries(
        [&](int k) {
            const double ratio =
                (k == 0) ? 0.0 : checkedDivide(ls, 2.0 * r, VOMEL_TRANSLATE_NOOP("Failure", "spiral tangent gain"));
            const double power = (k == 0) ? 1.0 : std::pow(ratio, 2 * k);
            return alternatingSign(k) * ls * power / factorial(2 * k) / (4.0 * k + 1) / (4.0 * k + 2);
        },
        "spiral tangent gain");
}

double spiralShift(double ls, double r)
{
    // (-1)^k ls^(2k+2) / r^(2k+1) / (2k+1)! / (4k+3) / (4k+4) / 2^(2k+1)
    return sumSpiralSeries(
        [&](int k) {
            const double ratio = checkedDivide(ls, 2.0 * r, VOMEL_TRANSLATE_NOOP("Failure", "spiral shift"));
            return alternatingSign(k) * ls * std::pow(ratio, 2 * k + 1) / factorial(2 * k + 1) / (4.0 * k + 3) /
                   (4.0 * k + 4);
        },
        "spiral shift");
}

// The point series are summed through the ratio of successive terms, which
// costs one multiplication and one division a term instead of a power and a
// factorial: the back-calculation evaluates them many times per point. The
// stopping rule is unchanged, applied to each term as it is added.

double spiralLocalX(double l, double c)
{
    // (-1)^k l^(4k+1) / (2c)^(2k) / (2k)! / (4k+1): with r = l² / 2c the
    // power part p_k = (-1)^k l r^(2k) / (2k)! follows from
    // p_k = -p_(k-1) r² / ((2k - 1) 2k). The first term needs no r, so
    // x(0, 0) is 0 as the term-by-term sum gives it.
    double power = l;
    double ratioSquared = 0.0;
    return sumSpiralSeries(
        [&](int k) {
            if (k == 1) {
                const double ratio = checkedDivide(l * l, 2.0 * c, VOMEL_TRANSLATE_NOOP("Failure", "spiral point x"));
                ratioSquared = ratio * ratio;
            }
            if (k >= 1) power *= -ratioSquared / ((2.0 * k - 1.0) * (2.0 * k));
            return power / (4.0 * k + 1.0);
        },
        "spiral point x");
}

double spiralLocalY(double l, double c)
{
    // (-1)^k l^(4k+3) / (2c)^(2k+1) / (2k+1)! / (4k+3): the power part
    // p_k = (-1)^k l r^(2k+1) / (2k+1)! follows from
    // p_k = -p_(k-1) r² / (2k (2k + 1)).
    const double ratio = checkedDivide(l * l, 2.0 * c, VOMEL_TRANSLATE_NOOP("Failure", "spiral point y"));
    const double ratioSquared = ratio * ratio;
    double power = l * ratio;
    return sumSpiralSeries(
        [&](int k) {
            if (k >= 1) power *= -ratioSquared / ((2.0 * k) * (2.0 * k + 1.0));
            return power / (4.0 * k + 3.0);
        },
        "spiral point y");
}

double tangentLengthFirst(double r, double p1, double p2, double q1, double alpha)
{
    const double a = std::fabs(alpha);
    return vomel::requireFinite(
        checkedDivide(r + p2 - (r + p1) * std::cos(a), std::sin(a), VOMEL_TRANSLATE_NOOP("Failure", "tangent length")) +
            q1,
        "tangent length");
}

double tangentLengthSecond(double r, double p1, double p2, double q2, double alpha)
{
    const double a = std::fabs(alpha);
    return vomel::requireFinite(
        checkedDivide(r + p1 - (r + p2) * std::cos(a), std::sin(a), VOMEL_TRANSLATE_NOOP("Failure", "tangent length")) +
            q2,
        "tangent length");
}

double arcLocalX(double l, double r)
{
    return r * std::sin(checkedDivide(l, r, VOMEL_TRANSLATE_NOOP("Failure", "arc point")));
}

double arcLocalY(double l, double r)
{
    return r * (1.0 - std::cos(checkedDivide(l, r, VOMEL_TRANSLATE_NOOP("Failure", "arc point"))));
}

}  // namespace vomel
