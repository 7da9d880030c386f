#include "writers/CompareNumber.h"

#include <cmath>

int CompareNumber(double a, LPCTSTR op, double b)
{
    bool equal = std::fabs(a - b) < 0.001;
    CString relation(op);
    if (relation == ">")
        return !equal && a > b;
    if (relation == "<")
        return !equal && a < b;
    if (relation == ">=")
        return equal || a > b;
    if (relation == "<=")
        return equal || a < b;
    if (relation == "==")
        return equal;
    if (relation == "!=")
        return !equal;
    return 0;
}
