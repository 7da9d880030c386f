// The numeric variant of the edit implementation: a value shown with a printf format, optionally
// grouped by a digit-grouping character, and optionally limited to a range.
#pragma once

#include "shell/VhEditCtrlImp.h"

class VhEditIntImp : public VhEditCtrlImp {
public:
    explicit VhEditIntImp(CWnd* owner);
    VhEditIntImp(const VhEditIntImp& other) = default;

    VhEditCtrlImp* Clone() const override;
    // Shows the value written with the format (which, when given, replaces the stored one) and
    // grouped; an empty text when the value is refused by the range.
    void SetValue(LPCTSTR format, int value);
    // The number of the given text, or of the owner's text, without its grouping characters.
    double GetValue(LPCTSTR text = nullptr) const;
    // Turns the range on with the smaller bound as minimum; a text already shown is rewritten
    // as the value of its integer part.
    void SetRange(int a, int b);
    // Nonzero when the value is to be refused: outside the range while the range is on.
    virtual int IsRefused(double value) const;

    int m_nNumeric = 0;
    int m_nRangeMin = 0;
    int m_bRangeOn = 0;
    int m_nRangeMax = 0;
    TCHAR m_chGrouping = 0; // 0: no grouping
    CString m_strFormat = "%d";
};
