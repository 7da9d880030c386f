// Documents loaded from a property's register and folder, and stored back.
#include "tests/support/RunLogCheck.h"
#include "tests/support/ShellTestSupport.h"
#include "tests/support/TabbedCases.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelDocKinds.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "storage/AppDatabaseSchemas.h"

using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::TempFolder;
using testsupport::WriteFileBytes;

namespace {

const char kBukken[] = "南町の家";

std::string ClassOf(const ZnModel* model) { return model ? model->GetRuntimeClass()->m_lpszClassName : ""; }

// The file of a document whose slots hold new empty objects of the named classes.
std::string EmptyDocumentFile(const CString& form, const CString& subForm)
{
    CZnAppProDoc document;
    document.ReplaceModel(CZnAppProDoc::appModel, new ZnModelApp);
    document.ReplaceModel(CZnAppProDoc::formModel, ZnModelDocKinds::CreateSlotObject(form));
    document.ReplaceModel(CZnAppProDoc::subFormModel,
                          ZnModelDocKinds::CreateSlotObject(subForm.IsEmpty() ? nullptr : LPCSTR(subForm)));
    return testsupport::StoreToBytes([&](CArchive& ar) { document.Serialize(ar); });
}

// A started application over a register in obj/ with one property; each test adds its documents.
class LoadBukkenDocument : public ShellTest {
protected:
    LoadBukkenDocument()
    {
        MakeFolders({std::string("obj/") + cp932::ToUtf8(kBukken)});
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:\\");
    }

    // Creates the register with the document rows (shousai index, code, name, file name).
    void MakeRegister(const std::string& rows)
    {
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"),
                          std::string(appBukkenSchema) +
                              u8"INSERT INTO AppBukkenKanriTbl VALUES (1, '南町の家', NULL, 13, 0, '', NULL);\n" +
                              rows);
    }

    static std::string Row(int shousai, int code, const std::string& name, const std::string& fileName)
    {
        return "INSERT INTO AppBukkenShousaiTbl (BukkenShousaiIndex, BukkenIndex, ShinseiShoruiName, "
               "ShinseiShubetuCode, FileName) VALUES (" +
               std::to_string(shousai) + ", 1, '" + name + "', " + std::to_string(code) + ", '" + fileName + "');\n";
    }

    std::string PropertyFile(const std::string& fileName) const
    {
        return m_folder.Path(std::string("obj/") + cp932::ToUtf8(kBukken) + "/" + fileName);
    }

    BOOL Load(int shousai)
    {
        m_app.SetBukkenName(kBukken);
        m_app.m_nBukkenIndex = 1;
        m_app.m_nBukkenShousaiIndex = shousai;
        return m_app.LoadBukkenDocument();
    }

    std::string StoredDocument() const
    {
        return testsupport::StoreToBytes([&](CArchive& ar) { Document().Serialize(ar); });
    }

    // The run log of the work folder, as UTF-8 text.
    std::string Log() const { return cp932::ToUtf8(ReadFileBytes(m_folder.Path("ravuRivo.log"))); }

    static std::string EmptyApplication()
    {
        ZnModelApp empty;
        return testsupport::StoreToBytes([&](CArchive& ar) { empty.Serialize(ar); });
    }
    // Nothing but an application is loaded, and it stores as these bytes.
    void ExpectApplicationAlone(const std::string& stored) const
    {
        EXPECT_EQ(nullptr, Document().GetFormModel());
        EXPECT_EQ(nullptr, Document().GetSubFormModel());
        EXPECT_EQ(Hex(stored), Hex(StoredDocument()));
    }
};

} // namespace

// Each kind's file loads into the classes of tests/data/app/doc_kind_classes.txt and stores back.
TEST_F(LoadBukkenDocument, LoadsEveryDocumentKindIntoTheClassesOfItsCode)
{
    const auto kinds = testsupport::ReadTabbedCases("app/doc_kind_classes.txt");
    ASSERT_EQ(31u, kinds.size());
    std::string rows;
    for (size_t i = 0; i < kinds.size(); ++i) {
        rows += Row(i + 1, atoi(kinds[i].at(0)), u8"書類" + kinds[i].at(0).Bytes(), "Ka001." + std::to_string(101 + i));
        WriteFileBytes(PropertyFile("Ka001." + std::to_string(101 + i)),
                       EmptyDocumentFile(kinds[i].at(1), kinds[i].at(2)));
    }
    MakeRegister(rows);
    Start();
    for (size_t i = 0; i < kinds.size(); ++i) {
        SCOPED_TRACE(kinds[i].at(0));
        ASSERT_TRUE(Load(i + 1));
        EXPECT_EQ(("ZnModelApp|" + kinds[i].at(1) + "|" + kinds[i].at(2)).Bytes(),
                  ClassOf(Document().GetAppModel()) + "|" + ClassOf(Document().GetFormModel()) + "|" +
                      ClassOf(Document().GetSubFormModel()));
        EXPECT_EQ(ReadFileBytes(PropertyFile("Ka001." + std::to_string(101 + i))), StoredDocument());
        EXPECT_EQ(atoi(kinds[i].at(0)), m_app.m_nDocKindCode);
        EXPECT_EQ(kinds[i].at(0), m_app.m_strDocKindCode);
        EXPECT_EQ("書類" + kinds[i].at(0), m_app.m_strDocName);
        EXPECT_EQ(101 + int(i), m_app.m_nFormNo);
    }
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    EXPECT_EQ("", Log());
}

// Missing files and rows load nothing; the form number ends the file name (0 when none does).
TEST_F(LoadBukkenDocument, MissingFilesAndRowsEmptyFilesAndFormNumbers)
{
    const std::string building = ReadHexFixture("model/build_conf_document.hex"),
                      application = ReadHexFixture("app/build_conf_first_slot.hex");
    WriteFileBytes(PropertyFile("Ka001.110"), building);
    WriteFileBytes(PropertyFile("Ke001.-12"), "");
    WriteFileBytes(PropertyFile("Ka001.222"), application);
    MakeRegister(Row(1, 100001, u8"確認申請書（建築物）", "Ka001.110") +
                 Row(2, 100002, u8"確認申請書（昇降機）", "Ka001.160") + Row(3, 100801, u8"建築工事届", "Ke001.-12") +
                 Row(4, 100402, u8"仮使用承認申請書（特定行政庁）", "Ka001.222") + Row(5, 100002, "a", "12") +
                 Row(6, 100002, "b", "Ka001.1x0") + Row(7, 100002, "c", "") +
                 Row(8, 100001, u8"確認申請書（建築物）", "Ke001.-12"));
    Start();
    ASSERT_TRUE(Load(1));
    // No row: the document and its identity stay.
    EXPECT_FALSE(Load(9));
    EXPECT_EQ(100001, m_app.m_nDocKindCode);
    EXPECT_EQ("Ka001.110", m_app.m_strFileName);
    EXPECT_EQ(Hex(building), Hex(StoredDocument()));
    CString code = "stale", name = "stale", file = "stale";
    EXPECT_EQ(-1, m_app.LookupBukkenShousai(1, 9, code, name, file));
    EXPECT_EQ("||", code + "|" + name + "|" + file);

    // No file: an empty application, and the identity of the row.
    EXPECT_FALSE(Load(2));
    EXPECT_EQ(100002, m_app.m_nDocKindCode);
    EXPECT_EQ("Ka001.160", m_app.m_strFileName);
    EXPECT_EQ(160, m_app.m_nFormNo);
    ExpectApplicationAlone(EmptyApplication());

    ASSERT_TRUE(Load(3));
    EXPECT_EQ("ZnModelAppConstNotif", ClassOf(Document().GetFormModel()));
    EXPECT_EQ(nullptr, Document().GetSubFormModel());
    EXPECT_EQ(0, m_app.m_nFormNo);
    ASSERT_TRUE(Load(4));
    ExpectApplicationAlone(application);
    // An empty file after a whole document: new empty objects, nothing of the one before.
    ASSERT_TRUE(Load(1));
    ASSERT_TRUE(Load(8));
    EXPECT_EQ(Hex(EmptyDocumentFile("ZnModelAppBuild", "ZnModelAppBuildConf")), Hex(StoredDocument()));

    const int formNumbers[] = {12, 1, 0};
    for (int shousai = 5; shousai <= 7; ++shousai) {
        EXPECT_EQ(formNumbers[shousai - 5], m_app.LookupBukkenShousai(1, shousai, code, name, file)) << shousai;
        EXPECT_EQ("100002", code);
        EXPECT_EQ(formNumbers[shousai - 5], m_app.m_nFormNo);
    }
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    EXPECT_EQ("", Log());
}

TEST_F(LoadBukkenDocument, AnUnreadableFileIsReportedLoggedAndNotLoaded)
{
    std::string building = ReadHexFixture("model/build_conf_document.hex");
    WriteFileBytes(PropertyFile("Ka001.110"), building.substr(0, building.size() / 2));
    WriteFileBytes(PropertyFile("Ka001.160"), building); // registered as a lift
    MakeRegister(Row(1, 100001, u8"確認申請書（建築物）", "Ka001.110") +
                 Row(2, 100002, u8"確認申請書（昇降機）", "Ka001.160"));
    Start();
    m_ui.AnswerMessageBox(IDOK);
    m_ui.AnswerMessageBox(IDOK);
    EXPECT_FALSE(Load(1));
    EXPECT_FALSE(Load(2));

    ASSERT_EQ(2u, m_ui.messageBoxes.size());
    for (const MessageBoxRequest& box : m_ui.messageBoxes)
        EXPECT_EQ("予期しないファイル形式です。", box.text);
    std::string folder = cp932::ToUtf8(Windows("obj").Bytes()) + u8"\\南町の家\\";
    std::string log = Log();
    for (const char* file : {"Ka001.110", "Ka001.160"}) {
        std::string line = u8"[ERROR] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 文書【" + folder + file +
                           u8"】のオープンに「予期しないファイル形式」エラーが発生しました。\r\n";
        EXPECT_NE(std::string::npos, log.find(line)) << log;
    }
    EXPECT_EQ(2, std::count(log.begin(), log.end(), '\n'));
    // Nothing half-loaded is left for a writer.
    ExpectApplicationAlone(EmptyApplication());
}

// A register file name that is not one name is logged and nothing is read; a trail byte 5C is no
// separator.
TEST_F(LoadBukkenDocument, AFileNameThatIsNotOneNameIsLoggedAndNothingIsRead)
{
    const std::string building = ReadHexFixture("model/build_conf_document.hex");
    MakeFolders({std::string("obj/") + cp932::ToUtf8(kBukken) + "/sub"});
    WriteFileBytes(m_folder.Path("obj/Ka001.110"), building);
    WriteFileBytes(PropertyFile("sub/Ka001.110"), building);
    WriteFileBytes(PropertyFile(u8"表.110"), building);
    const std::vector<std::string> names = {"..\\Ka001.110", "sub\\Ka001.110", "sub/Ka001.110", "..", ""};
    std::string rows = Row(1, 100001, "a", u8"表.110");
    for (size_t i = 0; i < names.size(); ++i)
        rows += Row(2 + i, 100001, "a", names[i]);
    MakeRegister(rows);
    Start();
    std::vector<std::string> expected;
    for (size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(Load(1));
        EXPECT_FALSE(Load(2 + i)) << names[i];
        ExpectApplicationAlone(EmptyApplication());
        expected.push_back(u8" [ERROR] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 文書【" +
                           cp932::ToUtf8(Windows("obj").Bytes()) + u8"\\南町の家\\" + names[i] +
                           u8"】のファイル名が正しくないため読み込みませんでした。");
    }
    testsupport::ExpectLogLines(Log(), expected);
    EXPECT_TRUE(m_ui.messageBoxes.empty());
}

TEST_F(LoadBukkenDocument, WithoutARegisterTheLookupRaisesTheDatabaseError)
{
    Start();
    CString code, name, file;
    EXPECT_NE(0, testsupport::DaoErrorOf([&] { m_app.LookupBukkenShousai(1, 1, code, name, file); }));
}

// A document leaves its empty slots out of its file.
TEST(ZnAppProDoc, EmptySlotsAreLeftOutOfTheFile)
{
    TempFolder folder;
    auto windows = [&](const char* name) { return CString(LinuxPathToWin(folder.Path(name))); };
    WriteFileBytes(folder.Path("Ka001.110"), ReadHexFixture("model/build_conf_document.hex"));
    CZnAppProDoc document;
    document.ReplaceModel(CZnAppProDoc::appModel, new ZnModelApp);
    document.ReplaceModel(CZnAppProDoc::formModel, new ZnModelAppBuild);
    document.ReplaceModel(CZnAppProDoc::subFormModel, new ZnModelAppBuildConf);
    document.SetModifiedFlag(TRUE);
    ASSERT_TRUE(document.OnOpenDocument(windows("Ka001.110")));
    EXPECT_FALSE(document.IsModified());

    document.DeleteSubFormModel();
    EXPECT_EQ(nullptr, document.GetSubFormModel());
    ASSERT_TRUE(document.OnSaveDocument(windows("two.110")));
    EXPECT_EQ(Hex(ReadHexFixture("app/build_conf_two_slots.hex")), Hex(ReadFileBytes(folder.Path("two.110"))));
    document.DeleteFormModel();
    ASSERT_TRUE(document.OnSaveDocument(windows("one.110")));
    EXPECT_EQ(Hex(ReadHexFixture("app/build_conf_first_slot.hex")), Hex(ReadFileBytes(folder.Path("one.110"))));
}
