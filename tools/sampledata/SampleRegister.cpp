#include "tools/sampledata/SampleRegister.h"

#include "model/ZnModelDocKinds.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/files/CFile.h"
#include "platform/files/WinPath.h"
#include "shell/ZnDocKindNames.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "tools/sampledata/SampleDocuments.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace sampledata {

namespace {

// The region of every sample property: 関東 of the sample COM_CHIIKI.mdb.
const short kantoRegion = 3;

struct Day {
    int year, month, day;
};

// A row of the document list, numbered within its property; the three numbers are those the
// authority gave the document (reception, confirmation, inspection certificate).
struct SampleDocumentRow {
    int shousaiIndex;
    int code;
    Day date;
    LPCTSTR uketukeBangou;
    LPCTSTR zadazezBangou;
    LPCTSTR goukakuBangou;
};

struct SampleProperty {
    int bukkenIndex;
    LPCTSTR name;
    Day created;
    bool notification; // ShinseiKubun 1: the documents are notifications
    LPCTSTR bikou;
    SampleProject project;
    std::vector<SampleDocumentRow> documents;
};

// The properties: a house with its whole course from confirmation to completion, a block of
// flats with its lift, equipment and construction notification, a school gymnasium in
// notification mode, an advertising tower, a concrete plant and a building replacing a
// demolished warehouse. The second name holds a half-width blank.
const std::vector<SampleProperty>& SampleProperties()
{
    // clang-format off
    // Per property: index, name, creation date, notification mode, remarks; the project (name and
    // reading; site: postal code, lot, display address; use, use zone, structure; site area,
    // building area, floors above and below ground, height, specified stage; owner, designer,
    // constructor, destination); the documents (number, kind, date, reception, confirmation and
    // certificate numbers).
    static const std::vector<SampleProperty> properties = {
        {1, "山田邸新築工事", {2010, 4, 12}, false, "",
         {"山田邸", "ヤマダテイ",
          "166", "0002", "東京都杉並区高円寺北二丁目145番3", "東京都杉並区高円寺北二丁目15番8号",
          "08010", "一戸建ての住宅", "00901", "02401", "木造",
          165.30, 72.50, 2, 0, 8.2, "屋根の小屋組の工事及び構造耐力上主要な軸組の工事",
          ownerYamada, architectNakamura, builderYamamoto, "東京都杉並区建築主事"},
         {{1, 100001, {2010, 5, 31}, "H22-0412", "第H22確認建築00123号", ""},
          {2, 100301, {2010, 8, 20}, "H22-0877", "", ""},
          {3, 100101, {2010, 12, 12}, "H22-1290", "", "第H22中間建築00456号"},
          {4, 100201, {2011, 9, 22}, "H23-0935", "", "第H23完了建築00789号"}}},
        {2, "さくら台マンション 新築工事", {2010, 5, 20}, false, "",
         {"さくら台マンション", "サクラダイマンション",
          "227", "0062", "神奈川県横浜市青葉区青葉台一丁目6番12", "神奈川県横浜市青葉区青葉台一丁目6番12号",
          "08030", "共同住宅", "00903", "02405", "鉄筋コンクリート造",
          1250.00, 610.40, 5, 1, 15.8, "２階の床及びこれを支持するはりに鉄筋を配置する工事",
          ownerSakuradai, architectKobayashi, builderMatsumoto, "横浜市建築主事"},
         {{1, 100001, {2010, 5, 28}, "", "", ""},
          {2, 100002, {2010, 6, 15}, "", "", ""},
          {3, 100003, {2010, 6, 15}, "", "", ""},
          {4, 100801, {2010, 6, 30}, "", "", ""},
          {5, 100302, {2010, 9, 10}, "", "", ""}}},
        {3, "東山小学校体育館改築工事", {2010, 6, 1}, true, "計画通知",
         {"東山市立東山小学校屋内運動場", "ヒガシヤマシリツヒガシヤマショウガッコウオクナイウンドウジョウ",
          "350", "1101", "埼玉県東山市本町三丁目2番1", "埼玉県東山市本町三丁目2番1号",
          "08080", "小学校", "00905", "02404", "鉄骨造",
          18500.00, 1180.00, 2, 0, 13.5, nullptr,
          ownerHigashiyama, architectKato, builderMatsumoto, "埼玉県建築主事"},
         {{1, 100001, {2010, 7, 1}, "", "", ""},
          {2, 100201, {2011, 3, 10}, "", "", ""}}},
        {4, "駅前広告塔設置工事", {2010, 7, 15}, false, "",
         {"駅前広告塔", "エキマエコウコクトウ",
          "141", "0021", "東京都品川区上大崎二丁目15番1", "東京都品川区上大崎二丁目15番1号",
          "", "広告塔", "00909", "02404", "鉄骨造",
          95.00, 6.25, 0, 0, 15.0, nullptr,
          ownerEkimaeAd, architectKato, builderYamamoto, "東京都品川区建築主事"},
         {{1, 100004, {2010, 7, 20}, "", "", ""}}},
        {5, "東部生コン第二プラント", {2010, 8, 2}, false, "",
         {"東部生コン第二プラント", "トウブナマコンダイニプラント",
          "340", "0002", "埼玉県草加市青柳五丁目900番1", "埼玉県草加市青柳五丁目8番20号",
          "", "生コンクリート製造施設", "00911", "02404", "鉄骨造",
          3200.00, 320.00, 0, 0, 25.0, nullptr,
          ownerToubuNamakon, architectKato, builderMatsumoto, "埼玉県建築主事"},
         {{1, 100006, {2010, 8, 5}, "", "", ""}}},
        {6, "鈴木ビル建替工事", {2010, 9, 3}, false, "旧倉庫を除却して新築",
         {"鈴木ビル", "スズキビル",
          "140", "0011", "東京都品川区東大井三丁目210番5", "東京都品川区東大井三丁目9番4号",
          "08060", "店舗兼用住宅", "00908", "02405", "鉄筋コンクリート造",
          210.50, 150.20, 4, 0, 13.2, nullptr,
          ownerSuzuki, architectNakamura, builderMatsumoto, "東京都品川区建築主事"},
         {{1, 100802, {2010, 9, 3}, "", "", ""},
          {2, 100001, {2010, 9, 3}, "", "", ""},
          {3, 100803, {2010, 9, 3}, "", "", ""}}},
    };
    // clang-format on
    return properties;
}

COleDateTime OleDate(const Day& day) { return COleDateTime(day.year, day.month, day.day, 0, 0, 0); }

int DocMode(const SampleProperty& property) { return property.notification ? 32787 : ZnDocKindNames::applicationMode; }

// The document's file name in the property folder: "Ka" or "Ke", "001." and the form number,
// the extension of the kind.
CString DocumentFileName(const SampleProperty& property, int code)
{
    const ZnModelDocKind* kind = ZnModelDocKinds::Find(code);
    if (!kind || !*kind->fileExtension)
        throw std::invalid_argument("a sample document kind without a file of its own");
    return ZnDocKindNames::MakeFormFileName(std::atoi(kind->fileExtension + 1), DocMode(property));
}

void AddPropertyRow(ZnAppBukkenKanriTblDAO& properties, const SampleProperty& property, const CString& folder)
{
    properties.AddNew();
    properties.m_BukkenIndex = property.bukkenIndex;
    properties.m_Bukkenmei = property.name;
    properties.m_Koushinbi = OleDate(property.created);
    properties.m_ChikiShiteiCode = kantoRegion;
    properties.m_ShinseiKubun = property.notification ? 1 : 0;
    properties.m_HozonDirectory = folder;
    properties.m_Bikou = property.bikou;
    properties.Update();
}

void AddDocumentRow(ZnAppBukkenShousaiTblDAO& documents, const SampleProperty& property,
                    const SampleDocumentRow& document)
{
    documents.AddNew();
    documents.m_BukkenShousaiIndex = document.shousaiIndex;
    documents.m_BukkenIndex = property.bukkenIndex;
    documents.m_ShinseiShoruiName = ZnDocKindNames::DocKindName(document.code, DocMode(property), 0);
    documents.m_ShinseiShubetuCode = document.code;
    documents.m_Koushinbi = OleDate(document.date);
    documents.m_UketukeBangou = document.uketukeBangou;
    documents.m_ZadazezBangou = document.zadazezBangou;
    documents.m_GoukakuBangou = document.goukakuBangou;
    documents.m_FileName = DocumentFileName(property, document.code);
    documents.Update();
}

// APP_BUKKEN.mdb: one row per property and one per document.
void WriteRegisterRows(const CString& databasePath, const CString& folder)
{
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(databasePath);
    properties.Open(dbOpenDynaset, nullptr, 0);
    ZnAppBukkenShousaiTblDAO documents;
    documents.SetDBPath(databasePath);
    documents.Open(dbOpenDynaset, nullptr, 0);
    for (const SampleProperty& property : SampleProperties()) {
        AddPropertyRow(properties, property, folder);
        for (const SampleDocumentRow& document : property.documents)
            AddDocumentRow(documents, property, document);
    }
    documents.Close();
    properties.Close();
}

// The document file: the archive of its slot objects in slot order.
void WriteDocumentFile(const CString& path, const SampleSlots& slots)
{
    ZnModel* objects[3];
    for (int slot = 0; slot < 3; ++slot)
        objects[slot] = slots.objects[slot].get();
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ZnModelDocKinds::SerializeSlots(ar, objects, 3);
    ar.Close();
    file.Close();
}

void WritePropertyFolder(const CString& folder, const SampleProperty& property)
{
    CString propertyFolder = folder + "\\" + property.name;
    if (!std::filesystem::create_directory(WinPathToLinux(propertyFolder)))
        throw std::runtime_error("the property folder exists already");
    for (const SampleDocumentRow& document : property.documents) {
        SampleDocumentInfo info{document.code, HeiseiDate(document.date.year, document.date.month, document.date.day)};
        WriteDocumentFile(propertyFolder + "\\" + DocumentFileName(property, document.code),
                          MakeSampleDocument(property.project, info));
    }
}

} // namespace

void MakeSampleRegister(const std::string& folder)
{
    CString windowsFolder(LinuxPathToWin(folder).c_str());
    CString databasePath = windowsFolder + "\\APP_BUKKEN.mdb";
    DaoCreateDatabase(databasePath, appBukkenSchema);
    WriteRegisterRows(databasePath, windowsFolder);
    for (const SampleProperty& property : SampleProperties())
        WritePropertyFolder(windowsFolder, property);
}

} // namespace sampledata
