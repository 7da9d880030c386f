#include "storage/ZnMngComTbl.h"

#include "storage/ZnMngComDbAttr.h"
#include "storage/ZnMngComRegAttr.h"
#include "storage/ZnMngComTblAttr.h"
#include "storage/ZnRegistryDataLocation.h"
#include "storage/ZnRegistrySystemStartup.h"
#include "storage/ZnRsetComCodeTbl.h"

#include <type_traits>

IMPLEMENT_DYNAMIC(ZnMngComTbl, VhObject)

const char* const ZnMngComTbl::comCodeMdb = "COM_CODE.mdb";

namespace {

struct CodeTable {
    int code;
    const char* table;
    const char* displayName;
};

// The code tables of COM_CODE.mdb, in the order in which they are registered.
const CodeTable codeTables[ZnMngComTbl::kCodeTableCount] = {
    {10001, "KenchikushiTourokuShubetsuTbl", "建築士登録種別"},
    {10002, "JimushoTourokuShubetsuTbl", "建築士事務所登録種別"},
    {10003, "KensetsugyouKyokaTbl", "建設業許可別"},
    {10004, "KenchikushiShikakuTbl", "建築士資格"},
    {10005, "JimushoShikakuTbl", "建築士事務所資格"},
    {10006, "ToshikeikakuKuikiNaigaiTbl", "都市計画区域の内外"},
    {10007, "BoukaChiikiTbl", "防火地域"},
    {10008, "YoutoChiikiTbl", "用途地域"},
    {10009, "TatemonoYoutoTbl", "建物用途"},
    {10010, "KoujiShubetsuTbl", "工事種別"},
    {10011, "ShoukoukiShubetsuTbl", "昇降機種別"},
    {10012, "ShoukoukiYoutoTbl", "昇降機用途"},
    {10013, "KouzouShubetsuTbl", "構造種別"},
    {10014, "TaikaShubetsuTbl", "耐火建築物の種別"},
    {10015, "ZadazezTokureiTbl", "確認の特例"},
    {10016, "Rei13_2KenchikubutsuKubunTbl", "令１３条の２の建築物の区分"},
    {10017, "KousakubutsuShuruiHou88_1Tbl", "工作物の種類（法第８８条第１項）"},
    {10018, "KousakubutsuYoutoHou88_2Tbl", "工作物の用途（法第８８条第２項）"},
    {10019, "ShigaichiTbl", "市街化区域"},
    {10020, "Hou22KuikiTbl", "法第２２条区域"},
    {10021, "KenchikunushiShubetsuKoujitodokeTbl", "建築主種別（建築工事届用）"},
    {10022, "GyoushuKoujitodokeTbl", "業種（建築工事届用）"},
    {10023, "ToshikeikakuKuikiKoujitodokeTbl", "都市計画区域（建築工事届用）"},
    {10024, "KoujiShubetsuKoujitodokeTbl", "工事種別（建築工事届用）"},
    {10025, "TayoutoKubunKoujitodokeTbl", "多用途の区分（建築工事届用）"},
    {10026, "KoujibubunKouzouKoujitodokeTbl", "工事部分の構造（建築工事届用）"},
    {10027, "JuutakuKoujiShubetsuKoujitodokeTbl", "住宅の工事種別（建築工事届用）"},
    {10028, "JuutakuShikinKoujitodokeTbl", "住宅の資金（建築工事届用）"},
    {10029, "JuutakuKouhouKoujitodokeTbl", "住宅の建築工法（建築工事届用）"},
    {10030, "JuutakuShuruiKoujitodokeTbl", "住宅の種類（建築工事届用）"},
    {10031, "JokyakuGeninTbl", "除却原因（建築工事届、除却届用）"},
    {10032, "JokyakuKenchikubutsuKouzouTbl", "除却建築物の構造種別（建築工事届、除却届用）"},
    {10033, "JokyakuKenchikubutsuJuutakuKankeiTbl", "除却建築物の住宅の利用関係（建築工事届、除却届用）"},
    {10034, "GengouTbl", "元号"},
    {10035, "KoujiShubetsuKyokaTbl", "工事種別（許可・認定申請用）"},
    {10036, "Hou52_7TekiyouTbl", "法第52条第7項適用区域"},
    {10037, "Hou52_7TokureiTbl", "法第52条第7項の特例の有無"},
    {10038, "TenkuritsuKubunTbl", "天空率の特例の区分を示す記号"},
    {10039, "ShuyouyoutoKoujitodokeTbl", "工事届の主要用途"},
    {10040, "ShuyouyoutoKubunKoujitodokeTbl", "主要用途の区分"},
    {10041, "TatemonoYoutoKoujitodokeTbl", "建築物ごとの用途"},
};

// The company key of every registry table.
const char* const companyKey = "Norva\\Zadazez";

template <class T> T* Lookup(const CMapStringToOb& map, LPCTSTR key)
{
    CObject* value = nullptr;
    return map.Lookup(key, value) ? static_cast<T*>(value) : nullptr;
}

CString CodeText(int code)
{
    CString text;
    text.Format("%d", code);
    return text;
}

// Deletes every object of the map, closing the open ones first when they are DAO objects, and
// empties the map.
template <class T> void DeleteAll(CMapStringToOb& map)
{
    CString key;
    CObject* value = nullptr;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        T* object = static_cast<T*>(value);
        if constexpr (std::is_base_of_v<CDaoRecordset, T> || std::is_base_of_v<CDaoDatabase, T>) {
            if (object->IsOpen())
                object->Close();
        }
        delete object;
    }
    map.RemoveAll();
}

} // namespace

ZnMngComTbl::ZnMngComTbl(CDaoWorkspace* workspace) : m_pWorkspace(workspace) {}

ZnMngComTbl::~ZnMngComTbl() { ZnMngComTbl::Close(); }

void ZnMngComTbl::Init(int open)
{
    Term();
    m_mapDbAttrs.SetAt(comCodeMdb, new ZnMngComDbAttr(comCodeMdb, m_strComTblFolder, 0, 0, nullptr));
    for (const CodeTable& table : codeTables) {
        m_mapTblAttrs.SetAt(table.table,
                            new ZnMngComTblAttr(table.code, CodeText(table.code), table.table, table.displayName,
                                                comCodeMdb, nullptr, AFX_DAO_USE_DEFAULT_TYPE, 0));
        if (open) {
            CString sql;
            GetRecordset(table.table, sql, 1);
        }
    }
}

void ZnMngComTbl::Term()
{
    // Recordsets before the databases they run on.
    DeleteAll<ZnRsetComCodeTbl>(m_mapRecordsets);
    DeleteAll<CDaoDatabase>(m_mapDatabases);
    DeleteAll<ZnMngComDbAttr>(m_mapDbAttrs);
    DeleteAll<ZnMngComTblAttr>(m_mapTblAttrs);
}

void ZnMngComTbl::RegInit(int create)
{
    RegTerm();
    AddRegTable(30101, "DataLocationTbl", "データロケーション", "DataLocation", create);
    AddRegTable(30201, "SystemStartupTbl", "システム起動情報", "SystemStartup", create);
}

void ZnMngComTbl::RegTerm()
{
    DeleteAll<ZnRegistry>(m_mapRegObjects);
    DeleteAll<ZnMngComRegAttr>(m_mapRegAttrs);
}

void ZnMngComTbl::Close()
{
    Term();
    RegTerm();
}

ZnRsetComCodeTbl* ZnMngComTbl::NewRecordset(ZnMngComTblAttr* attr, CDaoDatabase* database)
{
    return attr && database ? new ZnRsetComCodeTbl(database) : nullptr;
}

ZnRegistry* ZnMngComTbl::CreateRegObject(ZnMngComRegAttr* attr)
{
    if (!attr)
        return nullptr;
    if (attr->m_strTable == "DataLocationTbl") {
        auto* object = new ZnRegistryDataLocation("DataLocation", ZnRegistryDataLocation::kFolderNames);
        object->SetRootKey(HKEY_LOCAL_MACHINE);
        return WithAttrKeys(object, *attr);
    }
    if (attr->m_strTable == "SystemStartupTbl")
        return WithAttrKeys(new ZnRegistrySystemStartup("SystemStartup", "ShiyoushaCode", "ShiyoushaName",
                                                        "ShiyoushaFirstName", "ShiyoushaTanmatsu", "ShiyoushaKengen"),
                            *attr);
    return nullptr;
}

CDaoDatabase* ZnMngComTbl::GetDatabase(LPCTSTR table)
{
    ZnMngComTblAttr* attr = GetTableAttr(table);
    if (!attr)
        return nullptr;
    CDaoDatabase* database = Lookup<CDaoDatabase>(m_mapDatabases, attr->m_strDatabase);
    if (!database) {
        database = new CDaoDatabase(m_pWorkspace);
        m_mapDatabases.SetAt(attr->m_strDatabase, database);
    }
    return database;
}

ZnRsetComCodeTbl* ZnMngComTbl::GetRecordset(LPCTSTR table, CString& sql, int open)
{
    sql.Empty();
    ZnMngComTblAttr* attr = GetTableAttr(table);
    if (!attr)
        return nullptr;
    if (ZnRsetComCodeTbl* recordset = Lookup<ZnRsetComCodeTbl>(m_mapRecordsets, table)) {
        sql = attr->m_strSQL;
        if (!open) {
            if (recordset->IsOpen())
                recordset->Close();
            return recordset;
        }
        return recordset->IsOpen() || OpenRecordset(*recordset, *attr) ? recordset : nullptr;
    }
    ZnRsetComCodeTbl* recordset = CreateRecordset(table, sql, open, attr);
    if (recordset)
        m_mapRecordsets.SetAt(table, recordset);
    return recordset;
}

ZnRsetComCodeTbl* ZnMngComTbl::CreateRecordset(LPCTSTR table, CString& sql, int open, ZnMngComTblAttr* attr)
{
    sql.Empty();
    if (!table || !*table)
        return nullptr;
    if (!attr)
        attr = GetTableAttr(table);
    if (!attr)
        return nullptr;
    CDaoDatabase* database = GetDatabase(table);
    if (!database || !OpenDatabase(*database, attr->m_strDatabase))
        return nullptr;
    ZnRsetComCodeTbl* recordset = NewRecordset(attr, database);
    if (!recordset)
        return nullptr;
    if (open && !OpenRecordset(*recordset, *attr)) {
        delete recordset;
        return nullptr;
    }
    sql = attr->m_strSQL;
    return recordset;
}

ZnRegistry* ZnMngComTbl::GetRegObject(LPCTSTR table)
{
    if (!table || !*table)
        return nullptr;
    ZnMngComRegAttr* attr = Lookup<ZnMngComRegAttr>(m_mapRegAttrs, table);
    if (!attr)
        return nullptr;
    ZnRegistry* object = Lookup<ZnRegistry>(m_mapRegObjects, table);
    if (!object) {
        object = CreateRegObject(attr);
        if (object)
            m_mapRegObjects.SetAt(table, object);
    }
    return object;
}

ZnMngComTblAttr* ZnMngComTbl::GetTableAttr(LPCTSTR table) const
{
    return table && *table ? Lookup<ZnMngComTblAttr>(m_mapTblAttrs, table) : nullptr;
}

void ZnMngComTbl::AddRegTable(int code, LPCTSTR table, LPCTSTR displayName, LPCTSTR subKey, int create)
{
    m_mapRegAttrs.SetAt(table, new ZnMngComRegAttr(code, CodeText(code), table, displayName, subKey, companyKey));
    if (create)
        GetRegObject(table);
}

ZnRegistry* ZnMngComTbl::WithAttrKeys(ZnRegistry* object, const ZnMngComRegAttr& attr)
{
    if (!attr.m_strCompanyKey.IsEmpty())
        object->SetCompanyKey(attr.m_strCompanyKey);
    if (!attr.m_strSubKey.IsEmpty())
        object->SetKey(attr.m_strSubKey);
    return object;
}

bool ZnMngComTbl::OpenDatabase(CDaoDatabase& database, const CString& databaseFile)
{
    if (database.IsOpen())
        return true;
    ZnMngComDbAttr* attr = Lookup<ZnMngComDbAttr>(m_mapDbAttrs, databaseFile);
    if (!attr)
        return false;
    try {
        database.Open(attr->GetPath(), attr->m_nExclusive, attr->m_nReadOnly, attr->GetConnect());
        return true;
    } catch (CDaoException* e) {
        e->Delete();
        return false;
    }
}

bool ZnMngComTbl::OpenRecordset(ZnRsetComCodeTbl& recordset, const ZnMngComTblAttr& attr)
{
    // A table missing from the file (or lacking a column) leaves its recordset closed, as a
    // database that cannot be opened leaves it missing: the callers leave that table's slot empty.
    try {
        recordset.Open(attr.m_nOpenType, attr.m_strSQL, attr.m_nOptions);
        return true;
    } catch (CDaoException* e) {
        e->Delete();
        return false;
    }
}
