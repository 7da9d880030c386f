// 他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ of every editor: the selected row into the APP_USER_REGIST.mdb of a chosen folder,
// made from the application folder's template where it is missing; every refusal leaves no file
// behind, and the editor shows afterwards exactly what it showed before.
#include "tests/editors/EditorTestSupport.h"
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/FileSizeLimit.h"

#include "platform/database/AfxDao.h"
#include "res/CommonDataIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <sys/stat.h>

namespace {

class CopyToDirectory : public EditorTest {
protected:
    // The editor in edit mode over the row of the second listed key, a change typed.
    void OpenEditing()
    {
        Open();
        Select(Key());
        Click(IDC_CD_EDIT);
        Type(Case().keyId, Key() + u8"（変更中）");
        m_shown = Shown();
    }
    std::string Key() const { return Case().listed[1]; }
    // Copies the selected row into folder (a Windows path; nullopt cancels the picker).
    void CopyInto(std::optional<CString> target)
    {
        ui.AnswerFolder(std::move(target));
        Answer();
        Click(IDC_CD_COPY_TO_DIR);
    }
    // The mode, the fields, the loaded key and the list.
    std::string Shown() const
    {
        std::string shown =
            std::to_string(Editor().GetMode()) + "/" + Fields() + "/" + cp932::ToUtf8(Editor().GetKey().Bytes()) + "/";
        for (const std::string& key : Listed())
            shown += key + ",";
        return shown;
    }
    bool Exists(const std::string& relative) const
    {
        struct stat info;
        return stat(folder.Path(relative).c_str(), &info) == 0;
    }
    std::string m_shown;
};

INSTANTIATE_TEST_SUITE_P(Editors, CopyToDirectory, ::testing::ValuesIn(EditorCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace

TEST_P(CopyToDirectory, AFolderWithoutTheDatabaseGetsTheTemplateAndTheRowOnce)
{
    OpenEditing();
    CopyInto(Windows("other"));
    EXPECT_EQ(std::vector<std::string>{u8"指定のデータを登録しました。 [information]"}, Messages());
    EXPECT_EQ(std::vector<std::string>{Case().copiedElsewhere}, Table("other/APP_USER_REGIST.mdb"));
    EXPECT_EQ(m_shown, Shown());
    EXPECT_EQ(Case().rows, Table());

    CopyInto(Windows("other"));
    EXPECT_EQ(std::vector<std::string>{u8"指定のデータは既に登録済みです。 [error]"}, Messages());
    EXPECT_EQ(std::vector<std::string>{Case().copiedElsewhere}, Table("other/APP_USER_REGIST.mdb"));
    EXPECT_EQ(m_shown, Shown());
}

TEST_P(CopyToDirectory, TheTargetDatabaseIsFoundWhateverTheCaseOfItsName)
{
    OpenEditing();
    DaoCreateDatabase(Windows("other/app_user_regist.MDB"), appUserRegistSchema);
    CopyInto(Windows("other"));
    EXPECT_EQ(std::vector<std::string>{u8"指定のデータを登録しました。 [information]"}, Messages());
    EXPECT_EQ(std::vector<std::string>{Case().copiedElsewhere}, Table("other/app_user_regist.MDB"));
    EXPECT_FALSE(Exists("other/APP_USER_REGIST.mdb"));
}

TEST_P(CopyToDirectory, TheCommonDataFolderItselfHoldsTheRowAlready)
{
    OpenEditing();
    CopyInto(Windows("com"));
    EXPECT_EQ(std::vector<std::string>{u8"指定のデータは既に登録済みです。 [error]"}, Messages());
    EXPECT_EQ(Case().rows, Table());
    EXPECT_EQ(m_shown, Shown());
}

TEST_P(CopyToDirectory, RefusalsLeaveNoFileBehind)
{
    OpenEditing();
    CopyInto(std::nullopt);
    EXPECT_EQ(std::vector<std::string>{u8"他ﾃﾞｨﾚｸﾄﾘへのｺﾋﾟｰはｷｬﾝｾﾙされました。 [error]"}, Messages());

    // A folder that is a file cannot take the database.
    testsupport::WriteFileBytes(folder.Path("file"), "x");
    CopyInto(Windows("file"));
    EXPECT_EQ(std::vector<std::string>{u8"共通データのコピーに失敗しました。 [error]"}, Messages());

    // A disk that fills up part-way leaves no half-written database for the next copy to take.
    {
        testsupport::FileSizeLimit limit(1024);
        CopyInto(Windows("other"));
    }
    EXPECT_EQ(std::vector<std::string>{u8"共通データのコピーに失敗しました。 [error]"}, Messages());
    EXPECT_EQ(std::vector<std::string>{}, Entries("other"));

    remove(folder.Path("app/APP_USER_REGIST.mdb").c_str());
    CopyInto(Windows("other"));
    EXPECT_EQ(std::vector<std::string>{u8"共通データのコピーに失敗しました。 [error]"}, Messages());
    EXPECT_EQ(std::vector<std::string>{}, Entries("other"));
    EXPECT_EQ(m_shown, Shown());
    EXPECT_EQ(Case().rows, Table());
}

// An Access template could not take the row: the target is made from the project's schema.
TEST_P(CopyToDirectory, AnAccessTemplateGivesWayToTheSchema)
{
    OpenEditing();
    remove(folder.Path("app/APP_USER_REGIST.mdb").c_str());
    AppDatabaseVariants().back().make(folder.Path("app/APP_USER_REGIST.mdb"), appUserRegistSchema,
                                      "storage/NoRows.sql");
    CopyInto(Windows("other"));
    EXPECT_EQ(std::vector<std::string>{u8"指定のデータを登録しました。 [information]"}, Messages());
    EXPECT_EQ(std::vector<std::string>{Case().copiedElsewhere}, Table("other/APP_USER_REGIST.mdb"));
}

// A row deleted by someone else since the list was filled adds nothing anywhere.
TEST_P(CopyToDirectory, ARowThatHasGoneIsReportedAndNothingIsAdded)
{
    OpenEditing();
    DeleteBehindTheEditor(Key());
    CopyInto(Windows("other"));
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(static_cast<size_t>(1), messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("[exclamation]")) << messages[0];
    EXPECT_EQ(std::vector<std::string>{}, Entries("other"));
    EXPECT_EQ(m_shown, Shown());
}
