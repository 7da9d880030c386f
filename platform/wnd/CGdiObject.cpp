#include "platform/wnd/CGdiObject.h"

#include "platform/wnd/CBitmap.h"
#include "platform/wnd/CBrush.h"
#include "platform/wnd/CFont.h"
#include "platform/wnd/CPalette.h"
#include "platform/wnd/CPen.h"
#include "platform/wnd/GdiObjects.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {
// A lasting MFC object of the handle's kind for a stock object, which no one else wraps.
CGdiObject* StockWrapper(HGDIOBJ object)
{
    CGdiObject* wrapper = nullptr;
    switch (object->kind) {
    case HGDIOBJ__::Pen:
        wrapper = new CPen;
        break;
    case HGDIOBJ__::Brush:
        wrapper = new CBrush;
        break;
    case HGDIOBJ__::Font:
        wrapper = new CFont;
        break;
    case HGDIOBJ__::Bitmap:
        wrapper = new CBitmap;
        break;
    case HGDIOBJ__::Palette:
        wrapper = new CPalette;
        break;
    }
    wrapper->m_hObject = object;
    return wrapper;
}
} // namespace

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    if (object->wrapper == this)
        object->wrapper = nullptr;
    ::DeleteObject(object);
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index)
{
    HGDIOBJ object = ::GetStockObject(index);
    if (m_hObject || !object)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object)
{
    if (!object)
        return nullptr;
    if (!object->wrapper)
        object->wrapper = StockWrapper(object);
    return object->wrapper;
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object)
        return FALSE;
    if (m_hObject) {
        ::DeleteObject(object);
        return FALSE;
    }
    m_hObject = object;
    object->wrapper = this;
    return TRUE;
}
