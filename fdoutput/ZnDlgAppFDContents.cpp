#include "fdoutput/ZnDlgAppFDContents.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/core/Cp932.h"
#include "platform/files/CStdioFile.h"
#include "platform/wnd/CDataExchange.h"
#include "readers/ZnOldFloppyFile.h"
#include "res/FloppyOutputIds.h"
#include "res/MainFrameIds.h"
#include "shell/OutputFolderChoice.h"
#include "storage/CheckMedium.h"
#include "storage/ZnDatabaseTemplate.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"

#include <algorithm>
#include <vector>

namespace {

const MediumCheckTexts kMediumTexts = {
    "フロッピーがフォーマットされていません。",
    "フロッピーのアクセスに失敗しました。FDをチェックしてください。",
    "フロッピーが準備できていません。",
    "ファイルが存在しません。FDをチェックしてください。",
};

// The characters of an index line that its record head takes.
const size_t kRecordHeadChars = 5;

bool Fail(LPCTSTR text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
    return false;
}

// The byte offset at which each character of the text starts, and the length as the last entry.
std::vector<int> CharStarts(const CString& text)
{
    const std::string& bytes = text.Bytes();
    std::vector<int> starts;
    for (size_t i = 0; i < bytes.size(); i += cp932::CharLength(bytes.data(), i, bytes.size()))
        starts.push_back(static_cast<int>(i));
    starts.push_back(text.GetLength());
    return starts;
}

// count characters of the text from character first (fewer where the text ends), double-byte
// characters whole.
CString CharsMid(const CString& text, size_t first, size_t count)
{
    std::vector<int> starts = CharStarts(text);
    size_t chars = starts.size() - 1;
    first = std::min(first, chars);
    size_t last = std::min(first + count, chars);
    return text.Mid(starts[first], starts[last] - starts[first]);
}

// The last count characters of the text.
CString CharsRight(const CString& text, size_t count)
{
    size_t chars = CharStarts(text).size() - 1;
    return CharsMid(text, chars > count ? chars - count : 0, count);
}

} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppFDContents, CDialog)
ON_BN_CLICKED(IDC_FDC_BTN_READ, OnRead)
ON_BN_CLICKED(IDC_FDC_BTN_BROWSE, OnBrowse)
END_MESSAGE_MAP()

ZnDlgAppFDContents::ZnDlgAppFDContents(CWnd* pParent) : CDialog(IDD_FD_CONTENTS, pParent) {}

void ZnDlgAppFDContents::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FDC_EDIT_SHOSHIKI, m_editShoshiki);
    DDX_Control(pDX, IDC_FDC_EDIT_BUKKEN, m_editBukken);
    DDX_Control(pDX, IDC_FDC_EDIT_YEAR, m_editYear);
    DDX_Control(pDX, IDC_FDC_EDIT_MONTH, m_editMonth);
    DDX_Control(pDX, IDC_FDC_EDIT_DAY, m_editDay);
    DDX_Control(pDX, IDC_FDC_EDIT_DRIVE, m_editDrive);
}

BOOL ZnDlgAppFDContents::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editDrive.SetWindowText(ZnShellState::Current()->GetOutputFolder());
    return TRUE;
}

void ZnDlgAppFDContents::OnBrowse()
{
    CString folder;
    if (ChooseOutputFolder(this, folder))
        m_editDrive.SetWindowText(folder);
}

void ZnDlgAppFDContents::OnRead()
{
    CString folder;
    m_editDrive.GetWindowText(folder);
    auto lookup = [this](const CString& pattern) { return LookForEntries(pattern); };
    CString line;
    if (CheckMedium(folder, kMediumTexts, lookup) && ReadIndexLine(folder, line))
        ShowIndexLine(line);
}

DWORD ZnDlgAppFDContents::LookForEntries(const CString& pattern) const { return SearchForEntries(pattern); }

bool ZnDlgAppFDContents::ReadIndexLine(const CString& folder, CString& line) const
{
    if (!ZnPathExists(folder + "\\Info"))
        return Fail("申請FDではありません。FDをチェックしてください。");
    CString path = folder + "\\Info\\filename.iba";
    if (!ZnPathExists(path))
        return Fail("フロッピーにファイル情報ファイル（filename.iba)がありません。");
    CStdioFile file;
    switch (ZnOldFloppyFile::ReadFirstLine(file, path, line)) {
    case ZnOldFloppyFile::fileNotOpened:
        return Fail("フロッピーのファイル情報ファイル（filename.iba)のオープンに失敗しました。");
    case ZnOldFloppyFile::noLine:
        return Fail("フロッピーのファイル情報ファイル（filename.iba)のデータが不正です。");
    default:
        return true;
    }
}

void ZnDlgAppFDContents::ShowIndexLine(const CString& line)
{
    CString fields = CharsMid(line, kRecordHeadChars, line.GetLength());
    m_editBukken.SetWindowText(GetIndexField(0, fields));
    CString date = GetIndexField(1, fields);
    if (!date.IsEmpty()) {
        // YYYYMMDD; a damaged date is cut by characters, never inside a double-byte one.
        m_editYear.SetWindowText(CharsMid(date, 0, 4));
        m_editMonth.SetWindowText(CharsMid(date, 4, 2));
        m_editDay.SetWindowText(CharsRight(date, 2));
    }
    m_editShoshiki.SetWindowText(ZnAppDocFDOut00::GetDocTitleFromCode(GetIndexField(5, fields)));
}

CString ZnDlgAppFDContents::GetIndexField(int n, const CString& text)
{
    CString field;
    CString rest = text;
    for (int i = 0; i <= n; ++i) {
        if (rest.IsEmpty())
            return CString();
        int end = rest.Find("\",");
        if (end >= 0) {
            int first = rest[0] == '"' ? 1 : 0;
            field = end > first ? rest.Mid(first, end - first) : CString();
            rest = rest.Mid(end + 2);
        } else {
            field = rest;
            rest.Empty();
            if (field.GetLength() > 0 && field[0] == '"')
                field = field.Mid(1);
            if (field.GetLength() > 0 && field[field.GetLength() - 1] == '"')
                field = field.Left(field.GetLength() - 1);
        }
    }
    return field;
}
