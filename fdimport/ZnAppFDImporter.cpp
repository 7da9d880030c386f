#include "fdimport/ZnAppFDImporter.h"

#include "fdimport/ZnFDImportKinds.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelDocKinds.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/database/AfxDao.h"
#include "platform/files/CFile.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFloppyFile.h"
#include "readers/ZnOldFormReader.h"
#include "res/MainFrameIds.h"
#include "shell/ZnDateText.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnDatabaseTemplate.h"
#include "storage/ZnShellState.h"
#include "writers/CheckBitmapFile.h"

#include <cstdlib>
#include <string>

namespace {

const int kKindNameVariant = 3;
const int kNoProperty = -9999;

ZnAppFDImporter::Clock g_clock = nullptr;

void ShowError(const CString& text) { AfxMessageBox(text, MB_ICONSTOP); }

// name inside folder; a folder that ends with its separator (a drive root) gets no second one.
CString JoinPath(const CString& folder, const CString& name)
{
    return EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
}

ZnShellState& Shell() { return *ZnShellState::Current(); }

ZnRsetComCodeTbl* CodeTable(int slot)
{
    ZnAppComTblAccess* access = Shell().GetComTblAccess();
    return access ? access->m_pRset[slot] : nullptr;
}

// The short name of a main usage from the construction notification's main-usage table.
CString MainUsageName(const ZnModelAppConstDemUsage& usage)
{
    return ZnAppComTblAccess::GetShortNameByCode(CodeTable(ZnAppComTblAccess::slotShuyouyoutoKubunKoujitodoke),
                                                 usage.m_usage.GetCode());
}

// Writes the class levels into a new file at path: FALSE when it could not be written whole.
bool WriteLevels(const CString& path, ZnModel* const* levels, int count)
{
    try {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive archive(&file, CArchive::store, 4096);
        try {
            ZnModelDocKinds::SerializeSlots(archive, levels, count);
            archive.Close();
        } catch (CException*) {
            archive.Abort();
            throw;
        }
        file.Close();
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

} // namespace

// A document read from the floppy, with what the import gives it.
struct ZnAppFDImporter::Document {
    std::unique_ptr<ZnModelApp> app;
    const ZnFDImportKind* kind = nullptr;
    CString code;     // the reader's application-type code
    CString kindName; // the kind's name in the floppy's document mode
    CString fileName; // such as "Ka001.110"
};

ZnAppFDImporter::ZnAppFDImporter() = default;

ZnAppFDImporter::~ZnAppFDImporter() = default;

ZnAppFDImporter::Clock ZnAppFDImporter::SetClock(Clock clock)
{
    Clock previous = g_clock;
    g_clock = clock;
    return previous;
}

CString ZnAppFDImporter::RegisterPath() const { return m_strDestination + Shell().GetAppMDB()->GetAppBukkenMdb(); }

CString ZnAppFDImporter::PropertyFolder() const { return JoinPath(m_strDestination, m_strBukkenName); }

int ZnAppFDImporter::DocMode() const { return IsApplicationForms() ? DOCMODE_ZADAZEZ : DOCMODE_KEIKAKU; }

bool ZnAppFDImporter::Run()
{
    if (ZnPathExists(PropertyFolder())) {
        ShowError("指定の物件は既に存在しています。");
        return false;
    }
    if (!CheckRegister())
        return false;
    std::vector<Document> documents;
    ReadDocuments(documents);
    if (documents.empty()) {
        ShowError("申請FDから読み込める書類がありません。物件は作成されませんでした。");
        return false;
    }
    if (!CreateDirectory(PropertyFolder(), nullptr)) {
        ShowError("物件の生成に失敗しました。");
        return false;
    }
    m_folderMade = true;
    COleDateTime now = g_clock ? g_clock() : COleDateTime::GetCurrentTime();
    m_date = COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
    if (!MakeRegister() || !AddRegisterRow()) {
        Undo();
        return false;
    }
    for (Document& document : documents) {
        if (!ImportDocument(document)) {
            Undo();
            return false;
        }
    }
    Shell().SetCurrentProperty(m_strDestination, m_strBukkenName, m_nBukkenIndex);
    Report();
    return true;
}

bool ZnAppFDImporter::CheckRegister()
{
    CString registerPath = RegisterPath();
    if (ZnPathExists(registerPath)) {
        if (ZnDatabaseCanUpdate(registerPath))
            return true;
        // An Access register is read only here: the property could not be registered in it.
        ShowError("物件管理データベースに書き込めないため、物件を作成できません。\n" + registerPath);
        return false;
    }
    CString templatePath = Shell().GetAppFolder() + Shell().GetAppMDB()->GetAppBukkenMdb();
    if (ZnPathExists(templatePath))
        return true;
    ShowError("データベースの雛形がありません。\n" + templatePath);
    return false;
}

void ZnAppFDImporter::ReadDocuments(std::vector<Document>& documents)
{
    ZnOldBukkenFolderLoader loader;
    ZnOldBukkenReaderList readers;
    loader.SetBasePath(m_strFloppyPath);
    loader.Load(&readers);
    int floppyCode = std::atoi(m_strAppTypeCode);
    for (POSITION pos = readers.GetHeadPosition(); pos;) {
        auto* reader = static_cast<ZnOldFormReader*>(readers.GetNext(pos));
        if (!reader)
            continue;
        Document document;
        document.code = reader->m_appTypeCode;
        document.kindName = Shell().DocKindName(std::atoi(document.code), DocMode(), kKindNameVariant);
        document.app.reset(reader->Read());
        document.kind = ZnFDImportKinds::Find(reader->m_targetClassName);
        if (document.app && document.kind && !ZnFDImportKinds::Extension(*document.kind, floppyCode).IsEmpty())
            documents.push_back(std::move(document));
        else
            m_notTaken.push_back(document.kindName.IsEmpty() ? document.code : document.kindName);
    }
    for (POSITION pos = readers.GetHeadPosition(); pos;)
        delete readers.GetNext(pos);
    readers.RemoveAll();
}

bool ZnAppFDImporter::MakeRegister()
{
    if (ZnPathExists(RegisterPath()))
        return true;
    // The copy, or the new database from the schema that an Access template gives way to, takes
    // its name only when whole.
    if (!ZnMakeDatabaseFromTemplate(Shell().GetAppFolder(), Shell().GetAppMDB()->GetAppBukkenMdb(), m_strDestination,
                                    appBukkenSchema, "物件管理データベースの複写に失敗しました。"))
        return false;
    m_registerMade = true;
    return true;
}

bool ZnAppFDImporter::AddRegisterRow()
{
    try {
        m_nBukkenIndex = ZnAppBukkenKanriTblDAO::AddProperty(RegisterPath(), m_strBukkenName, m_date, 1,
                                                             IsApplicationForms() ? 0 : 1, m_strDestination);
        return true;
    } catch (CDaoException* e) {
        ShowError("物件管理データベースに物件を登録できませんでした。\n" + e->m_pErrorInfo->m_strDescription);
        e->Delete();
        return false;
    }
}

bool ZnAppFDImporter::ImportDocument(Document& document)
{
    document.fileName = ZnFDImportKinds::NextFileName(*document.kind, std::atoi(m_strAppTypeCode),
                                                      IsApplicationForms() ? "Ka" : "Ke", m_counters);
    CString path = JoinPath(PropertyFolder(), document.fileName);
    if (!WriteDocumentFile(document, path)) {
        ShowError("書類「" + document.kindName + "」のファイル（" + document.fileName +
                  "）を書き込めませんでした。物件は作成されませんでした。");
        return false;
    }
    ImportMapBitmaps(*document.kind);
    return AddDocumentRow(document);
}

bool ZnAppFDImporter::WriteDocumentFile(const Document& document, const CString& path)
{
    ZnModel* levels[3];
    ZnFDImportKinds::CloneLevels(*document.kind, *document.app, levels);
    std::unique_ptr<ZnModel> owned[3] = {std::unique_ptr<ZnModel>(levels[0]), std::unique_ptr<ZnModel>(levels[1]),
                                         std::unique_ptr<ZnModel>(levels[2])};
    if (!levels[0] || !levels[2] || (document.kind->cloneMiddle && !levels[1]))
        return false;
    SetHeaderTexts(static_cast<ZnModelApp&>(*levels[0]), document.fileName);
    FillUsageNames(levels[2]);
    m_written.push_back(path);
    return WriteLevels(path, levels, 3);
}

void ZnAppFDImporter::SetHeaderTexts(ZnModelApp& common, const CString& fileName) const
{
    const CString dateText = ZnDateText(m_date);
    common.m_header.m_firstText = m_strBukkenName;
    common.m_header.m_secondText = dateText;
    common.m_header.m_thirdText = m_strDestination;
    common.m_header.m_localData.m_localText = dateText;
    common.m_header.m_localData.m_thirdLocalText = fileName;
}

void ZnAppFDImporter::FillUsageNames(ZnModel* document)
{
    if (auto* construction = dynamic_cast<ZnModelAppConstNotif*>(document)) {
        construction->m_oldText = MainUsageName(construction->m_mainUse);
        ZnRsetComCodeTbl* buildingUsages = CodeTable(ZnAppComTblAccess::slotTatemonoYoutoKoujitodoke);
        for (POSITION pos = construction->m_buildings.GetHeadPosition(); pos;) {
            ZnModelAppStrNotif* building = construction->m_buildings.GetNext(pos);
            if (building)
                building->m_oldText = ZnAppComTblAccess::GetNameByCode(buildingUsages, building->m_use.GetCode());
        }
        construction->m_demolition.m_oldText = MainUsageName(construction->m_demolition.m_mainUse);
    } else if (auto* demolition = dynamic_cast<ZnModelAppDemNotif*>(document)) {
        demolition->m_oldText = MainUsageName(demolition->m_mainUse);
    }
}

void ZnAppFDImporter::ImportMapBitmaps(const ZnFDImportKind& kind)
{
    if (kind.siteMap)
        ImportMapBitmap(kind.siteMap, "Mitori", "見取図");
    if (kind.layoutMap)
        ImportMapBitmap(kind.layoutMap, "Haichi", "配置図");
}

void ZnAppFDImporter::ImportMapBitmap(const char* name, const char* folder, const char* mapWord)
{
    CString source = m_strFloppyPath + folder + "\\" + name;
    if (!ZnPathExists(source))
        return;
    CString notTaken = CString(mapWord) + "（" + name + "）";
    // The bitmap is read once, whole and no further than a floppy holds, and the bytes checked are
    // those copied.
    std::string bytes;
    if (ZnOldFloppyFile::Read(source, bytes) != ZnOldFloppyFile::opened || CheckBitmapBytes(bytes) != bitmapOk) {
        ShowError(CString("この") + mapWord +
                  "のビットマップファイルはサポートされない形式です。\nこのファイルは保存されません。");
        m_notTaken.push_back(notTaken);
        return;
    }
    // A bitmap of a document before is replaced by the one of the same name, only once that is whole.
    CString target = JoinPath(PropertyFolder(), name);
    m_written.push_back(target);
    if (!WriteWholeFile(target, bytes.data(), bytes.size())) {
        ShowError(CString(mapWord) + "のファイルコピーに失敗しました。");
        m_notTaken.push_back(notTaken);
    }
}

bool ZnAppFDImporter::AddDocumentRow(const Document& document)
{
    ZnAppBukkenShousaiTblDAO rows;
    rows.SetDBPath(RegisterPath());
    try {
        rows.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(m_nBukkenIndex), 0);
        int index = rows.GetMaxShousaiIndex() + 1;
        rows.AddNew();
        rows.m_BukkenShousaiIndex = index;
        rows.m_BukkenIndex = m_nBukkenIndex;
        rows.m_ShinseiShoruiName = document.kindName;
        rows.m_ShinseiShubetuCode = std::atoi(document.code);
        rows.m_HeiganCode = m_nHeiganCode;
        rows.m_ShinseiKaisuu = 0;
        rows.m_Koushinbi = m_date;
        rows.m_FileName = document.fileName;
        rows.Update();
        rows.Close();
        return true;
    } catch (CDaoException* e) {
        ShowError("書類「" + document.kindName +
                  "」を物件管理データベースに登録できませんでした。物件は作成されませんでした。\n" +
                  e->m_pErrorInfo->m_strDescription);
        e->Delete();
        return false;
    }
}

void ZnAppFDImporter::Undo()
{
    if (m_registerMade)
        DeleteFile(RegisterPath());
    else if (m_nBukkenIndex != kNoProperty)
        RemoveRows();
    for (const CString& path : m_written)
        DeleteFile(path);
    if (m_folderMade)
        RemoveDirectory(PropertyFolder());
    m_nBukkenIndex = kNoProperty;
}

void ZnAppFDImporter::RemoveRows()
{
    try {
        ZnAppBukkenShousaiTblDAO rows;
        rows.SetDBPath(RegisterPath());
        rows.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(m_nBukkenIndex), 0);
        for (; !rows.IsEOF(); rows.MoveNext())
            rows.Delete();
        rows.Close();
        ZnAppBukkenKanriTblDAO properties;
        properties.SetDBPath(RegisterPath());
        properties.Open(dbOpenDynaset, nullptr, 0);
        for (; !properties.IsEOF(); properties.MoveNext())
            if (properties.m_BukkenIndex == m_nBukkenIndex)
                properties.Delete();
        properties.Close();
    } catch (CDaoException* e) {
        // The register refused the rows before; it is left as the failure left it.
        e->Delete();
    }
}

void ZnAppFDImporter::Report() const
{
    if (m_notTaken.empty()) {
        AfxMessageBox("FDの内容は正常に保存されました。", MB_ICONINFORMATION);
        return;
    }
    CString text = "FDの内容を保存しましたが、次のものは保存されませんでした。";
    for (const CString& name : m_notTaken)
        text += "\n・" + name;
    ShowError(text);
}
