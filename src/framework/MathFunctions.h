#pragma once

#include <cmath>

namespace framework {

// Angles in radians. Sqrt of a negative value is NaN.
inline double Sin(double x) { return std::sin(x); }
inline double Cos(double x) { return std::cos(x); }
inline double ATan(double x) { return std::atan(x); }
inline double Sqrt(double x) { return std::sqrt(x); }
inline double Abs(double x) { return std::fabs(x); }

}  // namespace framework
