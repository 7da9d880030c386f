#include "fdoutput/ZnDlgAppCheckResult.h"

#include "fdoutput/ZnCheckListPrint.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FloppyOutputIds.h"
#include "writers/ZnAppDocFDOut00.h"

BEGIN_MESSAGE_MAP(ZnDlgAppCheckResult, CDialog)
ON_BN_CLICKED(IDC_BTN_PRINT, OnPrint)
END_MESSAGE_MAP()

ZnDlgAppCheckResult::ZnDlgAppCheckResult(CWnd* pParent) : CDialog(IDD_CHECK_RESULT, pParent) {}

void ZnDlgAppCheckResult::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHECK_LIST, m_list);
    DDX_Text(pDX, IDC_PRINT_TITLE, m_strObjKindTitle);
}

BOOL ZnDlgAppCheckResult::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString title = ZnAppDocFDOut00::GetDocTypeTitle();
    if (!title.IsEmpty())
        m_strDocTitle = title;
    for (int i = 0; i < m_messages.GetSize(); ++i)
        m_list.AddString(m_messages[i]);
    return TRUE;
}

CString ZnDlgAppCheckResult::GetPrintTitle() const { return m_strDocTitle + m_strObjKindTitle + "エラーリスト"; }

std::vector<CString> ZnDlgAppCheckResult::ListEntries() const
{
    std::vector<CString> entries;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        CString entry;
        m_list.GetText(i, entry);
        entries.push_back(entry);
    }
    return entries;
}

void ZnDlgAppCheckResult::OnPrint()
{
    ZnCheckListPrint print;
    print.Print(GetPrintTitle(), ListEntries());
}
