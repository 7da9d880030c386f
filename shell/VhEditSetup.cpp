#include "shell/VhEditSetup.h"

VhEditSetup::VhEditSetup(VhEditCtrl* control, int maxLength, int charMask, int imeOpenMode, LPCTSTR format, int extra)
    : m_pControl(control), m_nCharMask(charMask), m_nImeOpenMode(imeOpenMode), m_nMaxLength(maxLength),
      m_pszFormat(format), m_nExtra(extra)
{
}
