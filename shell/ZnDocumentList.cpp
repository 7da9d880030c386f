#include "shell/ZnDocumentList.h"

#include "platform/database/AfxDao.h"
#include "platform/wnd/CListCtrl.h"
#include "shell/ZnDateText.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"

void ZnDocumentList::Fill(CListCtrl& list, const CString& registerPath, int bukkenIndex)
{
    list.DeleteAllItems();
    ZnAppBukkenShousaiTblDAO rows;
    if (!registerPath.IsEmpty())
        rows.SetDBPath(registerPath);
    rows.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(bukkenIndex), 0);
    // The rows come in their number order and each goes to the top.
    for (; !rows.IsEOF(); rows.MoveNext()) {
        int item = list.InsertItem(0, rows.GetListName());
        list.SetItemData(item, static_cast<DWORD_PTR>(rows.m_BukkenShousaiIndex));
        list.SetItemText(item, 1, ZnDateText(rows.m_Koushinbi));
        list.SetItemText(item, 2, rows.m_UketukeBangou);
        list.SetItemText(item, 3, rows.GetIssuedNumber());
    }
    rows.Close();
}
