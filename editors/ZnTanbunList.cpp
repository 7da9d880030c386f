#include "editors/ZnTanbunList.h"

#include "platform/wnd/Afxwin.h"
#include "storage/ZnAppTanbunTblDAO.h"

void ZnInitTanbunList(CListCtrl& list)
{
    CRect client;
    list.GetClientRect(&client);
    list.InsertColumn(0, "", LVCFMT_LEFT, client.Width() - GetSystemMetrics(SM_CXHTHUMB));
}

void ZnFillTanbunList(CListCtrl& list)
{
    list.DeleteAllItems();
    ZnAppTanbunTblDAO phrases;
    phrases.Open(dbOpenDynaset, nullptr, 0);
    for (; !phrases.IsEOF(); phrases.MoveNext())
        list.InsertItem(0, phrases.m_Tanbun);
    phrases.Close();
}

CString ZnSelectedTanbun(const CListCtrl& list)
{
    int item = list.GetNextItem(-1, LVNI_SELECTED);
    return item < 0 ? CString() : list.GetItemText(item, 0);
}
