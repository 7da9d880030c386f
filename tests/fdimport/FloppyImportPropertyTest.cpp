// The property that the destination dialog's OK makes from an application floppy: the kinds the
// import knows, its folder, files, register and document rows, the documents loaded back, the usage
// names and the bitmaps.
#include "tests/fdimport/FloppyImportRunsSupport.h"
#include "tests/support/FaultyReads.h"
#include "tests/support/FileSizeLimit.h"

#include "fdimport/ZnFDImportKinds.h"
#include "model/ZnModelAppDemNotif.h"

using namespace importtest;

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

    // A disk that is full once the first document is written: neither map is taken, the next
    // document cannot be written, and the import takes back what it made, no temporary file left.
    std::filesystem::remove_all(m_folder.Path(u8"obj/南町の家"));
    CopyFloppy("build_conf");
    m_ui.messageBoxes.clear();
    faultywrites::Plant(m_folder.Path(u8"obj/南町の家"), 1);
    Import("obj", 3);
    faultywrites::Plant(std::string());
    EXPECT_EQ((std::vector<std::string>{
                  u8"見取図のファイルコピーに失敗しました。", u8"配置図のファイルコピーに失敗しました。",
                  u8"書類「建築工事届」のファイル（Ka001.240）を書き込めませんでした。物件は作成されませんでした。"}),
              MessageTexts());
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path(u8"obj/南町の家")));

    // A property folder whose Windows path is longer than MAX_PATH - 14 takes its maps as its forms.
    std::string deep = "dst";
    while (Windows(deep + u8"/南町の家").GetLength() < 250)
        deep += u8"/深い階層のフォルダ";
    MakeFolders({deep});
    CopyFloppy("build_conf");
    m_ui.messageBoxes.clear();
    Import(deep);
    EXPECT_EQ((std::vector<std::string>{kSaved}), MessageTexts());
    EXPECT_EQ((std::vector<std::string>{"Ka001.110", "Ka001.240", "ksq310.bmp", "ksq330.bmp"}),
              PropertyFiles(deep, u8"南町の家"));
}
