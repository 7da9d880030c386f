// The floppy-output pages of the facilities: the floppy each writes onto drive A:, its data file
// against the writers' expected files, the check it runs, and the messages of a missing register
// or drive.
#include "tests/app/FloppyOutputFacilityPagesTestSupport.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppBuild.h"
#include "platform/files/CArchive.h"
#include "tools/sampledata/SampleCodeDatabases.h"

using namespace facilitytest;

// "FD出力" without the check writes the floppy: its three folders, the index files of the page's
// form number (a plan change's from it) with the combo's submission code, and the family writer's
// data file for the loaded document; no message follows.
TEST_P(FacilityPage, AConfirmationGoesOntoTheFloppyWithItsIndexFiles)
{
    MakeRegister();
    StoreDocument(Page().formFile, DocumentFile(Page(), confirmation, "一郎", 1));
    ZnDlgAppFDPage& page = Open(confirmation);
    Output(page, 1);
    // Confirmation 5 has a reception number: 修正, code "3".
    ExpectFloppy(FormLine(Page().confirmationFormNo), "\"3\"", u8"一郎");
}

TEST_P(FacilityPage, APlanChangeGoesOntoTheFloppyWithItsIndexFiles)
{
    MakeRegister();
    StoreDocument("m6.doc", DocumentFile(Page(), planChange, "六"));
    ZnDlgAppFDPage& page = Open(planChange);
    Output(page, 1);
    // Plan change 6 has no reception number: 今回, code "1"; the plan change's form follows the base form.
    ExpectFloppy(FormLine(Page().confirmationFormNo) + FormLine(Page().planChangeFormNo), "\"1\"", u8"六");
}

// Over the sample code tables, the floppy's data file of the writers' stored documents is the
// expected file of the family writer, byte for byte: the confirmation in the application mode, the
// plan change in the notification mode.
TEST_P(FacilityPage, TheDataFileOfAConfirmationIsTheWritersExpectedFile)
{
    MakeSampleComCode(m_folder.Path("app/COM_CODE.mdb"));
    MakeRegister();
    StoreDocument(Page().formFile,
                  PageLayoutOf(Page().confirmationFixture, Page().confirmationClass, false, Page().familyCopy));
    Output(Open(confirmation), 1);
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_EQ(ReadFileBytes(testsupport::DataPath(std::string("writers/") + Page().confirmationExpected)),
              FloppyFile(u8"Keikaku/申請書データ.xml"));
}

TEST_P(FacilityPage, TheDataFileOfAPlanChangeIsTheWritersExpectedFile)
{
    MakeSampleComCode(m_folder.Path("app/COM_CODE.mdb"));
    MakeRegister();
    StoreDocument("m6.doc", PageLayoutOf(Page().planChangeFixture, Page().planChangeClass, true, Page().familyCopy));
    Output(Open(planChange, 32787), 1);
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_EQ(ReadFileBytes(testsupport::DataPath(std::string("writers/") + Page().planChangeExpected)),
              FloppyFile(u8"Keikaku/申請書データ.xml"));
}

// "チェックする" runs the page's check on the loaded document with its object-kind title; "出力しない"
// then writes nothing. A form file that cannot be read, or one of another kind, is told as the
// framework tells a malformed archive and leaves empty objects of the page's classes, whose empty
// values the check reports.
TEST_P(FacilityPage, TheCheckReadsEmptyObjectsAfterACorruptFormFile) { ExpectCheckOfUnreadableFile("no archive"); }

TEST_P(FacilityPage, TheCheckReadsEmptyObjectsAfterAFormFileOfAnotherKind)
{
    ZnModelApp app;
    app.m_firstOwner.m_person.m_name.m_name = "他";
    ZnModelAppBuild build;
    ExpectCheckOfUnreadableFile(StoreToBytes([&](CArchive& ar) {
        app.Serialize(ar);
        build.Serialize(ar);
    }));
}

// Without a register the database layer's report is shown, the list stays empty and the page
// finishes its set-up; a drive that is not there gives the medium's message and nothing is written.
TEST_P(FacilityPage, AMissingRegisterAndAMissingDriveEndInTheirMessages)
{
    ZnDlgAppFDPage& page = Open(confirmation);
    // One report when the program starts, one of the page.
    EXPECT_EQ(2u, m_ui.registerReports.size());
    EXPECT_EQ(0, page.m_listDocuments.GetItemCount());
    EXPECT_EQ(Page().confirmationClass, Document().GetSubFormModel()->GetRuntimeClass());
    EXPECT_EQ(Page().confirmationFormNo, m_app.m_nFormNo);
    // No row: the selection message.
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ((std::vector<std::string>{u8"申請書を選択してください。"}), MessageTexts());

    page.m_listDocuments.InsertItem(0, "doc");
    page.m_listDocuments.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    SetDriveFolder('A', "");
    m_ui.AnswerMessageBox(IDOK);
    Output(page, 1);
    ASSERT_EQ(2u, MessageTexts().size());
    EXPECT_EQ(0u, MessageTexts()[1].find(u8"データを出力できません。"));
    EXPECT_FALSE(FloppyHas("Keikaku") || FloppyHas("Info"));
}
