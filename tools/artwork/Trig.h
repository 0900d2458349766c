// Sine and cosine computed here rather than by the C library, whose results may differ in
// the last bit between library versions; the artwork must come out byte for byte the same.
#pragma once

namespace artwork {

constexpr double kPi = 3.14159265358979323846;

double Sine(double radians);
double Cosine(double radians);
// base^exponent by repeated squaring (exponent >= 0).
double IntPower(double base, unsigned exponent);

} // namespace artwork
