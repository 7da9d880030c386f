#include "fdimport/ZnDlgAppFDImport.h"

#include "fdimport/ZnDlgAppFDImportSave.h"
#include "fdimport/ZnFloppyLine.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/CStdioFile.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldFloppyFile.h"
#include "res/FloppyImportIds.h"
#include "res/MainFrameIds.h"
#include "shell/OutputFolderChoice.h"
#include "storage/CheckMedium.h"
#include "storage/ZnDatabaseTemplate.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

const char kIndexFile[] = "\\Info\\filename.iba";

enum IndexField { fieldTag = 0, fieldName = 1, fieldDate = 2, fieldVersion = 3, fieldFlag = 4, fieldCode = 6 };
const int kFirstCountField = 8;
const int kLastCountField = 11;

// The medium check's texts: a floppy that holds nothing fails it as well.
const MediumCheckTexts kMediumTexts = {
    "フロッピーがフォーマットされていません。",
    "フロッピーのアクセスに失敗しました。FDをチェックしてください。",
    "フロッピーが準備できていません。",
    "ファイルが存在しません。FDをチェックしてください。",
};

void ShowError(LPCTSTR text) { AfxMessageBox(text, MB_ICONSTOP); }

// "20040401" as "2004年04月01日".
CString DateText(const CString& date) { return date.Left(4) + "年" + date.Mid(4, 2) + "月" + date.Right(2) + "日"; }

} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppFDImport, CDialog)
ON_BN_CLICKED(IDC_FI_BTN_READ, OnRead)
ON_BN_CLICKED(IDC_FI_BTN_BROWSE, OnBrowse)
END_MESSAGE_MAP()

ZnDlgAppFDImport::ZnDlgAppFDImport(CWnd* pParent) : CDialog(IDD_FD_IMPORT, pParent) {}

int ZnDlgAppFDImport::AcceptsAnyVersion(int code)
{
    switch (code) {
    case 100001:
    case 100101:
    case 100201:
    case 100301:
    case 100801:
    case 100802:
        return 0;
    default:
        return 1;
    }
}

BOOL ZnDlgAppFDImport::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_FI_EDIT_DRIVE, ZnShellState::Current()->GetOutputFolder());
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    return TRUE;
}

DWORD ZnDlgAppFDImport::LookForEntries(const CString& pattern) const { return SearchForEntries(pattern); }

CString ZnDlgAppFDImport::ItemText(int nID) const
{
    CString text;
    GetDlgItemText(nID, text);
    return text;
}

void ZnDlgAppFDImport::OnRead()
{
    // 保存 stays off until this floppy has been read whole: a refused read has already changed
    // the flag, the code and the mode.
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    CString folder = ItemText(IDC_FI_EDIT_DRIVE);
    CString line;
    if (!CheckMedium(folder) || !ReadIndexLine(folder, line) || !TakeIndexLine(line))
        return;
    SetDlgItemText(IDC_FI_EDIT_NAME, ZnFloppyLine::GetField(fieldName, line));
    CString date = ZnFloppyLine::GetField(fieldDate, line);
    if (!date.IsEmpty())
        SetDlgItemText(IDC_FI_EDIT_DATE, DateText(date));
    m_strKindTitle = ZnAppDocFDOut00::GetDocTitleFromCode(m_strAppTypeCode);
    SetDlgItemText(IDC_FI_EDIT_KIND, m_strKindTitle);
    GetDlgItem(IDOK)->EnableWindow(TRUE);
}

bool ZnDlgAppFDImport::CheckMedium(const CString& folder)
{
    return ::CheckMedium(folder, kMediumTexts, [this](const CString& pattern) { return LookForEntries(pattern); });
}

bool ZnDlgAppFDImport::ReadIndexLine(const CString& folder, CString& line)
{
    if (!ZnPathExists(folder + "\\Keikaku")) {
        ShowError("申請FDではありません。FDをチェックしてください。");
        return false;
    }
    CString indexPath = folder + kIndexFile;
    if (!ZnPathExists(indexPath)) {
        ShowError("フロッピーにファイル情報ファイル（filename.iba)がありません。");
        return false;
    }
    CStdioFile file;
    ZnOldFloppyFile::FirstLine first = ZnOldFloppyFile::ReadFirstLine(file, indexPath, line);
    file.Close();
    if (first == ZnOldFloppyFile::fileNotOpened) {
        ShowError("フロッピーのファイル情報ファイル（filename.iba)のオープンに失敗しました。");
        return false;
    }
    if (first == ZnOldFloppyFile::noLine) {
        ShowError("フロッピーのファイル情報ファイル（filename.iba)のデータが不正です。");
        return false;
    }
    return true;
}

bool ZnDlgAppFDImport::TakeIndexLine(const CString& line)
{
    if (ZnFloppyLine::GetField(fieldTag, line) != "#000") {
        ShowError("情報ファイル（filename.iba)のデータ(#000)が不正です。");
        return false;
    }
    m_strAppFlag = ZnFloppyLine::GetField(fieldFlag, line);
    ZnShellState::Current()->SetDocMode(std::atoi(m_strAppFlag) == 0 ? DOCMODE_ZADAZEZ : DOCMODE_KEIKAKU);
    m_strAppTypeCode = ZnFloppyLine::GetField(fieldCode, line);
    if (!AcceptsAnyVersion(std::atoi(m_strAppTypeCode)) &&
        !ZnOldDataVersion::IsLatest(ZnFloppyLine::GetField(fieldVersion, line))) {
        ShowError("旧様式の申請FDは読込できません。");
        return false;
    }
    // Four counts of an int each: their sum needs more.
    long long sum = 0;
    for (int field = kFirstCountField; field <= kLastCountField; ++field)
        sum += ZnFloppyLine::Number(ZnFloppyLine::GetField(field, line));
    m_nHeiganCode = sum > 0 ? 1 : static_cast<int>(std::max<long long>(sum, INT_MIN));
    return true;
}

void ZnDlgAppFDImport::OnBrowse()
{
    CString folder;
    if (!ChooseOutputFolder(this, folder))
        return;
    SetDlgItemText(IDC_FI_EDIT_DRIVE, folder);
    // The values shown are those of the floppy read before, not of the folder now chosen.
    GetDlgItem(IDOK)->EnableWindow(FALSE);
}

void ZnDlgAppFDImport::OnOK()
{
    ZnDlgAppFDImportSave save;
    save.m_strBukkenName = ItemText(IDC_FI_EDIT_NAME);
    save.m_strAppFlag = m_strAppFlag;
    save.m_strDocKindName = m_strKindTitle;
    save.m_strDocCode = m_strAppTypeCode;
    save.m_nHeiganCode = m_nHeiganCode;
    save.m_strFloppyPath = ItemText(IDC_FI_EDIT_DRIVE) + "\\";
    save.DoModal();
    CDialog::OnOK();
}
