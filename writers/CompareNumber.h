// The comparison of two numbers that the floppy pages' data checks make.
#pragma once

#include "platform/core/CString.h"

// 1 when the relation op (">", "<", ">=", "<=", "==", "!=") holds between a and b, where values
// closer than 0.001 count as equal; 0 otherwise and for any other op.
int CompareNumber(double a, LPCTSTR op, double b);
