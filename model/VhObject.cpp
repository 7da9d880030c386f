#include "model/VhObject.h"

IMPLEMENT_DYNAMIC(VhObject, CObject)

DWORD VhObject::NextSerialId()
{
    static DWORD counter = 0; // wraps at 2^32, as it always did
    return ++counter;
}

VhObject::VhObject() : m_serialId(NextSerialId()) {}

VhObject::VhObject(const VhObject&) : CObject(), m_serialId(NextSerialId()) {}

BOOL VhObject::IsEqual(const VhObject* other) const { return other == this; }

LONG VhObject::Compare(const VhObject* other) const
{
    intptr_t difference = reinterpret_cast<intptr_t>(this) - reinterpret_cast<intptr_t>(other);
    return static_cast<LONG>(static_cast<int32_t>(static_cast<uint32_t>(difference))) >> 3;
}
