// The property detail dialog (5602), run modally by the migration dialog: the documents of the
// property selected there, newest first, and the deletion of one document, its register row and
// its file, so that neither is lost without the other.
#pragma once

#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"

class ZnDlgAppSelectObjDialog;

class ZnDlgAppBukkenDetail : public CDialog {
public:
    explicit ZnDlgAppBukkenDetail(CWnd* pParent = nullptr);

    // BukkenIndex of the first register row named name, in the table's order; 0 when none is.
    static int FindBukkenIndex(const CString& registerPath, const CString& name);
    // Refills the list with the documents of the property, the highest BukkenShousaiIndex at the
    // top, each carrying its BukkenShousaiIndex; an index of 0 leaves the list empty.
    void FillShinseiList(int bukkenIndex, const CString& registerPath);

    // The documents (control 12002).
    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDelete();
    DECLARE_MESSAGE_MAP()

private:
    // The migration dialog, whose selected property this dialog shows.
    static ZnDlgAppSelectObjDialog& SelectObjDialog();
    // APP_BUKKEN.mdb in the migration dialog's property-data folder.
    static CString RegisterPath();
    // Deletes the document's row and its file, or neither; false after a message.
    bool DeleteDocument(const CString& registerPath, int bukkenIndex, int shousaiIndex);
};
