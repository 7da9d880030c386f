// The property export of ZnMigrationExport: the register's properties and their documents.
#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "app/ZnMigrationExport.h"
#include "platform/files/WinFileName.h"
#include "platform/wnd/MessageBox.h"
#include "res/MainFrameIds.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnRunLog.h"
#include "writers/XmlText.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/ZnManagementInfoFile.h"
#include "writers/xml/ZnAppDocFDOut11.h"
#include "writers/xml/ZnAppDocFDOut12.h"
#include "writers/xml/ZnAppDocFDOut13.h"
#include "writers/xml/ZnAppDocFDOut14.h"
#include "writers/xml/ZnAppDocFDOut15.h"
#include "writers/xml/ZnAppDocFDOut16.h"
#include "writers/xml/ZnAppDocFDOut30.h"
#include "writers/zip/ZipPacking.h"

#include <memory>

namespace {

const char kPropertyWord[] = "物件データ";
const char kPropertyMarker[] = "Pellori_1_1_0_物件データ";
const char kBukkenInfoFile[] = "物件情報.xml";
const char kManagementFile[] = "申請書管理情報.xml";
const char kDataFile[] = "申請書データ.xml";
const char kRegisterFile[] = "\\APP_BUKKEN.mdb";

// The family writers' WriteXml, with the arguments that the export gives them.
using Writer = ZnWriteOutcome (*)(CString path);

ZnWriteOutcome WriteBuilding(CString path) { return ZnAppDocFDOut11::WriteXml(path); }
template <ZnWriteOutcome (*writeXml)(CString, int)> ZnWriteOutcome WriteFamily(CString path)
{
    return writeXml(path, 1);
}
ZnWriteOutcome WriteSemiStructure(CString path) { return ZnAppDocFDOut16::WriteXml(path, 1, CString(), CString()); }
// Certificate selector 1: the inspection's own confirmation data.
ZnWriteOutcome WriteInspection(CString path) { return ZnAppDocFDOut30::WriteXml(1, 0, path); }

// The document kinds that are exported: codes first to last, the document type, the form
// numbers in the application and the notification mode, and the writer of 申請書データ.xml.
struct ExportedKind {
    int firstCode;
    int lastCode;
    int docType;
    int formApplication;
    int formNotification;
    Writer writer;
};

const ExportedKind kExportedKinds[] = {
    {100001, 100001, IDC_DOC_CONFIRM, 1, 17, WriteBuilding},
    {100002, 100002, IDC_DOC_CONFIRM, 2, 18, WriteFamily<ZnAppDocFDOut12::WriteXml>},
    {100003, 100003, IDC_DOC_CONFIRM, 3, 19, WriteFamily<ZnAppDocFDOut13::WriteXml>},
    {100004, 100004, IDC_DOC_CONFIRM, 4, 20, WriteFamily<ZnAppDocFDOut14::WriteXml>},
    {100005, 100005, IDC_DOC_CONFIRM, 5, 52, WriteFamily<ZnAppDocFDOut15::WriteXml>},
    {100006, 100006, IDC_DOC_CONFIRM, 6, 21, WriteSemiStructure},
    {100101, 100106, IDC_DOC_INTERIM, 15, 27, WriteInspection},
    {100201, 100206, IDC_DOC_COMPLETION, 16, 28, WriteInspection},
    {100301, 100301, IDC_DOC_PLANCHANGE, 9, 22, WriteBuilding},
    {100302, 100302, IDC_DOC_PLANCHANGE, 10, 23, WriteFamily<ZnAppDocFDOut12::WriteXml>},
    {100303, 100303, IDC_DOC_PLANCHANGE, 11, 24, WriteFamily<ZnAppDocFDOut13::WriteXml>},
    {100304, 100304, IDC_DOC_PLANCHANGE, 12, 25, WriteFamily<ZnAppDocFDOut14::WriteXml>},
    {100305, 100305, IDC_DOC_PLANCHANGE, 13, 53, WriteFamily<ZnAppDocFDOut15::WriteXml>},
    {100306, 100306, IDC_DOC_PLANCHANGE, 14, 26, WriteSemiStructure},
};

// The object kinds of the inspections by the code's last digit, 1 to 6.
const int kInspectionObjectKinds[] = {IDC_OBJ_BUILDING, IDC_OBJ_LIFT,    IDC_OBJ_EQUIP,
                                      IDC_OBJ_STRUCT1,  IDC_OBJ_STRLIFT, IDC_OBJ_STRUCT2};

const ExportedKind* FindExportedKind(int code)
{
    for (const ExportedKind& kind : kExportedKinds)
        if (kind.firstCode <= code && code <= kind.lastCode)
            return &kind;
    return nullptr;
}

// A folder name as paths compare it: ASCII letters in lower case (never a CP932 trail byte).
std::string FoldedName(const CString& name)
{
    CString folded = name;
    folded.MakeLower();
    return folded.Bytes();
}

CString FormatDate(const COleDateTime& date)
{
    CString text;
    text.Format("%04d%02d%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

CString FormatTime(const COleDateTime& date)
{
    CString text;
    text.Format("%02d%02d%02d", date.GetHour(), date.GetMinute(), date.GetSecond());
    return text;
}

CString FormatNumber(LPCTSTR format, int number)
{
    CString text;
    text.Format(format, number);
    return text;
}

// The rows of an open recordset, which is left on its first row again.
int CountRows(CDaoRecordset& recordset)
{
    int count = 0;
    for (; !recordset.IsEOF(); recordset.MoveNext())
        ++count;
    if (count > 0)
        recordset.MoveFirst();
    return count;
}

} // namespace

BOOL ZnMigrationExport::ExportBukkenInfo(const CString& registerFolder)
{
    TellWorkingOn(kPropertyWord);
    auto recordset = std::make_unique<ZnAppBukkenKanriTblDAO>();
    recordset->SetDBPath(registerFolder + kRegisterFile);
    int total = 0;
    try {
        recordset->Open(dbOpenDynaset, "SELECT * FROM AppBukkenKanriTbl  ORDER BY BukkenIndex ASC");
        total = m_progress ? CountRows(*recordset) : 0;
    } catch (CException* e) {
        // The database's report follows once the exception has left the export.
        char description[512] = "";
        e->GetErrorMessage(description, sizeof description);
        LogNotExported(kPropertyWord, "ExportBukkenInfo()", description);
        throw;
    }

    CString exportName = kPropertyWord + GetLocalTimeStamp();
    WinFolderHandle exportFolder;
    if (!PrepareFolder(GetExportBase(), exportName, exportFolder) ||
        !WriteMarkerFile(exportFolder.GetPath(), kPropertyMarker)) {
        LogNotExported(kPropertyWord, "ExportBukkenInfo()");
        return FALSE;
    }

    CZnAppProApp* app = ZnGetApp();
    std::set<std::string> usedNames = {FoldedName(kPropertyMarker)};
    for (int number = 1; !recordset->IsEOF(); recordset->MoveNext(), ++number) {
        if (m_progress)
            m_progress->PropertyStarted(number, total);
        CString name = recordset->m_Bukkenmei;
        name.Replace(" ", "　");
        CString numbered = FormatNumber("%d", recordset->m_BukkenIndex) + " - " + name;
        // A name that another property's folder holds already gets a free one, so that
        // neither property's files replace the other's.
        CString folderName = FreeFolderName(name, usedNames);
        BeforeFolderStep(writingFolder);
        WinFolderHandle folder;
        if (!PrepareOwnFolder(exportFolder, folderName, folder)) {
            LogError("物件【" + numbered + "】のフォルダを作成できないため出力しませんでした。", "ExportBukkenInfo()");
            continue;
        }
        if (!WriteBukkenInfoFile(folder.GetPath() + "\\" + kBukkenInfoFile, name, recordset->m_ShinseiKubun,
                                 recordset->m_Koushinbi)) {
            // A full destination fails every later property as well: nothing is packed.
            return FALSE;
        }
        app->SetBukkenName(recordset->m_Bukkenmei);
        app->GetMainFrame()->SetDocMode(recordset->m_ShinseiKubun == 0 ? DOCMODE_ZADAZEZ : DOCMODE_KEIKAKU);
        LogInfo("物件【" + numbered + "】の情報を出力します--------------------。", "ExportBukkenInfo()");
        if (folderName != name)
            LogInfo("     物件【" + numbered + "】は同じ名前のフォルダがあるため、フォルダ【" + folderName +
                        "】に出力します。",
                    "ExportBukkenInfo()");
        if (!ExportBukkenXml(registerFolder, recordset->m_BukkenIndex, folder))
            return FALSE; // as for 物件情報.xml: nothing is packed
    }
    recordset->Close();
    exportFolder.Close();
    TellWorkingOn(kPropertyWord); // no longer on the last property
    return PackAndRemoveFolder(exportName, kPropertyWord);
}

CString ZnMigrationExport::FreeFolderName(const CString& name, std::set<std::string>& usedNames)
{
    if (!IsPortableFileName(name))
        return name;
    CString candidate = name;
    for (int n = 2; !usedNames.insert(FoldedName(candidate)).second; ++n)
        candidate = name + FormatNumber("_%d", n);
    return candidate;
}

BOOL ZnMigrationExport::WriteBukkenInfoFile(const CString& path, const CString& name, int shinseiKubun,
                                            const COleDateTime& date)
{
    FILE* file = OpenTextFile(path);
    if (!file) {
        AfxMessageBox("ファイルのオープン(物件情報.xml)に失敗しました。", MB_ICONSTOP);
        return Failed();
    }
    XmlText xml;
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.OpenTag(0, "物件情報");
    xml.Leaf(1, "物件名", name);
    xml.Leaf(1, "物件区分", shinseiKubun == 0 ? "1" : "2");
    xml.Leaf(1, "作成日", FormatDate(date));
    xml.Leaf(1, "作成時間", FormatTime(date));
    xml.CloseTag(0, "物件情報");
    return WriteTextFile(file, xml, path);
}

BOOL ZnMigrationExport::ExportBukkenXml(const CString& registerFolder, int bukkenIndex, const WinFolderHandle& folder)
{
    auto recordset = std::make_unique<ZnAppBukkenShousaiTblDAO>();
    recordset->SetDBPath(registerFolder + kRegisterFile);
    recordset->Open(dbOpenDynaset, "SELECT * FROM AppBukkenShousaiTbl WHERE BukkenIndex = " +
                                       FormatNumber("%d", bukkenIndex) + " ORDER BY BukkenShousaiIndex ASC");
    for (; !recordset->IsEOF(); recordset->MoveNext()) {
        int number = recordset->m_BukkenShousaiIndex;
        int code = recordset->m_ShinseiShubetuCode;
        CString sub = ZnAppDocFDOut00::GetDocTitleFromCode(FormatNumber("%d", code)) + FormatNumber("%02d", number);
        WinFolderHandle documentFolder;
        if (!PrepareOwnFolder(folder, sub, documentFolder))
            break;
        WrittenFiles written;
        BOOL exported = ExportDocument(*recordset, documentFolder.GetPath(), written);
        documentFolder.Close();
        if (written.data != ZnWriteOutcome::written)
            folder.RemoveFolder(sub); // only when empty
        if (exported)
            LogInfo("     文書【" + sub + "】の情報を出力しました。", "ExportBukkenXml()");
        else
            LogError("     文書【" + sub + "】を出力できませんでした。", "ExportBukkenXml()");
        // The writers have removed what they could not write whole.
        if (written.management == ZnWriteOutcome::cutOff)
            return ShowWriteFailed(kManagementFile);
        if (written.data == ZnWriteOutcome::cutOff)
            return ShowWriteFailed(kDataFile);
    }
    recordset->Close();
    return TRUE;
}

BOOL ZnMigrationExport::ExportDocument(const ZnAppBukkenShousaiTblDAO& row, const CString& folder,
                                       WrittenFiles& written)
{
    CZnAppProApp* app = ZnGetApp();
    CMainFrame* frame = app->GetMainFrame();
    int code = row.m_ShinseiShubetuCode;
    app->m_nBukkenIndex = row.m_BukkenIndex;
    app->m_nBukkenShousaiIndex = row.m_BukkenShousaiIndex;
    frame->SetBukkenIndex(row.m_BukkenIndex);
    app->SelectBukkenShousai(row);
    // A document that is missing, of another kind or unreadable would be written from empty or
    // stale models: nothing is written for it.
    if (!app->LoadSelectedDocument())
        return Failed();
    const ExportedKind* kind = FindExportedKind(code);
    if (!kind)
        return TRUE; // a kind without a writer leaves its folder empty
    frame->SetDocType(kind->docType);
    if (kind->writer == WriteInspection)
        frame->SetObjKind(kInspectionObjectKinds[code % 10 - 1]);
    int formNo = frame->GetDocMode(0) == DOCMODE_ZADAZEZ ? kind->formApplication : kind->formNotification;
    // The writers tell their own failures; the run's end must know of them too. A writer that
    // fails, for whatever reason, leaves no file of its own behind.
    written.management = ZnManagementInfoFile::Write(folder + "\\" + kManagementFile, formNo, row.m_BukkenShousaiIndex,
                                                     FormatDate(row.m_Koushinbi));
    written.data = kind->writer(folder + "\\" + kDataFile);
    bool whole = written.management == ZnWriteOutcome::written && written.data == ZnWriteOutcome::written;
    return whole ? TRUE : Failed();
}
