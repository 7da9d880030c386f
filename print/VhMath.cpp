#include "print/VhMath.h"

#include <cmath>

const double VhTolerance = 0.01;

namespace {
const double pi = std::atan2(0.0, -1.0);
} // namespace

double VhGetTolerance() { return VhTolerance; }

double VhGetPi() { return pi; }

double VhRadToDeg(double radians) { return radians / pi * 180.0; }
