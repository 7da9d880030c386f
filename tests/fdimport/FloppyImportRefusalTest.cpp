// Imports from an application floppy that make nothing or take back what they made: forms that give
// no document, more buildings than a floppy holds, every refusal before the property is made and
// every failure after its folder was made, which leave the destination as it was.
#include "tests/fdimport/FloppyImportRunsSupport.h"
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/FileSizeLimit.h"

using namespace importtest;

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
