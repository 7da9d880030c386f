#include "app/ZnMigrationExport.h"

#include "platform/core/CException.h"
#include "platform/core/WinError.h"
#include "platform/files/CFileFind.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinFileName.h"
#include "platform/wnd/MessageBox.h"
#include "writers/common/ZnAppDocFDOut99.h"
#include "writers/XmlText.h"
#include "writers/zip/ZipPacking.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

const char kUnformattedMediaText[] = "メディアがフォーマットされていません。";
const char kCannotOutputText[] = "データを出力できません。下記をご確認ください。\n"
                                 "①   メディアが書き込み禁止になっている。\n"
                                 "②   Kelmoでは出力できないドライブを指定している。";
const char kFileOpenFailedText[] = "ファイルのオープンに失敗しました。";
const char kFinishedText[] = "移行データ作成が終わりました。";
const char kFinishedWithFailuresText[] = "移行データ作成が終わりましたが、出力できなかったデータがあります。";

const char kCommonDataWord[] = "共通データ";
const char kCommonDataMarker[] = "Pellori_1_1_0_共通データ";
const char kCommonDataFile[] = "共通データ.xml";

void ShowFolderNotCreated(const CString& name)
{
    AfxMessageBox("物件" + name + "ディレクトリの作成に失敗しました。", MB_ICONSTOP);
}

} // namespace

ZnMigrationExport::ZnMigrationExport(const CString& destination) : m_destination(destination) {}

BOOL ZnMigrationExport::ExportCommonData(const CString& comFolder)
{
    CString base = GetExportBase();
    CString name = kCommonDataWord + GetLocalTimeStamp();
    if (!PrepareFolder(base, name))
        return FALSE;
    CString folder = base + name;
    if (!WriteMarkerFile(folder, kCommonDataMarker))
        return FALSE;
    if (!WriteCommonDataFile(comFolder, folder + "\\" + kCommonDataFile))
        return FALSE;
    return PackAndRemoveFolder(folder, kCommonDataWord);
}

BOOL ZnMigrationExport::WriteCommonDataFile(const CString& comFolder, const CString& path)
{
    FILE* file = OpenTextFile(path);
    if (!file) {
        AfxMessageBox(kFileOpenFailedText, MB_ICONSTOP);
        return Failed();
    }
    XmlText xml;
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.Literal("<共通データ>\n");
    try {
        WriteCommonDataSections(comFolder, xml);
    } catch (CException*) {
        // The database's error ends the whole action; no unfinished file is left behind.
        std::fclose(file);
        DeleteFile(path);
        Failed();
        throw;
    }
    xml.Literal("</共通データ>\n");
    return WriteTextFile(file, xml, path);
}

void ZnMigrationExport::WriteCommonDataSections(const CString& comFolder, XmlText& xml)
{
    ZnAppDocFDOut99().WriteSections(comFolder, xml);
}

int ZnMigrationExport::PrepareFolder(const CString& parent, const CString& name)
{
    if (!IsWinFileName(name)) {
        ShowFolderNotCreated(name);
        return Failed();
    }
    if (!CheckDrive(parent))
        return 0;
    CString folder = parent + "\\" + name;
    CFileFind find;
    if (!find.FindFile(folder))
        return MakeFolder(folder, name);
    find.FindNextFile();
    // A file holds the name, or a link that anyone who may write to the destination could have
    // planted there: following it would empty a folder elsewhere.
    if (!find.IsDirectory() || find.MatchesMask(FILE_ATTRIBUTE_REPARSE_POINT)) {
        ShowFolderNotCreated(name);
        return Failed();
    }
    return EmptyFolder(folder);
}

// Something found, or nothing with "file not found", means that the folder can be read.
BOOL ZnMigrationExport::CheckDrive(const CString& parent)
{
    for (;;) {
        DWORD error = LookForEntries(parent + "\\*.*");
        if (error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND)
            return TRUE;
        if (error == ERROR_UNRECOGNIZED_MEDIA) {
            AfxMessageBox(kUnformattedMediaText, MB_ICONSTOP);
            return Failed();
        }
        if (error != ERROR_NOT_READY) {
            AfxMessageBox(kCannotOutputText, MB_OK | MB_ICONSTOP);
            return Failed();
        }
        if (AfxMessageBox(kCannotOutputText, MB_RETRYCANCEL | MB_ICONSTOP) != IDRETRY)
            return Failed();
    }
}

DWORD ZnMigrationExport::LookForEntries(const CString& pattern) const
{
    CFileFind find;
    return find.FindFile(pattern) ? ERROR_SUCCESS : GetLastError();
}

// Deletes every entry of the folder as a file; a sub-folder cannot be deleted so and stops it. A
// link is deleted itself, never what it points at.
BOOL ZnMigrationExport::EmptyFolder(const CString& folder)
{
    CFileFind find;
    BOOL more = find.FindFile(folder + "\\*.*");
    while (more) {
        more = find.FindNextFile();
        if (find.IsDots())
            continue;
        if (!DeleteFile(find.GetFilePath())) {
            AfxMessageBox(kCannotOutputText, MB_OK | MB_ICONSTOP);
            return Failed();
        }
    }
    return TRUE;
}

int ZnMigrationExport::PrepareOwnFolder(const CString& parent, const CString& name)
{
    if (!IsWinFileName(name)) {
        ShowFolderNotCreated(name);
        return Failed();
    }
    // Made in this run, the parent holds only what the run made: the name is free unless the
    // run made it already, which the full preparation deals with.
    if (CreateDirectory(parent + "\\" + name, nullptr))
        return 1;
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return PrepareFolder(parent, name);
    ShowFolderNotCreated(name);
    return Failed();
}

BOOL ZnMigrationExport::MakeFolder(const CString& folder, const CString& name)
{
    if (CreateDirectory(folder, nullptr))
        return TRUE;
    ShowFolderNotCreated(name);
    return Failed();
}

BOOL ZnMigrationExport::WriteMarkerFile(const CString& folder, const CString& markerName)
{
    FILE* file = OpenTextFile(folder + "\\" + markerName);
    if (!file) {
        AfxMessageBox(kFileOpenFailedText, MB_ICONSTOP);
        return Failed();
    }
    return WriteTextFile(file, XmlText(), folder + "\\" + markerName);
}

FILE* ZnMigrationExport::OpenTextFile(const CString& path) { return ZnAppDocFDOut00::OpenWholeFile(path); }

BOOL ZnMigrationExport::WriteTextFile(FILE* file, const XmlText& text, const CString& path)
{
    return ZnAppDocFDOut00::WriteWholeFile(file, text, path) ? TRUE : ShowWriteFailed(path);
}

BOOL ZnMigrationExport::ShowWriteFailed(const CString& path)
{
    int slash = path.ReverseFind('\\');
    AfxMessageBox("ファイルの書き込み(" + path.Mid(slash + 1) + ")に失敗しました。", MB_ICONSTOP);
    return Failed();
}

BOOL ZnMigrationExport::PackAndRemoveFolder(const CString& folder, const CString& baseName)
{
    MakeZip(folder + "\\*.*", baseName);
    return RemoveDirectory(folder) ? TRUE : Failed();
}

void ZnMigrationExport::ReportCompletion() const
{
    if (m_failed)
        AfxMessageBox(kFinishedWithFailuresText, MB_ICONSTOP);
    else
        AfxMessageBox(kFinishedText, MB_ICONINFORMATION);
}

BOOL ZnMigrationExport::Failed()
{
    m_failed = true;
    return FALSE;
}
