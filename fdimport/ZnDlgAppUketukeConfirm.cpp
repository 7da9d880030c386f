#include "fdimport/ZnDlgAppUketukeConfirm.h"

#include "fdimport/ZnDlgAppShinseishoList.h"
#include "fdimport/ZnNumberEntry.h"
#include "fdimport/ZnNumberRows.h"
#include "fdimport/ZnUketukeNumbers.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/wnd/CDataExchange.h"
#include "res/MainFrameIds.h"
#include "res/NumberEntryIds.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "writers/ZnAppDocFDOut00.h"

#include <algorithm>
#include <map>

namespace {

const char kNoConstructionNotice[] = "ＦＤ内に、建築工事届データはありません。";
const char kKindMismatch[] = "詳細が表示されている文書と、ＦＤ内の文書の種類が異なります。";
const int kConstructionNotification = 100801;

// The title of a record's row in a file of that code; empty for a record that makes no row.
CString RowTitle(int code, const CString& tag)
{
    if (code == 100001) {
        static const char* const tags[][2] = {{"#110", "建築物"},
                                              {"#161", "昇降機"},
                                              {"#171", "建築設備"},
                                              {"#181", "工作物(88-1)"},
                                              {"#162", "工作物の昇降機"}};
        for (const auto& entry : tags)
            if (tag == entry[0])
                return entry[1];
        return CString();
    }
    CString own = code == 100101   ? "#280"
                  : code == 100201 ? "#210"
                  : code == 100301 ? "#410"
                                   : ZnUketukeFile::ObjectTag(code);
    return !own.IsEmpty() && tag == own ? ZnUketukeFile::KindTitle(code) : CString();
}

} // namespace

ZnDlgAppUketukeConfirm::ZnDlgAppUketukeConfirm(CWnd* pParent) : CDialog(IDD_UKETUKE_CONFIRM, pParent) {}

void ZnDlgAppUketukeConfirm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_UK_LIST, m_list);
}

std::vector<ZnDlgAppUketukeConfirm::ContentRow> ZnDlgAppUketukeConfirm::ContentRows(const ZnUketukeFile& file,
                                                                                    bool& hasConstructionNotice)
{
    hasConstructionNotice = false;
    std::vector<ContentRow> rows;
    std::map<CString, int> running; // per title
    for (const ZnUketukeFile::Record& record : file.m_records) {
        if (file.m_nCode == 100001 && record.tag == "#240")
            hasConstructionNotice = true;
        CString title = RowTitle(file.m_nCode, record.tag);
        if (title.IsEmpty())
            continue;
        CString text;
        text.Format("%s %02d", LPCTSTR(title), ++running[title]);
        rows.push_back({text, record.number});
    }
    // Each record's row goes on top: the last record's row first. Reversed once, so that a
    // floppy full of records is listed in time proportional to them.
    std::reverse(rows.begin(), rows.end());
    return rows;
}

BOOL ZnDlgAppUketukeConfirm::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.InsertColumn(0, "内容", LVCFMT_LEFT, 200);
    m_list.InsertColumn(1, "受付番号", LVCFMT_LEFT, 250);
    ZnUketukeFile file;
    if (!file.Read(m_strFloppyRoot, m_search))
        return TRUE;
    m_nDocKindCode = file.m_nCode;
    for (const ContentRow& row : ContentRows(file, m_bConstructionNotice)) {
        int item = m_list.InsertItem(m_list.GetItemCount(), row.title);
        m_list.SetItemText(item, 1, row.number);
    }
    SetDlgItemText(IDC_UK_EDIT_NAME, file.m_strName);
    SetDlgItemText(IDC_UK_EDIT_TITLE, ZnAppDocFDOut00::GetDocTitleFromCode(file.m_strCodeText));
    return TRUE;
}

void ZnDlgAppUketukeConfirm::OnOK()
{
    ZnUketukeFile file;
    if (!file.Read(m_strFloppyRoot, m_search))
        return;
    if (!ZnNumberEntry::CanStore())
        return;
    // The floppy read now decides, also when the one shown at the start could not be read.
    m_nDocKindCode = file.m_nCode;
    ContentRows(file, m_bConstructionNotice);
    ZnModelAppLocalData& local = *ZnNumberEntry::LocalData();
    ZnUketukeNumbers numbers;
    switch (numbers.Store(file, ZnNumberRows::DocKindCode(local), m_bConstructionNotice, local)) {
    case ZnUketukeNumbers::noConstructionNotice:
        AfxMessageBox(kNoConstructionNotice, MB_ICONERROR);
        return;
    case ZnUketukeNumbers::kindMismatch:
        AfxMessageBox(kKindMismatch, MB_ICONERROR);
        return;
    case ZnUketukeNumbers::stored:
        break;
    }
    if (!ZnNumberEntry::SaveDocument())
        return;
    m_strLastNumber = numbers.m_strLastNumber;
    m_strLastDate = numbers.m_strLastDate;
    if (numbers.m_bStored)
        UpdateShousaiRecord();
    if (m_pShinseishoList) {
        m_pShinseishoList->UpdateShinseishoList();
        m_pShinseishoList->UpdateShousaiList();
    }
    EndDialog(IDOK);
}

void ZnDlgAppUketukeConfirm::UpdateShousaiRecord()
{
    if (m_nShousaiIndex == ZnFdMenuChoice::kNoSelection)
        return;
    const int code = m_nDocKindCode;
    const bool notice = m_bConstructionNotice;
    ZnNumberEntry::ChangeRow(
        m_nBukkenIndex, m_nShousaiIndex,
        [&](const ZnAppBukkenShousaiTblDAO& row) {
            return row.m_ShinseiShubetuCode == code ||
                   (notice && row.m_ShinseiShubetuCode == kConstructionNotification);
        },
        [&](ZnAppBukkenShousaiTblDAO& row) {
            row.m_UketukeBangou = m_strLastNumber;
            COleDateTime date;
            if (ZnUketukeNumbers::RegisterDate(m_strLastDate, date))
                row.m_Koushinbi = date;
        });
}
