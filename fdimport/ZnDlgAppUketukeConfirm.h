// The contents of an accepted floppy (7606), run modally by the floppy panel for the document
// chosen in the application list: the property name, the document's title and one row per
// accepted record with its reception number. OK reads the floppy again and stores the reception
// numbers and dates into the document, its file and its register row.
#pragma once

#include "fdimport/ZnFdMenuChoice.h"
#include "fdimport/ZnUketukeFile.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"

#include <vector>

class ZnDlgAppShinseishoList;

class ZnDlgAppUketukeConfirm : public CDialog {
public:
    explicit ZnDlgAppUketukeConfirm(CWnd* pParent = nullptr);

    struct ContentRow {
        CString title;  // such as "昇降機 02"
        CString number; // the reception number
    };
    // The rows that the contents of a file show, top first (each record's row goes on top), and
    // whether the file holds a construction notice.
    static std::vector<ContentRow> ContentRows(const ZnUketukeFile& file, bool& hasConstructionNotice);

    // Given by the opener.
    CString m_strFloppyRoot;
    int m_nBukkenIndex = ZnFdMenuChoice::kNoSelection;
    int m_nShousaiIndex = ZnFdMenuChoice::kNoSelection;
    int m_nDocKindCode = ZnFdMenuChoice::kNoSelection; // the floppy's code once it is read
    ZnDlgAppShinseishoList* m_pShinseishoList = nullptr;

    // Filled by OK: the last reception number and date stored into the document's own groups.
    CString m_strLastNumber;
    CString m_strLastDate;
    bool m_bConstructionNotice = false; // the floppy holds a construction notice ("#240")
    // Seam of the floppy's medium check.
    EntrySearch m_search = SearchForEntries;

    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // Writes the last reception number and date into the document's register row.
    void UpdateShousaiRecord();
};
