// The property that the destination dialog's OK makes from an application floppy: its folder,
// files, register and document rows, the documents loaded back, the usage names, the bitmaps, and
// every refusal and failure, which leave the destination as it was.
#include "tests/app/FloppyImportSupport.h"
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/writers/ZipTestSupport.h"

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
