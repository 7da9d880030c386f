#include "shell/VhEditIntImp.h"

#include "platform/wnd/CWnd.h"
#include "readers/VhString.h"

#include <algorithm>
#include <cstdlib>

VhEditIntImp::VhEditIntImp(CWnd* owner) : VhEditCtrlImp(owner) {}

VhEditCtrlImp* VhEditIntImp::Clone() const { return new VhEditIntImp(*this); }

int VhEditIntImp::IsRefused(double value) const
{
    return m_bRangeOn && (value < m_nRangeMin || value > m_nRangeMax) ? 1 : 0;
}

void VhEditIntImp::SetValue(LPCTSTR format, int value)
{
    if (format)
        m_strFormat = format;
    CString text;
    if (!IsRefused(value)) {
        text.Format(m_strFormat, value);
        if (m_chGrouping) {
            VhString::SeparatorScope separator(m_chGrouping);
            text = VhString(text).GroupDigits();
        }
    }
    m_pOwner->SetWindowText(text);
}

double VhEditIntImp::GetValue(LPCTSTR text) const
{
    CString value;
    if (text)
        value = text;
    else
        m_pOwner->GetWindowText(value);
    if (m_chGrouping)
        value = VhString(value).RemoveAllChar(m_chGrouping);
    return atof(value);
}

void VhEditIntImp::SetRange(int a, int b)
{
    m_bRangeOn = 1;
    m_nNumeric = 1;
    m_nRangeMin = std::min(a, b);
    m_nRangeMax = std::max(a, b);
    if (m_pOwner->GetWindowTextLength() > 0)
        SetValue(nullptr, static_cast<int>(GetValue()));
}
