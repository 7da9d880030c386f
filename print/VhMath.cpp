#include "print/VhMath.h"

#include <cmath>
#include <cstdint>

const double VhTolerance = 0.01;

namespace {
const double pi = std::atan2(0.0, -1.0);
} // namespace

double VhGetTolerance() { return VhTolerance; }

double VhGetPi() { return pi; }

double VhRadToDeg(double radians) { return radians / pi * 180.0; }

LONG VhTruncToLong(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0)
        return INT32_MAX;
    if (value <= -2147483649.0)
        return INT32_MIN;
    return static_cast<LONG>(value);
}

double VhRound(double value) { return std::trunc(value >= 0 ? value + 0.5 : value - 0.5); }

LONG VhRoundToLong(double value) { return VhTruncToLong(VhRound(value)); }
