#include "model/VhObject.h"

IMPLEMENT_DYNAMIC(VhObject, CObject)

namespace {
DWORD serialCounter = 0; // wraps at 2^32, as it always did
} // namespace

DWORD VhObject::NextSerialId() { return ++serialCounter; }

DWORD VhObject::GetLastSerialId() { return serialCounter; }

VhObject::VhObject() : m_serialId(NextSerialId()) {}

VhObject::VhObject(const VhObject&) : CObject(), m_serialId(NextSerialId()) {}

VhObject* VhObject::ReadNewObject(CArchive& ar, const CRuntimeClass* requested)
{
    const DWORD idBefore = GetLastSerialId();
    auto* object = static_cast<VhObject*>(ar.ReadObject(requested));
    // Objects constructed during the read took the ids after idBefore (the counter may wrap).
    const DWORD idsTaken = GetLastSerialId() - idBefore;
    if (object && object->GetSerialId() - idBefore - 1 >= idsTaken)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    return object;
}

void VhObject::LoadOwnedList(CArchive& ar, CObList& list, const CRuntimeClass* requested)
{
    CObList loaded;
    try {
        for (DWORD_PTR count = ar.ReadCount(); count > 0; --count)
            if (VhObject* object = ReadNewObject(ar, requested))
                loaded.AddTail(object);
    } catch (...) {
        while (!loaded.IsEmpty())
            delete loaded.RemoveHead();
        throw;
    }
    while (!loaded.IsEmpty())
        list.AddTail(loaded.RemoveHead());
}

BOOL VhObject::IsEqual(const VhObject* other) const { return other == this; }

LONG VhObject::Compare(const VhObject* other) const
{
    intptr_t difference = reinterpret_cast<intptr_t>(this) - reinterpret_cast<intptr_t>(other);
    return static_cast<LONG>(static_cast<int32_t>(static_cast<uint32_t>(difference))) >> 3;
}
