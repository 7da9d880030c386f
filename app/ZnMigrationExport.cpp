#include "app/ZnMigrationExport.h"

#include "platform/core/CException.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinFileName.h"
#include "platform/wnd/MessageBox.h"
#include "storage/CheckMedium.h"
#include "storage/ZnRunLog.h"
#include "writers/XmlText.h"
#include "writers/ZnWrittenFiles.h"
#include "writers/common/ZnAppDocFDOut99.h"
#include "writers/zip/ZipPacking.h"

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

// The run log names the dialog that runs the export.
const char kLogSource[] = "ZnDlgAppSelectObjDialog.cpp";

CString FolderNotCreatedText(const CString& name) { return "物件" + name + "ディレクトリの作成に失敗しました。"; }

} // namespace

ZnMigrationExport::ZnMigrationExport(const CString& destination) : m_destination(destination) {}

BOOL ZnMigrationExport::ExportCommonData(const CString& comFolder)
{
    TellWorkingOn(kCommonDataWord);
    CString name = kCommonDataWord + GetLocalTimeStamp();
    WinFolderHandle folder;
    if (!PrepareFolder(GetExportBase(), name, folder) || !WriteMarkerFile(folder.GetPath(), kCommonDataMarker)) {
        LogNotExported(kCommonDataWord, "ExportCommonData()");
        return FALSE;
    }
    BeforeFolderStep(writingFolder);
    if (!WriteCommonDataFile(comFolder, folder.GetPath() + "\\" + kCommonDataFile))
        return FALSE;
    return PackAndRemoveFolder(name, kCommonDataWord);
}

BOOL ZnMigrationExport::WriteCommonDataFile(const CString& comFolder, const CString& path)
{
    FILE* file = OpenTextFile(path);
    if (!file)
        return TellFailure(kFileOpenFailedText);
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

int ZnMigrationExport::PrepareFolder(const CString& parent, const CString& name, WinFolderHandle& folder)
{
    if (!IsPortableFileName(name))
        return TellFailure(FolderNotCreatedText(name));
    if (!CheckDrive(parent))
        return 0;
    if (!m_exportParent.Open(parent))
        return TellFailure(kCannotOutputText);
    // The name holds the time to the second: only another run or something planted can hold it.
    if (m_exportParent.Holds(name))
        return TellFailure(FolderNotCreatedText(name));
    return PrepareOwnFolder(m_exportParent, name, folder);
}

BOOL ZnMigrationExport::CheckDrive(const CString& parent)
{
    static const MediumCheckTexts texts = {kUnformattedMediaText, kCannotOutputText};
    auto search = [this](const CString& pattern) { return LookForEntries(pattern); };
    LPCTSTR told = nullptr;
    if (CheckMedium(parent, texts, search, &told))
        return TRUE;
    m_told = told;
    return Failed();
}

DWORD ZnMigrationExport::LookForEntries(const CString& pattern) const { return SearchForEntries(pattern); }

int ZnMigrationExport::PrepareOwnFolder(const WinFolderHandle& parent, const CString& name, WinFolderHandle& folder)
{
    if (IsPortableFileName(name) && folder.Create(parent, name))
        return 1;
    return TellFailure(FolderNotCreatedText(name));
}

BOOL ZnMigrationExport::WriteMarkerFile(const CString& folder, const CString& markerName)
{
    FILE* file = OpenTextFile(folder + "\\" + markerName);
    if (!file)
        return TellFailure(kFileOpenFailedText);
    return WriteTextFile(file, XmlText(), folder + "\\" + markerName);
}

FILE* ZnMigrationExport::OpenTextFile(const CString& path) { return ZnWrittenFiles::OpenWholeFile(path); }

BOOL ZnMigrationExport::WriteTextFile(FILE* file, const XmlText& text, const CString& path)
{
    return ZnWrittenFiles::WriteWholeFile(file, text, path) == ZnWriteOutcome::written ? TRUE : ShowWriteFailed(path);
}

BOOL ZnMigrationExport::ShowWriteFailed(const CString& path)
{
    return TellFailure(ZnWrittenFiles::WriteFailedText(path));
}

BOOL ZnMigrationExport::PackAndRemoveFolder(const CString& name, const CString& baseName)
{
    BeforeFolderStep(packingFolder);
    MakeZip(m_exportParent.GetHandlePath() + "\\" + name + "\\*.*", baseName);
    BeforeFolderStep(removingFolder);
    return m_exportParent.RemoveFolder(name) ? TRUE : Failed();
}

void ZnMigrationExport::TellWorkingOn(const CString& word) const
{
    if (m_progress)
        m_progress->WorkingOn(word);
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

BOOL ZnMigrationExport::TellFailure(const CString& text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
    m_told = text;
    return Failed();
}

void ZnMigrationExport::LogNotExported(const CString& word, LPCTSTR function, const CString& reason) const
{
    CString oneLine = reason.IsEmpty() ? m_told : reason;
    oneLine.Replace("\n", " ");
    LogError(word + "を出力できませんでした。【" + oneLine + "】", function);
}

void ZnMigrationExport::LogInfo(const CString& message, LPCTSTR function)
{
    ZnRunLog::Write(ZnRunLog::levelInfo, message, kLogSource, function);
}

void ZnMigrationExport::LogError(const CString& message, LPCTSTR function)
{
    ZnRunLog::Write(ZnRunLog::levelError, message, kLogSource, function);
}
