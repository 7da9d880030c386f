// The first and second faces of 申請書データ.xml, each written on its own into a file of its own,
// byte for byte against expected files, and read back as XML.
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/BuildingApplicationSample.h"
#include "tests/writers/SampleCodeTables.h"
#include "tests/writers/XmlCheck.h"

#include "model/ZnModelAppBuild.h"
#include "platform/files/WinStdio.h"
#include "writers/xml/ZnAppDocFDOut11.h"

using namespace buildingsample;
using testsupport::Hex;

namespace {

class BuildingFaces : public BuildingOutputTest {
protected:
    // The first two faces written one after the other into a new file.
    std::string FirstTwoFaces()
    {
        ZnAppDocFDOut11::WriteFirstFace(WinPath("faces.xml"));
        ZnAppDocFDOut11::WriteSecondFace(WinPath("faces.xml"));
        return Written("faces.xml");
    }
};

ZnModelApp& App(testsupport::TestShellState& shell)
{
    return *static_cast<ZnModelApp*>(shell.GetModel(ZnShellState::appModelSlot));
}

} // namespace

TEST_F(BuildingFaces, ConfirmationHasEveryListEntryAndTheAccompanyingLiftsAndStructures)
{
    SampleCodeTables codeTables(m_shell);
    InstallPopulated(m_shell, confirmationDocType);
    std::string faces = FirstTwoFaces();
    EXPECT_EQ(Hex(Expected("building_faces12_confirmation.xml")), Hex(faces));
    EXPECT_TRUE(xmlcheck::IsWellFormedFragment(faces));
}

TEST_F(BuildingFaces, PlanChangeInNotificationModeHasTheBlockTheNumberAndEveryListEntry)
{
    SampleCodeTables codeTables(m_shell);
    m_shell.docMode = notificationMode;
    InstallPopulated(m_shell, planChangeDocType);
    std::string faces = FirstTwoFaces();
    EXPECT_EQ(Hex(Expected("building_faces12_plan_change.xml")), Hex(faces));
    EXPECT_TRUE(xmlcheck::IsWellFormedFragment(faces));
}

TEST_F(BuildingFaces, EmptyConfirmationWritesEveryElementEmptyAndTheFirstEntryOfEachList)
{
    // Without code tables, as when none could be opened.
    m_shell.docMode = notificationMode;
    InstallEmpty(m_shell, confirmationDocType);
    std::string faces = FirstTwoFaces();
    EXPECT_EQ(Hex(Expected("building_faces12_empty.xml")), Hex(faces));
    EXPECT_TRUE(xmlcheck::IsWellFormedFragment(faces));
}

TEST_F(BuildingFaces, ApplicationNumberComesFromTheFirstGroupPresentAndTheDateOnlyFromTheHeadGroup)
{
    m_shell.docMode = notificationMode;
    InstallPopulated(m_shell, planChangeDocType);
    ZnModelNumGroupList& groups = App(m_shell).m_header.m_localData.m_buildingNumGroups;
    groups.AddHead(static_cast<CObject*>(nullptr));
    ZnAppDocFDOut11::WriteFirstFace(WinPath("face.xml"));
    std::string face = Written("face.xml");
    EXPECT_EQ("R02-001", xmlcheck::FragmentText(face, u8"/r/第一面/申請番号"));
    EXPECT_EQ(1, xmlcheck::FragmentCount(face, u8"/r/第一面/申請日"));
    EXPECT_EQ("", xmlcheck::FragmentText(face, u8"/r/第一面/申請日"));

    // In the application mode there is no application number at all; a date without its day
    // is written without it.
    m_shell.docMode = applicationMode;
    groups.DeleteAll();
    ZnModelNumGroup group;
    group.m_firstNumber.m_date.m_yearCode.m_year = 2010;
    group.m_firstNumber.m_date.m_month = 11;
    groups.AddCopy(group);
    ZnAppDocFDOut11::WriteFirstFace(WinPath("second.xml"));
    face = Written("second.xml");
    EXPECT_EQ(0, xmlcheck::FragmentCount(face, u8"/r/第一面/申請番号"));
    EXPECT_EQ("201011", xmlcheck::FragmentText(face, u8"/r/第一面/申請日"));
}

TEST_F(BuildingFaces, EachFaceThatCannotOpenItsFileSaysSoOnceAndWritesNothing)
{
    InstallPopulated(m_shell, planChangeDocType);
    RecordingUi ui;
    ZnAppDocFDOut11::WriteFirstFace(WinPath("missing\\faces.xml"));
    ZnAppDocFDOut11::WriteSecondFace(WinPath("missing\\faces.xml"));
    ASSERT_EQ(2u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes) {
        EXPECT_EQ(CString("様式ファイルのオープン(") + WinPath("missing\\faces.xml") + ")に失敗しました。", box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP | MB_OK), box.type & (MB_ICONMASK | MB_TYPEMASK));
    }
    EXPECT_FALSE(Exists("missing"));
}

TEST_F(BuildingFaces, DocumentWithoutItsApplicationOrBuildingIsReportedAndNotWritten)
{
    InstallPopulated(m_shell, confirmationDocType);
    m_shell.ReplaceModel(ZnShellState::formModelSlot, nullptr);
    RecordingUi ui;
    ZnAppDocFDOut11::WriteFirstFace(WinPath("faces.xml"));
    ZnAppDocFDOut11::WriteSecondFace(WinPath("faces.xml"));
    m_shell.ReplaceModel(ZnShellState::formModelSlot, PopulatedBuild());
    m_shell.ReplaceModel(ZnShellState::appModelSlot, nullptr);
    ZnAppDocFDOut11::WriteFirstFace(WinPath("faces.xml"));
    ASSERT_EQ(3u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes) {
        EXPECT_EQ(CString("出力する申請書のデータが読み込まれていません。"), box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP), box.type & MB_ICONMASK);
    }
    EXPECT_FALSE(Exists("faces.xml"));
}

TEST_F(BuildingFaces, PlanChangeWithoutItsPlanChangeDocumentIsReportedAndTheRestOfTheFaceWritten)
{
    InstallPopulated(m_shell, confirmationDocType);
    m_shell.docType = planChangeDocType; // the third slot holds a confirmation
    RecordingUi ui;
    ZnAppDocFDOut11::WriteFirstFace(WinPath("face.xml"));
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ(CString("出力する申請書のデータが読み込まれていません。"), ui.messageBoxes[0].text);
    std::string face = Written("face.xml");
    EXPECT_EQ(0, xmlcheck::FragmentCount(face, u8"//計画を変更する直前の確認"));
    EXPECT_EQ(u8"東京都建築主事", xmlcheck::FragmentText(face, u8"/r/第一面/申請先"));
}

TEST_F(BuildingFaces, ListEntriesOfAnUnknownKindWriteNothing)
{
    InstallPopulated(m_shell, confirmationDocType);
    FILE* file = WinFopen(WinPath("entries.xml"), "w");
    ASSERT_TRUE(file);
    ZnAppDocFDOut11::WriteListEntries(file, 0);
    ZnAppDocFDOut11::WriteListEntries(file, 6);
    fclose(file);
    EXPECT_EQ("", Written("entries.xml"));
}
