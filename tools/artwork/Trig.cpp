#include "tools/artwork/Trig.h"

namespace artwork {
namespace {

// Folds into [-pi, pi] and sums the Taylor series, which converges well there.
double SineReduced(double x) {
    double term = x;
    double sum = x;
    for (int n = 1; n < 16; ++n) {
        term *= -x * x / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

} // namespace

double Sine(double radians) {
    double turns = radians / (2 * kPi);
    long whole = static_cast<long>(turns >= 0 ? turns + 0.5 : turns - 0.5);
    return SineReduced(radians - whole * 2 * kPi);
}

double Cosine(double radians) {
    return Sine(radians + kPi / 2);
}

double IntPower(double base, unsigned exponent) {
    double result = 1;
    for (; exponent != 0; exponent >>= 1, base *= base)
        if (exponent & 1) result *= base;
    return result;
}

} // namespace artwork
