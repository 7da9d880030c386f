#include "print/VhDrawString.h"

#include "print/VhDrawImp.h"

IMPLEMENT_SERIAL(VhDrawString, VhDraw, 0)

int VhDrawString::Draw(VhDrawImp* imp, const VhTrans* trans) const { return imp->DrawString(this, trans); }

BOOL VhDrawString::IsEqual(const VhObject* other) const
{
    if (!VhDraw::IsEqual(other))
        return FALSE;
    const auto* text = static_cast<const VhDrawString*>(other);
    return m_fontStyle == text->m_fontStyle && m_fontFace == text->m_fontFace;
}

void VhDrawString::Serialize(CArchive& ar)
{
    VhDraw::Serialize(ar);
    m_figure.Serialize(ar);
    VhValue::SerializeRecord(ar, 5, 0, {&m_fontStyle, &m_fontFace}, {});
}
