// The process-wide values of the geometry classes and the comparison of doubles they share.
#pragma once

#include "platform/core/WinTypes.h"

// Tolerance of every equality and hit test that is given none, or a negative one.
extern const double VhTolerance;

double VhGetTolerance();
// Pi, atan2(0, -1), computed once at start-up.
double VhGetPi();
double VhRadToDeg(double radians);

// Two doubles are the same value when neither is less than the other (so 0.0 and -0.0 are).
inline bool VhIsSameValue(double a, double b) { return !(a < b) && !(b < a); }
// A negative tolerance stands for VhTolerance.
inline double VhToleranceOr(double tolerance) { return tolerance < 0 ? VhTolerance : tolerance; }

// Half away from zero to a whole number, however large; NaN stays NaN.
double VhRound(double value);
// Half away from zero, then towards zero into 32 bits; out of range saturates, NaN is 0.
LONG VhRoundToLong(double value);
// Towards zero into 32 bits; out of range saturates, NaN is 0.
LONG VhTruncToLong(double value);
