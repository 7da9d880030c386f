// Root of the program's own classes. Every object takes a serial number from one
// process-wide counter when it is constructed; copies get a new number, assignment keeps it.
#pragma once

#include "platform/files/Afx.h"

class VhObject : public CObject {
    DECLARE_DYNAMIC(VhObject)
public:
    VhObject();
    VhObject(const VhObject& other);
    VhObject& operator=(const VhObject&) { return *this; }
    ~VhObject() override = default;

    void Serialize(CArchive& ar) override {}
    // True only for this very object.
    virtual BOOL IsEqual(const VhObject* other) const;
    // An ordering by address, in units of 8 bytes; 0 for this very object.
    virtual LONG Compare(const VhObject* other) const;

    DWORD GetSerialId() const { return m_serialId; }
    // The serial id that the most recently constructed object took; 0 before the first.
    static DWORD GetLastSerialId();

    // Reads an object reference that the archive creates for this read: an object of class
    // requested (a class derived from VhObject) or of one derived from it, or null. A reference
    // back to an object read before is refused with CArchiveException: that object has an owner
    // already, and owning it twice would delete it twice. The caller owns the object.
    static VhObject* ReadNewObject(CArchive& ar, const CRuntimeClass* requested);
    // Appends to list the objects of a list stored by CObList::Serialize, each read by
    // ReadNewObject; null elements are left out. The caller owns the objects. On failure the
    // objects read are deleted and list is left as it was.
    static void LoadOwnedList(CArchive& ar, CObList& list, const CRuntimeClass* requested);

private:
    static DWORD NextSerialId();

    DWORD m_serialId;
};
