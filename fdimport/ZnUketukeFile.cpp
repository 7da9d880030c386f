#include "fdimport/ZnUketukeFile.h"

#include "fdimport/ZnFloppyLine.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/CFileFind.h"
#include "platform/files/CStdioFile.h"
#include "readers/ZnOldFloppyFile.h"

namespace {

const char kNotAccepted[] = "受理済FDではありません。FDをチェックしてください。";
const char kNotFormatted[] = "フロッピーがフォーマットされていません。";
const char kNotReady[] = "フロッピーが準備できていません。";
const char kAccessFailed[] = "フロッピーのアクセスに失敗しました。FDをチェックしてください。";
const char kNoFile[] = "フロッピーにファイル情報ファイル（uke001.000)がありません。";
const char kOpenFailed[] = "フロッピーのファイル情報ファイル（uke001.000)のオープンに失敗しました。";
const char kBadData[] = "フロッピーのファイル情報ファイル（uke001.000)のデータが不正です。";
const char kBadHeader[] = "情報ファイル（uke001.000)のデータ(#000)が不正です。";

const char kFolder[] = "\\Uketuke";
const char kFile[] = "\\Uketuke\\uke001.000";

BOOL Fail(const char* text)
{
    AfxMessageBox(text, MB_ICONERROR);
    return FALSE;
}

bool Exists(const CString& path)
{
    CFileFind find;
    return find.FindFile(path) != FALSE;
}

} // namespace

BOOL ZnUketukeFile::CheckFloppy(const CString& root, const EntrySearch& search) const
{
    static const MediumCheckTexts texts = {kNotFormatted, kAccessFailed, kNotReady, kNotAccepted};
    if (!CheckMedium(root, texts, search))
        return FALSE;
    if (!Exists(root + kFolder))
        return Fail(kNotAccepted);
    if (!Exists(root + kFile))
        return Fail(kNoFile);
    return TRUE;
}

void ZnUketukeFile::Clear()
{
    m_strName.Empty();
    m_strCodeText.Empty();
    m_nCode = 0;
    for (int& count : m_counts)
        count = 0;
    m_records.clear();
}

BOOL ZnUketukeFile::Read(const CString& root, const EntrySearch& search)
{
    Clear();
    if (!CheckFloppy(root, search))
        return FALSE;
    CStdioFile file;
    CString line;
    ZnOldFloppyFile::FirstLine first = ZnOldFloppyFile::ReadFirstLine(file, root + kFile, line);
    if (first == ZnOldFloppyFile::fileNotOpened)
        return Fail(kOpenFailed);
    if (first == ZnOldFloppyFile::noLine)
        return Fail(kBadData);
    if (ZnFloppyLine::GetField(0, line) != "#000")
        return Fail(kBadHeader);

    m_strName = ZnFloppyLine::GetField(1, line);
    m_strCodeText = ZnFloppyLine::GetField(6, line);
    m_nCode = ZnFloppyLine::Number(m_strCodeText);
    for (int i = 0; i < countCount; ++i)
        m_counts[i] = ZnFloppyLine::Number(ZnFloppyLine::GetField(7 + i, line));

    for (long long left = RecordCount(m_nCode, m_counts); left > 0; --left) {
        if (!file.ReadString(line) || line.IsEmpty())
            break;
        m_records.push_back(
            {ZnFloppyLine::GetField(0, line), ZnFloppyLine::GetField(3, line), ZnFloppyLine::GetField(4, line)});
    }
    return TRUE;
}

bool ZnUketukeFile::IsBuildingCode(int code)
{
    return code == 100001 || code == 100101 || code == 100201 || code == 100301;
}

bool ZnUketukeFile::IsObjectCode(int code)
{
    int procedure = code / 100 - 1000;
    int kind = code % 100;
    return procedure >= 0 && procedure <= 3 && kind >= 2 && kind <= 6;
}

long long ZnUketukeFile::RecordCount(int code, const int counts[countCount])
{
    // Five counts of an int each: their sum needs more.
    long long objects = 0LL + counts[liftCount] + counts[equipCount] + counts[structCount] + counts[structLiftCount];
    if (IsBuildingCode(code))
        return 5 + objects;
    if (IsObjectCode(code))
        return counts[mainCount] + objects;
    return 0;
}

CString ZnUketukeFile::ObjectTag(int code)
{
    if (!IsObjectCode(code))
        return CString();
    static const char* const confirmation[] = {"#160", "#170", "#180", "#160", "#190"};
    static const char* const planChange[] = {"#420", "#430", "#440", "#420", "#450"};
    int kind = code % 100;
    switch (code / 100 - 1000) {
    case 0:
        return confirmation[kind - 2];
    case 1:
        return "#280";
    case 2:
        return "#210";
    default:
        return planChange[kind - 2];
    }
}

CString ZnUketukeFile::KindTitle(int code)
{
    static const char* const titles[] = {"建築物",       "昇降機",         "建築設備",
                                         "工作物(88-1)", "工作物の昇降機", "工作物(88-2)"};
    int kind = code % 10;
    return kind >= 1 && kind <= 6 ? CString(titles[kind - 1]) : CString();
}
