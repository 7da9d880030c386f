#include "platform/wnd/DialogBuilder.h"

#include "platform/wnd/CButton.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CListBox.h"
#include "platform/wnd/CListCtrl.h"
#include "platform/wnd/CStatic.h"

namespace {
struct KindInfo {
    ControlKind kind;
    LPCTSTR className;
    CWnd* (*create)();
};

const KindInfo kinds[] = {
    {ControlKind::Button, "BUTTON", [] { return static_cast<CWnd*>(new CButton); }},
    {ControlKind::Edit, "EDIT", [] { return static_cast<CWnd*>(new CEdit); }},
    {ControlKind::Static, "STATIC", [] { return static_cast<CWnd*>(new CStatic); }},
    {ControlKind::ListBox, "LISTBOX", [] { return static_cast<CWnd*>(new CListBox); }},
    {ControlKind::ComboBox, "COMBOBOX", [] { return static_cast<CWnd*>(new CComboBox); }},
    {ControlKind::ListView, "SysListView32", [] { return static_cast<CWnd*>(new CListCtrl); }},
};

const KindInfo& InfoOf(ControlKind kind)
{
    for (const KindInfo& info : kinds)
        if (info.kind == kind)
            return info;
    return kinds[0];
}
} // namespace

CRect DialogBuilder::ToPixels(const DialogResource& dialog, int x, int y, int cx, int cy)
{
    RECT rect{x, y, x + cx, y + cy};
    AfxMapDialogRect(dialog, rect);
    return CRect(rect);
}

void DialogBuilder::CreateControls(CWnd& host, const DialogResource& dialog)
{
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const ControlResource& control = dialog.controls[i];
        const KindInfo& info = InfoOf(control.kind);
        CWnd* wnd = info.create();
        CRect rect = ToPixels(dialog, control.x, control.y, control.cx, control.cy);
        if (!wnd->CreateEx(control.exStyle, info.className, AfxResourceText(control.text), control.style | WS_CHILD,
                           rect.left, rect.top, rect.Width(), rect.Height(), host.m_hWnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)))) {
            delete wnd;
            continue;
        }
        wnd->m_bTemplateChild = true;
        if (CComboBox* combo = dynamic_cast<CComboBox*>(wnd))
            for (const char* const* item = control.items; item && *item; ++item)
                combo->AddString(AfxResourceText(*item));
    }
}
