// The property that the destination dialog's OK makes from an application floppy: its folder,
// files, register and document rows, the documents loaded back, the usage names, the bitmaps, and
// every refusal and failure, which leave the destination as it was.
#include "tests/fdimport/FloppyImportSupport.h"
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/SqliteRows.h"

#include "fdimport/ZnFDImportKinds.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFormReader.h"

#include <memory>

using testsupport::ReadFileBytes;
using testsupport::StoreToBytes;
using testsupport::WriteFileBytes;

namespace {

const char kSaved[] = u8"FDの内容は正常に保存されました。";
const char kExists[] = u8"指定の物件は既に存在しています。";
const char kNothingRead[] = u8"申請FDから読み込める書類がありません。物件は作成されませんでした。";

std::string ClassOf(const ZnModel* model) { return model ? model->GetRuntimeClass()->m_lpszClassName : "-"; }
std::string Bytes(const ZnModel* model)
{
    return model ? StoreToBytes([&](CArchive& ar) { const_cast<ZnModel*>(model)->Serialize(ar); }) : "";
}

// What the floppy's readers return, read apart from the import: one object per reader that read.
std::vector<std::unique_ptr<ZnModelApp>> ReadFloppy(const CString& floppyPath)
{
    ZnOldBukkenFolderLoader loader;
    ZnOldBukkenReaderList readers;
    loader.SetBasePath(floppyPath);
    loader.Load(&readers);
    std::vector<std::unique_ptr<ZnModelApp>> documents;
    for (POSITION pos = readers.GetHeadPosition(); pos;) {
        std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(readers.GetNext(pos)));
        if (reader)
            documents.emplace_back(reader->Read());
    }
    return documents;
}

// One floppy fixture and what its import gives.
struct FloppyCase {
    std::string fixture;
    std::string name;
    int kubun; // ShinseiKubun
    int heigan;
    // Per document: file name, code, kind name, and the classes of its three slots.
    struct Document {
        std::string fileName;
        int code;
        std::string kindName;
        std::string classes;
    };
    std::vector<Document> documents;
    std::vector<std::string> bitmaps; // copied from the floppy, byte for byte
};

const std::vector<FloppyCase> floppyCases = {
    {"build_conf",
     u8"南町の家",
     0,
     0,
     {{"Ka001.110", 100001, u8"確認申請書（建築物）", "ZnModelApp|ZnModelAppBuild|ZnModelAppBuildConf"},
      {"Ka001.240", 100801, u8"建築工事届", "ZnModelApp|ZnModelAppConstNotif|-"}},
     {"Haichi/ksq330.bmp", "Mitori/ksq310.bmp"}},
    {"lift_mod",
     u8"昇降機の家",
     0,
     0,
     {{"Ka001.420", 100302, u8"計画変更確認申請書（昇降機）", "ZnModelApp|ZnModelAppLift|ZnModelAppLiftMod"}},
     {}},
    {"equip_conf",
     u8"設備の家",
     0,
     1,
     {{"Ka001.170", 100003, u8"確認申請書（昇降機以外の建築設備）", "ZnModelApp|ZnModelAppEquip|ZnModelAppEquipConf"}},
     {}},
    {"semi_str_conf",
     u8"工作物の家",
     1,
     0,
     {{"Ke001.190", 100006, u8"計画通知書（工作物（法88条2項））",
       "ZnModelApp|ZnModelAppSemiStr|ZnModelAppSemiStrConf"}},
     {"Haichi/ksq340.bmp", "Mitori/ksq320.bmp"}},
    {"interim_building",
     u8"中間の家",
     0,
     0,
     {{"Ka001.281", 100101, u8"中間検査申請書（建築物）", "ZnModelApp|ZnModelAppInspConf|ZnModelAppRegInspConf"}},
     {}},
    {"completion_lift",
     u8"完了の家",
     0,
     0,
     {{"Ka001.212", 100202, u8"完了検査申請書（昇降機）", "ZnModelApp|ZnModelAppInspConf|ZnModelAppCompInspConf"}},
     {}},
};

class FloppyImportRuns : public FloppyImport {
protected:
    FloppyImportRuns() { Start(); }

    // The property's files, sorted.
    std::vector<std::string> PropertyFiles(const std::string& destination, const std::string& name) const
    {
        return Names(destination + "/" + name);
    }
    // Loads a document of the current property through the application's loader.
    bool Load(int bukkenIndex, int shousaiIndex)
    {
        m_app.m_nBukkenIndex = bukkenIndex;
        m_app.m_nBukkenShousaiIndex = shousaiIndex;
        return m_app.LoadBukkenDocument() != FALSE;
    }
    std::string LoadedClasses() const
    {
        return ClassOf(Document().GetAppModel()) + "|" + ClassOf(Document().GetFormModel()) + "|" +
               ClassOf(Document().GetSubFormModel());
    }
    // The header texts that the import gives the common part of a document.
    std::string HeaderTexts() const
    {
        const auto* app = static_cast<const ZnModelApp*>(Document().GetAppModel());
        const ZnModelAppHeader& header = app->m_header;
        return Line(header.m_firstText, header.m_secondText, header.m_thirdText, header.m_localData.m_localText,
                    header.m_localData.m_thirdLocalText);
    }
    // The import of the fixture into destination must have made exactly what the case says;
    // index is the property's expected BukkenIndex.
    void ExpectImported(const FloppyCase& c, const std::string& destination, int index)
    {
        SCOPED_TRACE(c.fixture + " into " + destination);
        EXPECT_EQ(kSaved, MessageTexts().back());
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_ui.messageBoxes.back().type);
        std::vector<std::string> files;
        for (const auto& document : c.documents)
            files.push_back(document.fileName);
        for (const std::string& bitmap : c.bitmaps)
            files.push_back(bitmap.substr(bitmap.find('/') + 1));
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, PropertyFiles(destination, c.name));
        for (const std::string& bitmap : c.bitmaps)
            EXPECT_EQ(
                ReadFileBytes(m_folder.Path("floppy/" + bitmap)),
                ReadFileBytes(m_folder.Path(destination + "/" + c.name + "/" + bitmap.substr(bitmap.find('/') + 1))));

        std::vector<std::string> registerRows = RegisterRows(destination + "/APP_BUKKEN.mdb");
        ASSERT_FALSE(registerRows.empty());
        std::string folder = cp932::ToUtf8(Windows(destination).Bytes());
        EXPECT_EQ(std::to_string(index) + "|" + c.name + "|2026-03-04 00:00:00|1|" + std::to_string(c.kubun) + "|" +
                      folder + "|",
                  registerRows.back());
        std::vector<std::string> rows;
        for (size_t i = 0; i < c.documents.size(); ++i)
            rows.push_back(std::to_string(i + 1) + "|" + std::to_string(index) + "|" + c.documents[i].kindName + "|" +
                           std::to_string(c.documents[i].code) + "|" + std::to_string(c.heigan) +
                           "|0|2026-03-04 00:00:00||||" + c.documents[i].fileName + "|");
        std::vector<std::string> stored = DocumentRows(destination + "/APP_BUKKEN.mdb");
        stored.erase(std::remove_if(stored.begin(), stored.end(),
                                    [&](const std::string& row) {
                                        return row.compare(row.find('|') + 1, std::to_string(index).size() + 1,
                                                           std::to_string(index) + "|") != 0;
                                    }),
                     stored.end());
        EXPECT_EQ(rows, stored);
        // Other programs read the register file too: what the import sets to 0 holds 0 there, not null.
        std::string registerFile = m_folder.Path(destination + "/APP_BUKKEN.mdb");
        std::string ofProperty = " WHERE BukkenIndex = " + std::to_string(index);
        std::string kubun = "SELECT quote(ShinseiKubun) FROM AppBukkenKanriTbl" + ofProperty;
        EXPECT_EQ(std::vector<std::string>{std::to_string(c.kubun)}, testsupport::SqliteRows(registerFile, kubun));
        std::string zeros = "SELECT quote(HeiganCode), quote(ShinseiKaisuu) FROM AppBukkenShousaiTbl" + ofProperty;
        EXPECT_EQ(std::vector<std::string>(c.documents.size(), std::to_string(c.heigan) + "|0"),
                  testsupport::SqliteRows(registerFile, zeros));

        // The property is the current one, and each document loads back as its reader gave it,
        // with the header texts of the import in its common part.
        EXPECT_EQ(Windows(destination), m_app.GetObjFolder());
        EXPECT_EQ(c.name, cp932::ToUtf8(m_app.GetBukkenName().Bytes()));
        EXPECT_EQ(index, Frame().GetBukkenIndex());
        std::vector<std::unique_ptr<ZnModelApp>> read = ReadFloppy(Windows("floppy") + "\\");
        ASSERT_EQ(c.documents.size(), read.size());
        for (size_t i = 0; i < c.documents.size(); ++i) {
            SCOPED_TRACE(c.documents[i].fileName);
            ASSERT_TRUE(Load(index, i + 1));
            EXPECT_EQ(c.documents[i].classes, LoadedClasses());
            EXPECT_EQ(c.name + u8"|2026/3/4|" + folder + u8"|2026/3/4|" + c.documents[i].fileName, HeaderTexts());
            ZnModel* whole = Document().GetSubFormModel() ? Document().GetSubFormModel() : Document().GetFormModel();
            if (dynamic_cast<ZnModelAppConstNotif*>(whole))
                continue; // its usage names are filled in: UsageNamesComeFromTheCodeTables
            EXPECT_EQ(Bytes(read[i].get()), Bytes(whole));
        }
    }
};

} // namespace

TEST(FloppyImportKinds, ExtensionsAndNumbersOfEveryKind)
{
    struct Row {
        const char* className;
        int code;
        std::vector<std::string> names; // of three documents in turn
    };
    const std::vector<Row> rows = {
        {"ZnModelAppBuildConf", 100001, {"Ka001.110", "Ka001.110", "Ka001.110"}},
        {"ZnModelAppBuildMod", 100301, {"Ka001.410", "Ka002.410", "Ka003.410"}},
        {"ZnModelAppLiftConf", 100002, {"Ka001.160", "Ka001.160", "Ka001.160"}},
        {"ZnModelAppLiftMod", 100302, {"Ka001.420", "Ka002.420", "Ka003.420"}},
        {"ZnModelAppEquipConf", 100003, {"Ka001.170", "Ka001.170", "Ka001.170"}},
        {"ZnModelAppEquipMod", 100303, {"Ka001.430", "Ka002.430", "Ka003.430"}},
        {"ZnModelAppStructConf", 100004, {"Ka001.180", "Ka001.180", "Ka001.180"}},
        {"ZnModelAppStructMod", 100304, {"Ka001.440", "Ka002.440", "Ka003.440"}},
        {"ZnModelAppStrLiftConf", 100005, {"Ka001.161", "Ka001.161", "Ka001.161"}},
        {"ZnModelAppStrLiftMod", 100305, {"Ka001.421", "Ka002.421", "Ka003.421"}},
        {"ZnModelAppSemiStrConf", 100006, {"Ka001.190", "Ka001.190", "Ka001.190"}},
        {"ZnModelAppSemiStrMod", 100306, {"Ka001.450", "Ka002.450", "Ka003.450"}},
        {"ZnModelAppTempUseConf", 100401, {"Ka001.220", "Ka001.220", "Ka001.220"}},
        {"ZnModelAppTempUseConf", 100406, {"Ka001.220", "Ka001.220", "Ka001.220"}},
        {"ZnModelAppTempUseConf", 100411, {"Ka001.230", "Ka001.230", "Ka001.230"}},
        {"ZnModelAppTempUseConf", 100416, {"Ka001.230", "Ka001.230", "Ka001.230"}},
        {"ZnModelAppTempUseConf", 100407, {"", "", ""}},
        {"ZnModelAppConstNotif", 100001, {"Ka001.240", "Ka001.240", "Ka001.240"}},
        {"ZnModelAppDemNotif", 100802, {"Ka001.250", "Ka001.250", "Ka001.250"}},
        {"ZnModelAppSafeNotif", 100803, {"Ka001.260", "Ka001.260", "Ka001.260"}},
        {"ZnModelAppRegInspConf", 100100, {"", "", ""}},
        {"ZnModelAppCompInspConf", 100207, {"", "", ""}},
    };
    for (const Row& row : rows) {
        const ZnFDImportKind* kind = ZnFDImportKinds::Find(row.className);
        ASSERT_NE(nullptr, kind) << row.className;
        ZnFDImportKinds::Counters counters;
        std::vector<std::string> names;
        for (int i = 0; i < 3; ++i)
            names.push_back(ZnFDImportKinds::NextFileName(*kind, row.code, "Ka", counters).Bytes());
        EXPECT_EQ(row.names, names) << row.className << " " << row.code;
    }
    // The inspections: one counter per code, the code's last digit in the extension; 100106 too.
    ZnFDImportKinds::Counters counters;
    std::string names;
    for (const char* className : {"ZnModelAppRegInspConf", "ZnModelAppCompInspConf"})
        for (int code : {100101, 100102, 100103, 100104, 100105, 100106, 100201, 100202, 100203, 100204, 100205, 100206,
                         100102, 100106, 100206})
            names +=
                ZnFDImportKinds::NextFileName(*ZnFDImportKinds::Find(className), code, "Ke", counters).Bytes() + " ";
    EXPECT_EQ("Ke001.281 Ke001.282 Ke001.283 Ke001.284 Ke001.285 Ke001.286       Ke002.282 Ke002.286  "
              "      Ke001.211 Ke001.212 Ke001.213 Ke001.214 Ke001.215 Ke001.216   Ke002.216 ",
              names);
    EXPECT_EQ(nullptr, ZnFDImportKinds::Find("ZnModelAppBuild"));
    EXPECT_EQ(nullptr, ZnFDImportKinds::Find("znmodelappbuildconf"));
}

TEST_F(FloppyImportRuns, EachFloppyBecomesAPropertyWithAndWithoutARegisterInItsDestination)
{
    std::string registerTemplate = ReadFileBytes(m_folder.Path("app/APP_BUKKEN.mdb"));
    // The register of obj keeps the rows of the properties imported before.
    int index = 8;
    for (const FloppyCase& c : floppyCases) {
        CopyFloppy(c.fixture);
        Import("obj");
        ExpectImported(c, "obj", index++);
        std::filesystem::remove_all(m_folder.Path("obj/" + c.name));
        Import("dst");
        ExpectImported(c, "dst", 1);
        std::filesystem::remove_all(m_folder.Path("dst"));
        MakeFolders({"dst"});
    }
    // The register of obj kept its rows; the template was copied, not changed.
    EXPECT_EQ(2u + floppyCases.size(), RegisterRows("obj/APP_BUKKEN.mdb").size());
    EXPECT_EQ(registerTemplate, ReadFileBytes(m_folder.Path("app/APP_BUKKEN.mdb")));
}
TEST_F(FloppyImportRuns, UsageNamesOfNotificationsComeFromTheCodeTables)
{
    CopyFloppy("build_conf");
    Import("obj");
    std::vector<std::unique_ptr<ZnModelApp>> read = ReadFloppy(Windows("floppy") + "\\");
    ASSERT_EQ(2u, read.size());
    auto* expected = dynamic_cast<ZnModelAppConstNotif*>(read[1].get());
    ASSERT_NE(nullptr, expected);
    // Main use 08410 and the demolition's 08990 by their short names; the first building's use
    // 08010 by its formal name; the second building's 08410 has no row in the buildings' table.
    EXPECT_EQ("", expected->m_oldText);
    expected->m_oldText = "主要短一";
    ASSERT_EQ(2, expected->m_buildings.GetCount());
    expected->m_buildings.GetHead()->m_oldText = "建物用途正式";
    expected->m_demolition.m_oldText = "主要短二";
    ASSERT_TRUE(Load(8, 2));
    auto* loaded = dynamic_cast<ZnModelAppConstNotif*>(Document().GetFormModel());
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ("", loaded->m_buildings.GetTail()->m_oldText);
    EXPECT_EQ(Bytes(expected), Bytes(loaded));

    CopyFloppy("dem_notif");
    Import("obj");
    EXPECT_EQ(kSaved, MessageTexts().back());
    EXPECT_EQ((std::vector<std::string>{"Ke001.250"}), PropertyFiles("obj", u8"除却の家"));
    read = ReadFloppy(Windows("floppy") + "\\");
    ASSERT_EQ(1u, read.size());
    auto* demolition = dynamic_cast<ZnModelAppDemNotif*>(read[0].get());
    ASSERT_NE(nullptr, demolition);
    demolition->m_oldText = "主要短三";
    ASSERT_TRUE(Load(9, 1));
    EXPECT_EQ("ZnModelApp|ZnModelAppDemNotif|-", LoadedClasses());
    EXPECT_EQ(Bytes(demolition), Bytes(Document().GetFormModel()));
    EXPECT_EQ(u8"1|9|建築物除却届|100802|0|0|2026-03-04 00:00:00||||Ke001.250|",
              DocumentRows("obj/APP_BUKKEN.mdb").back());
}

TEST_F(FloppyImportRuns, BitmapsAreCopiedWhenTheyAreBitmapsAndNamedWhenNot)
{
    // No map folders: nothing to copy and nothing said.
    CopyFloppy("build_conf");
    std::filesystem::remove_all(m_folder.Path("floppy/Mitori"));
    std::filesystem::remove_all(m_folder.Path("floppy/Haichi"));
    Import("obj");
    EXPECT_EQ((std::vector<std::string>{kSaved}), MessageTexts());
    EXPECT_EQ((std::vector<std::string>{"Ka001.110", "Ka001.240"}), PropertyFiles("obj", u8"南町の家"));

    // Names in upper case are found; the copies take the names in lower case. A layout that is no
    // bitmap is told and not copied, and the import ends with an error that names it.
    CopyFloppy("build_conf");
    std::filesystem::rename(m_folder.Path("floppy/Mitori"), m_folder.Path("floppy/MITORI"));
    std::filesystem::rename(m_folder.Path("floppy/MITORI/ksq310.bmp"), m_folder.Path("floppy/MITORI/KSQ310.BMP"));
    WriteFileBytes(m_folder.Path("floppy/Haichi/ksq330.bmp"), "GIF89a not a bitmap at all, long enough");
    m_ui.messageBoxes.clear();
    Import("dst", 2);
    EXPECT_EQ((std::vector<std::string>{
                  u8"この配置図のビットマップファイルはサポートされない形式です。\nこのファイルは保存されません。",
                  u8"FDの内容を保存しましたが、次のものは保存されませんでした。\n・配置図（ksq330.bmp）"}),
              MessageTexts());
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), m_ui.messageBoxes.back().type);
    EXPECT_EQ((std::vector<std::string>{"Ka001.110", "Ka001.240", "ksq310.bmp"}), PropertyFiles("dst", u8"南町の家"));
    EXPECT_EQ(ReadFileBytes(m_folder.Path("floppy/MITORI/KSQ310.BMP")),
              ReadFileBytes(m_folder.Path(u8"dst/南町の家/ksq310.bmp")));
    EXPECT_EQ(1, Frame().GetBukkenIndex());

    // A site plan that cannot be copied (the disk is full) is told too.
    std::filesystem::remove_all(m_folder.Path(u8"obj/南町の家"));
    CopyFloppy("build_conf");
    std::string big = ReadFileBytes(m_folder.Path("floppy/Mitori/ksq310.bmp")) + std::string(200000, '\0');
    WriteFileBytes(m_folder.Path("floppy/Mitori/ksq310.bmp"), big);
    m_ui.messageBoxes.clear();
    {
        testsupport::FileSizeLimit limit(100000);
        Import("obj", 2);
    }
    EXPECT_EQ((std::vector<std::string>{
                  u8"見取図のファイルコピーに失敗しました。",
                  u8"FDの内容を保存しましたが、次のものは保存されませんでした。\n・見取図（ksq310.bmp）"}),
              MessageTexts());
    EXPECT_EQ((std::vector<std::string>{"Ka001.110", "Ka001.240", "ksq330.bmp"}), PropertyFiles("obj", u8"南町の家"));
}

TEST_F(FloppyImportRuns, FormsThatGiveNoDocumentAreNamedAndAFloppyWithoutAnyMakesNothing)
{
    // The construction notification's form is missing: the building is imported, the
    // notification named.
    CopyFloppy("build_conf");
    std::filesystem::remove(m_folder.Path("floppy/Keikaku/Ksq001.240"));
    Import("obj");
    EXPECT_EQ(u8"FDの内容を保存しましたが、次のものは保存されませんでした。\n・建築工事届", MessageTexts().back());
    EXPECT_EQ((std::vector<std::string>{"Ka001.110", "ksq310.bmp", "ksq330.bmp"}), PropertyFiles("obj", u8"南町の家"));
    EXPECT_EQ(2u, DocumentRows("obj/APP_BUKKEN.mdb").size());

    // No form can be read, or the code has no reader: nothing is made.
    auto before = RegisterRows("obj/APP_BUKKEN.mdb");
    CopyFloppy("lift_mod");
    std::filesystem::remove(m_folder.Path("floppy/Keikaku/Ksq001.420"));
    Import("obj");
    EXPECT_EQ(kNothingRead, MessageTexts().back());
    CopyFloppy("lift_mod");
    WriteFileBytes(m_folder.Path("floppy/Info/filename.iba"),
                   cp932::FromUtf8(u8"#000,\"報告の家\",\"20040401\",\"6.40\",\"0\",\"\",\"100501\",\"1\"\r\n"));
    Import("obj");
    EXPECT_EQ(kNothingRead, MessageTexts().back());
    EXPECT_EQ(before, RegisterRows("obj/APP_BUKKEN.mdb"));
    EXPECT_EQ((std::vector<std::string>{"APP_BUKKEN.mdb", u8"南町の家"}), Names("obj"));
    EXPECT_EQ(8, Frame().GetBukkenIndex());
}

TEST_F(FloppyImportRuns, AFloppyThatCountsMoreBuildingsThanAFloppyHoldsMakesNothing)
{
    // The semi-structure's index counts buildings that no floppy can hold (one that overflows, one
    // below zero): its reader refuses its only document, so nothing is made and the register stays
    // as it was. (A count past a floppy's records, which took all memory before, is refused by the
    // readers' own tests, in a child process of bounded memory.)
    CopyFloppy("lift_conf");
    Import("obj");
    const auto rows = RegisterRows("obj/APP_BUKKEN.mdb");
    const auto documents = DocumentRows("obj/APP_BUKKEN.mdb");
    const auto names = Names("obj");
    for (const std::string count : {"4294967297", "-1"}) {
        CopyFloppy("semi_str_conf");
        std::string index = ReadFileBytes(m_folder.Path("floppy/Info/filename.iba"));
        const std::string counts = ",\"1\",\"0\",\"0\",\"0\",\"0\"";
        index.replace(index.find(counts), 4, ",\"" + count + "\"");
        WriteFileBytes(m_folder.Path("floppy/Info/filename.iba"), index);
        Import("obj");
        EXPECT_EQ(kNothingRead, MessageTexts().back()) << count;
        EXPECT_EQ(rows, RegisterRows("obj/APP_BUKKEN.mdb")) << count;
        EXPECT_EQ(documents, DocumentRows("obj/APP_BUKKEN.mdb")) << count;
        EXPECT_EQ(names, Names("obj")) << count;
    }
}

TEST_F(FloppyImportRuns, RefusalsBeforeThePropertyIsMadeLeaveTheDestinationAsItWas)
{
    CopyFloppy("lift_mod");
    WriteFileBytes(m_folder.Path(u8"obj/昇降機の家"), "a file");
    Import("obj");
    EXPECT_EQ(kExists, MessageTexts().back());
    std::filesystem::remove(m_folder.Path(u8"obj/昇降機の家"));
    // A folder whose name differs in case passes the dialog's check, not the import's.
    CopyFloppy("lift_conf");
    WriteFileBytes(m_folder.Path("floppy/Info/filename.iba"),
                   cp932::FromUtf8("#000,\"House\",\"20040401\",\"6.40\",\"0\",\"\",\"100002\",\"1\"\r\n"));
    MakeFolders({"obj/HOUSE"});
    Import("obj");
    EXPECT_EQ(kExists, MessageTexts().back());
    EXPECT_EQ((std::vector<std::string>{"APP_BUKKEN.mdb", "HOUSE"}), Names("obj"));

    // A destination that is gone: the property folder cannot be made.
    Import("gone");
    EXPECT_EQ(u8"物件の生成に失敗しました。", MessageTexts().back());
    EXPECT_FALSE(Exists("gone"));

    // A register that is an Access file is read only here: refused before anything is made.
    auto rows = RegisterRows("obj/APP_BUKKEN.mdb");
    MakeFolders({"access"});
    CopyToJetFile(m_folder.Path("obj/APP_BUKKEN.mdb"), m_folder.Path("access/APP_BUKKEN.mdb"), JetVersion::Jet4);
    std::string accessBytes = ReadFileBytes(m_folder.Path("access/APP_BUKKEN.mdb"));
    Import("access");
    EXPECT_EQ(u8"物件管理データベースに書き込めないため、物件を作成できません。\n" + WindowsUtf8("access") +
                  "\\APP_BUKKEN.mdb",
              MessageTexts().back());
    EXPECT_EQ((std::vector<std::string>{"APP_BUKKEN.mdb"}), Names("access"));
    EXPECT_EQ(accessBytes, ReadFileBytes(m_folder.Path("access/APP_BUKKEN.mdb")));

    // Without a template, nothing is made either.
    std::filesystem::rename(m_folder.Path("app/APP_BUKKEN.mdb"), m_folder.Path("app/template.mdb"));
    Import("dst");
    EXPECT_EQ(u8"データベースの雛形がありません。\n" + WindowsUtf8("app") + "\\APP_BUKKEN.mdb", MessageTexts().back());
    EXPECT_TRUE(Names("dst").empty());

    // An Access template is not copied: the register is made from the schema.
    CopyToJetFile(m_folder.Path("app/template.mdb"), m_folder.Path("app/APP_BUKKEN.mdb"), JetVersion::Jet4);
    Import("dst");
    EXPECT_EQ(kSaved, MessageTexts().back());
    EXPECT_EQ((std::vector<std::string>{"1|House|2026-03-04 00:00:00|1|0|" + WindowsUtf8("dst") + "|"}),
              RegisterRows("dst/APP_BUKKEN.mdb"));
    EXPECT_EQ(rows, RegisterRows("obj/APP_BUKKEN.mdb"));
    for (const MessageBoxRequest& box :
         std::vector<MessageBoxRequest>(m_ui.messageBoxes.begin(), m_ui.messageBoxes.end() - 1))
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), box.type);
}

TEST_F(FloppyImportRuns, AFailureAfterTheFolderWasMadeTakesBackWhatTheImportMade)
{
    CopyFloppy("build_conf");
    auto registerRows = RegisterRows("obj/APP_BUKKEN.mdb");
    auto documentRows = DocumentRows("obj/APP_BUKKEN.mdb");
    auto expectObjAsBefore = [&] {
        EXPECT_EQ((std::vector<std::string>{"APP_BUKKEN.mdb"}), Names("obj"));
        EXPECT_EQ(registerRows, RegisterRows("obj/APP_BUKKEN.mdb"));
        EXPECT_EQ(documentRows, DocumentRows("obj/APP_BUKKEN.mdb"));
        EXPECT_EQ(Windows("obj"), m_app.GetObjFolder());
        EXPECT_EQ(CString(), m_app.GetBukkenName());
    };
    // The disk fills up: first with the register row (its journal is some 9 KB), then with the
    // building's document file (about 11.7 KB), after the register row was written.
    for (rlim_t size : {2048, 10240}) {
        SCOPED_TRACE(size);
        {
            testsupport::FileSizeLimit limit(size);
            Import("obj");
        }
        expectObjAsBefore();
    }
    EXPECT_EQ((std::vector<std::string>{
                  u8"物件管理データベースに物件を登録できませんでした。\nディスクまたはネットワークのエラーです。",
                  u8"書類「確認申請書（建築物）」のファイル（Ka001."
                  u8"110）を書き込めませんでした。物件は作成されませんでした。"}),
              MessageTexts());

    // The second document's row is refused after the first document and the bitmaps were written.
    CDaoDatabase database;
    database.Open(Windows("obj/APP_BUKKEN.mdb"));
    database.Execute("CREATE TRIGGER RefuseNotification BEFORE INSERT ON AppBukkenShousaiTbl "
                     "WHEN NEW.FileName = 'Ka001.240' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    database.Close();
    Import("obj");
    EXPECT_EQ(0u,
              MessageTexts().back().find(
                  u8"書類「建築工事届」を物件管理データベースに登録できませんでした。物件は作成されませんでした。\n"));
    expectObjAsBefore();

    // A register copy that fails (a full disk) leaves none behind, nor the property's folder.
    {
        testsupport::FileSizeLimit limit(10240);
        Import("dst");
    }
    EXPECT_EQ(u8"物件管理データベースの複写に失敗しました。", MessageTexts().back());
    EXPECT_TRUE(Names("dst").empty());

    // The floppy imports once the disk has room.
    database.Open(Windows("obj/APP_BUKKEN.mdb"));
    database.Execute("DROP TRIGGER RefuseNotification");
    database.Close();
    Import("obj");
    ExpectImported(floppyCases[0], "obj", 8);
}
