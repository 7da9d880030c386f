// The base of MFC's drawing objects: a GDI handle that the object owns and releases with it. A
// handle that a device context hands back (the object selected before) is reached through
// FromHandle, which gives the object that made it, or a lasting one for a stock object.
#pragma once

#include "platform/core/CObject.h"
#include "platform/wnd/WinGdi.h"

class CGdiObject : public CObject {
public:
    DECLARE_DYNAMIC(CGdiObject)
    CGdiObject() = default;
    ~CGdiObject() override { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Releases the handle; FALSE when there is none.
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes a stock object (FALSE when the object holds a handle already, or for an unknown index).
    BOOL CreateStockObject(int index);
    // The object behind a handle; null for none.
    static CGdiObject* FromHandle(HGDIOBJ object);

    // Takes a new handle as this object's own; FALSE, releasing it, when one is held already.
    BOOL Attach(HGDIOBJ object);

    HGDIOBJ m_hObject = nullptr;
};
