#include "model/VhObject.h"

IMPLEMENT_DYNAMIC(VhObject, CObject)

namespace {
DWORD serialCounter = 0; // wraps at 2^32, as it always did
} // namespace

DWORD VhObject::NextSerialId() { return ++serialCounter; }

DWORD VhObject::GetLastSerialId() { return serialCounter; }

VhObject::VhObject() : m_serialId(NextSerialId()) {}

VhObject::VhObject(const VhObject&) : CObject(), m_serialId(NextSerialId()) {}

BOOL VhObject::IsEqual(const VhObject* other) const { return other == this; }

LONG VhObject::Compare(const VhObject* other) const
{
    intptr_t difference = reinterpret_cast<intptr_t>(this) - reinterpret_cast<intptr_t>(other);
    return static_cast<LONG>(static_cast<int32_t>(static_cast<uint32_t>(difference))) >> 3;
}
