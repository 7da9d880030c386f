// One edit-field descriptor of a data-entry dialog: the control it applies to and what its
// implementation object is to take (character mask, input-method open mode, byte limit, and for
// numeric controls a range or a value). VhEditSetupList::Apply hands it on.
#pragma once

#include "model/VhObject.h"

class VhEditCtrl;

class VhEditSetup : public VhObject {
public:
    enum Type { Plain = 0, NumericRange = 1, NumericValue = 2 };

    // A plain descriptor; a maximum length of -1 sets no limit.
    VhEditSetup(VhEditCtrl* control, int maxLength, int charMask, int imeOpenMode, LPCTSTR format, int extra);

    VhEditCtrl* m_pControl;
    int m_nCharMask;
    int m_nImeOpenMode;
    int m_nMaxLength;
    int m_nRangeMin = -1;
    int m_nRangeMax = -1;
    int m_nValue = -1;
    LPCTSTR m_pszFormat;
    int m_nExtra;
    int m_nType = Plain;
};
