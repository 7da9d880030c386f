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

private:
    static DWORD NextSerialId();

    DWORD m_serialId;
};
