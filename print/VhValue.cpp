#include "print/VhValue.h"

#include "print/VhMath.h"

IMPLEMENT_SERIAL(VhValue, VhObject, 0)

VhValue::VhValue(int intCount, int doubleCount, int stringCount)
{
    m_ints.SetSize(intCount);
    m_doubles.SetSize(doubleCount);
    m_strings.SetSize(stringCount);
}

VhValue::VhValue(const VhValue& other) : VhObject(other) { *this = other; }

VhValue& VhValue::operator=(const VhValue& other)
{
    m_ints.Copy(other.m_ints);
    m_doubles.Copy(other.m_doubles);
    m_strings.Copy(other.m_strings);
    return *this;
}

void VhValue::Serialize(CArchive& ar)
{
    m_ints.Serialize(ar);
    m_doubles.Serialize(ar);
    m_strings.Serialize(ar);
}

BOOL VhValue::IsEqual(const VhObject* other) const
{
    if (!other || !other->IsKindOf(RUNTIME_CLASS(VhValue)))
        return FALSE;
    const auto* value = static_cast<const VhValue*>(other);
    if (value->GetIntCount() != GetIntCount() || value->GetDoubleCount() != GetDoubleCount() ||
        value->GetStringCount() != GetStringCount())
        return FALSE;
    for (int i = 0; i < GetIntCount(); ++i)
        if (m_ints[i] != value->m_ints[i])
            return FALSE;
    for (int i = 0; i < GetDoubleCount(); ++i)
        if (!VhIsSameValue(m_doubles[i], value->m_doubles[i]))
            return FALSE;
    for (int i = 0; i < GetStringCount(); ++i)
        if (m_strings[i].Bytes() != value->m_strings[i].Bytes())
            return FALSE;
    return TRUE;
}

void VhValue::SerializeRecord(CArchive& ar, int intCount, int doubleCount, std::initializer_list<int*> ints,
                              std::initializer_list<double*> doubles)
{
    VhValue record(intCount, doubleCount, 0);
    if (ar.IsStoring()) {
        int slot = 0;
        for (int* field : ints)
            record.SetInt(slot++, *field);
        slot = 0;
        for (double* field : doubles)
            record.SetDouble(slot++, *field);
        record.Serialize(ar);
        return;
    }
    record.Serialize(ar);
    if (record.GetIntCount() < static_cast<int>(ints.size()) ||
        record.GetDoubleCount() < static_cast<int>(doubles.size()))
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    int slot = 0;
    for (int* field : ints)
        *field = record.GetInt(slot++);
    slot = 0;
    for (double* field : doubles)
        *field = record.GetDouble(slot++);
}
