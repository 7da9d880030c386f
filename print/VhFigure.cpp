#include "print/VhFigure.h"

#include "print/VhFigureLine.h"
#include "print/VhFigureRect.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(VhFigure, VhObject)

VhFigure::VhFigure(const VhFigure& other) : VhObject(other) { *this = other; }

VhFigure& VhFigure::operator=(const VhFigure& other)
{
    if (this != &other) {
        m_attributes = other.m_attributes;
        SetTrans(other.m_trans);
        m_fill = other.m_fill;
    }
    return *this;
}

VhFigure::~VhFigure() { delete m_trans; }

void VhFigure::SetTrans(const VhTrans* trans)
{
    if (trans == m_trans)
        return;
    VhTrans* kept = trans ? trans->Clone() : nullptr;
    delete m_trans;
    m_trans = kept;
}

int VhFigure::Hit(const VhPoint& point, double tolerance, BOOL is3D) const
{
    if (HitOutline(point, tolerance, is3D))
        return 1;
    return HitInside(point, tolerance, is3D) ? 2 : 0;
}

void VhFigure::Serialize(CArchive& ar)
{
    m_attributes.Serialize(ar);
    if (ar.IsStoring()) {
        CObList transList;
        if (m_trans)
            transList.AddTail(m_trans);
        transList.Serialize(ar);
    } else {
        CObList transList;
        LoadOwnedList(ar, transList, RUNTIME_CLASS(VhTrans));
        if (transList.GetCount() > 1) {
            while (!transList.IsEmpty())
                delete transList.RemoveHead();
            AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
        }
        delete m_trans;
        m_trans = transList.IsEmpty() ? nullptr : static_cast<VhTrans*>(transList.RemoveHead());
    }
    VhValue::SerializeRecord(ar, 5, 0, {&m_fill}, {});
}

BOOL VhFigure::IsEqual(const VhObject* other) const
{
    if (!other || other->GetRuntimeClass() != GetRuntimeClass())
        return FALSE;
    const VhTrans* otherTrans = static_cast<const VhFigure*>(other)->m_trans;
    if (!m_trans || !otherTrans)
        return !m_trans && !otherTrans;
    return m_trans->IsEqual(otherTrans);
}

VhTrans VhFigure::CombinedTrans(const VhTrans* trans) const
{
    VhTrans combined;
    if (m_trans)
        combined = *m_trans;
    if (trans)
        combined.Multiply(*trans);
    return combined;
}

BOOL VhFigure::OfferLine(const VhFigure& other, const VhFigureLine& line, VhPointArray& points, BOOL useEx)
{
    return useEx ? other.CrossWithLineEx(line, points) : other.CrossWithLine(line, points);
}

BOOL VhFigure::BoundPoints(const VhPoint* points, INT_PTR count, const VhTrans& trans, VhFigureRect* extent)
{
    if (!extent || count < 1)
        return FALSE;
    VhPoint low = points[0] * trans;
    VhPoint high = low;
    for (INT_PTR i = 1; i < count; ++i) {
        VhPoint image = points[i] * trans;
        low.Set(std::min(low.x, image.x), std::min(low.y, image.y));
        high.Set(std::max(high.x, image.x), std::max(high.y, image.y));
    }
    extent->SetCorners(VhPoint(low.x, low.y), VhPoint(high.x, high.y));
    extent->Normalize();
    return TRUE;
}
