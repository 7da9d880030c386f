#include "tests/support/TabbedCases.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/WriterShellState.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppTempUseConf.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

const int applicationMode = 32786;
const int notificationMode = 32787;

class Titles : public ::testing::Test {
protected:
    // Selects a document type in a mode.
    void Select(int docType, int docMode)
    {
        m_shell.docType = docType;
        m_shell.docMode = docMode;
    }

    WriterShellState m_shell;
};

} // namespace

TEST_F(Titles, DocumentTypeTitlesFollowTheTypeAndTheNotificationMode)
{
    struct Row {
        int docType;
        const char* application;
        const char* notification;
    };
    const Row rows[] = {
        {1000, "確認申請書", "計画通知書"},
        {1002, "中間検査申請書", "特定工程工事終了通知書"},
        {1005, "完了検査申請書", "工事完了通知書"},
        {1008, "計画変更確認申請書", "計画変更通知書"},
        {0, "", ""},
        {1001, "", ""},
        {1009, "", ""},
    };
    for (const Row& row : rows) {
        Select(row.docType, applicationMode);
        EXPECT_EQ(CString(row.application), ZnAppDocFDOut00::GetDocTypeTitle()) << row.docType;
        Select(row.docType, notificationMode);
        EXPECT_EQ(CString(row.notification), ZnAppDocFDOut00::GetDocTypeTitle()) << row.docType;
        // Only the notification mode selects the notification titles.
        Select(row.docType, 0);
        EXPECT_EQ(CString(row.application), ZnAppDocFDOut00::GetDocTypeTitle()) << row.docType;
    }
}

TEST_F(Titles, ObjectKindNamesAndDocumentTitles)
{
    const char* const names[] = {"",
                                 "_建築物_",
                                 "_昇降機_",
                                 "_昇降機以外の建築設備_",
                                 "_工作物（法第88条1項）_",
                                 "_工作物の昇降機_",
                                 "_工作物（法第88条2項）_",
                                 ""};
    for (int objectNo = 0; objectNo <= 7; ++objectNo)
        EXPECT_EQ(CString(names[objectNo]), ZnAppDocFDOut00::GetObjectKindName(objectNo)) << objectNo;
    EXPECT_EQ(CString(), ZnAppDocFDOut00::GetObjectKindName(-1));

    Select(1000, applicationMode);
    EXPECT_EQ(CString("確認申請書_建築物_"), ZnAppDocFDOut00::GetDocTitle(1));
    EXPECT_EQ(CString("確認申請書"), ZnAppDocFDOut00::GetDocTitle(7));
    Select(1005, notificationMode);
    EXPECT_EQ(CString("工事完了通知書_工作物（法第88条2項）_"), ZnAppDocFDOut00::GetDocTitle(6));
    Select(0, applicationMode);
    EXPECT_EQ(CString("_昇降機_"), ZnAppDocFDOut00::GetDocTitle(2));
}

TEST_F(Titles, DocumentKindCodeOfTheSelectedType)
{
    struct Row {
        int docType;
        int objectNo;
        int code;
    };
    const Row rows[] = {
        {1000, 3, 100003}, {1002, 1, 100101}, {1005, 2, 100202}, {1008, 6, 100306},
        {0, 2, 100002},    {1003, 4, 100004}, {2000, 1, 100001},
    };
    for (const Row& row : rows) {
        Select(row.docType, applicationMode);
        EXPECT_EQ(row.code, ZnAppDocFDOut00::GetDocKindCode(row.objectNo)) << row.docType;
    }
}

// By the procedure digit of the code, or from the name table of the mode, for the cases of
// tests/data/writers/titles_of_codes.txt.
TEST_F(Titles, TitleOfAStoredCodeByItsProcedureDigitOrFromTheNameTable)
{
    const std::map<std::string, int> modes = {{"application", applicationMode}, {"notification", notificationMode},
                                              {"0", 0}};
    auto cases = testsupport::ReadTabbedCases("writers/titles_of_codes.txt");
    ASSERT_EQ(18u, cases.size());
    for (const auto& fields : cases) {
        Select(1000, modes.at(fields.at(1).Bytes()));
        EXPECT_EQ(fields.at(2), ZnAppDocFDOut00::GetDocTitleFromCode(fields.at(0))) << fields.at(0) << " " << fields.at(1);
    }
}

TEST_F(Titles, TemporaryUseCodeFollowsFormDigitAndObjectKind)
{
    // By form digit 0 to 5: the code for object kind 1028, then for 1024.
    const int codes[][2] = {
        {100401, 100411}, {100402, 100412}, {100403, 100413}, {100405, 100415}, {100404, 100414}, {100406, 100416},
    };
    ZnModelAppTempUseConf tempUse;
    auto* app = new ZnModelApp;
    m_shell.ReplaceModel(ZnShellState::appModelSlot, app);
    const CString& stored = app->m_header.m_localData.m_documentKind.GetCode();
    for (int digit = 0; digit <= 5; ++digit) {
        tempUse.m_formDigit = digit;
        for (int column = 0; column < 2; ++column) {
            m_shell.objKind = column == 0 ? 1028 : 1024;
            ASSERT_EQ(1, ZnAppDocFDOut00::SetTempUseDocKindCode(&tempUse));
            CString expected;
            expected.Format("%d", codes[digit][column]);
            EXPECT_EQ(expected, stored) << digit << " " << m_shell.objKind;
        }
    }

    // Another object kind, a digit outside 0 to 5 or no application root changes nothing.
    app->m_header.m_localData.m_documentKind.SetCode("100001");
    m_shell.objKind = 1023;
    tempUse.m_formDigit = 0;
    EXPECT_EQ(0, ZnAppDocFDOut00::SetTempUseDocKindCode(&tempUse));
    m_shell.objKind = 1028;
    for (int digit : {-1, 6}) {
        tempUse.m_formDigit = digit;
        EXPECT_EQ(0, ZnAppDocFDOut00::SetTempUseDocKindCode(&tempUse));
    }
    EXPECT_EQ(0, ZnAppDocFDOut00::SetTempUseDocKindCode(nullptr));
    EXPECT_EQ(CString("100001"), stored);
    m_shell.ReplaceModel(ZnShellState::appModelSlot, nullptr);
    tempUse.m_formDigit = 3;
    EXPECT_EQ(0, ZnAppDocFDOut00::SetTempUseDocKindCode(&tempUse));
}
