#include "tests/model/ConventionClasses.h"

IMPLEMENT_SERIAL(TCode, ZnModel, VERSIONABLE_SCHEMA | 256)
IMPLEMENT_SERIAL(TYear, TCode, VERSIONABLE_SCHEMA | 256)
IMPLEMENT_SERIAL(TDate, ZnModel, VERSIONABLE_SCHEMA | 256)
IMPLEMENT_SERIAL(TPart, ZnModel, VERSIONABLE_SCHEMA | 256)
IMPLEMENT_SERIAL(THolder, ZnModel, VERSIONABLE_SCHEMA | 256)
IMPLEMENT_SERIAL(TVersioned, ZnModel, VERSIONABLE_SCHEMA | 257)

void TCode::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(TCode));
    ZnModel::Serialize(ar);
}

void TYear::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(TYear));
    TCode::Serialize(ar);
    if (ar.IsStoring())
        ar << m_era << m_year;
    else
        ar >> m_era >> m_year;
}

void TDate::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(TDate));
    ZnModel::Serialize(ar);
    m_yearCode.Serialize(ar);
    if (ar.IsStoring())
        ar << m_month << m_day;
    else
        ar >> m_month >> m_day;
}

void TPart::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(TPart));
    ZnModel::Serialize(ar);
    if (ar.IsStoring())
        ar << m_text << m_n;
    else
        ar >> m_text >> m_n;
}

void THolder::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(THolder));
    ZnModel::Serialize(ar);
    if (ar.IsStoring())
        ar << m_name;
    else
        ar >> m_name;
    m_parts.Serialize(ar);
}

void TVersioned::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(TVersioned));
    ZnModel::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_a << m_b;
        return;
    }
    ar >> m_a;
    m_b = 7;
    if (schema >= 257)
        ar >> m_b;
}
