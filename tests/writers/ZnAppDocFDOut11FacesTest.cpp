// The first and second faces of 申請書データ.xml written on their own (the lifts and structures
// that accompany the populated confirmation differ from the whole document's), the application
// number and date, and the faces' failures.
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

class BuildingFaces : public BuildingOutputTest {};

// How often text occurs in the written bytes.
int Count(const std::string& written, const std::string& text)
{
    int count = 0;
    for (size_t at = written.find(text); at != std::string::npos; at = written.find(text, at + 1))
        ++count;
    return count;
}

ZnModelApp& App(testsupport::TestShellState& shell)
{
    return *static_cast<ZnModelApp*>(shell.GetModel(ZnShellState::appModelSlot));
}

} // namespace

TEST_F(BuildingFaces, ConfirmationHasEveryListEntryAndTheAccompanyingLiftsAndStructures)
{
    SampleCodeTables codeTables(m_shell);
    InstallPopulated(m_shell, confirmationDocType);
    ZnAppDocFDOut11::WriteFirstFace(WinPath("faces.xml"));
    ZnAppDocFDOut11::WriteSecondFace(WinPath("faces.xml"));
    std::string faces = Written("faces.xml");
    EXPECT_EQ(Hex(Expected("building_faces12_confirmation.xml")), Hex(faces));
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
    EXPECT_EQ(1, Count(face, u8"<申請番号>R02-001</申請番号>"));
    EXPECT_EQ(1, Count(face, u8"<申請日>"));
    EXPECT_EQ(1, Count(face, u8"<申請日></申請日>"));

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
    EXPECT_EQ(0, Count(face, u8"<申請番号>"));
    EXPECT_EQ(1, Count(face, u8"<申請日>201011</申請日>"));
}

// Each writer tells once that it cannot open its file (the whole file stops there) and makes
// nothing; each tells once that the document lacks its building, its confirmation or its
// application root, and writes nothing.
TEST_F(BuildingFaces, FilesThatCannotBeOpenedAndMissingModelsAreToldOnceEachAndNothingIsWritten)
{
    void (*const writers[])(LPCTSTR) = {ZnAppDocFDOut11::WriteXml,        ZnAppDocFDOut11::WriteFirstFace,
                                        ZnAppDocFDOut11::WriteSecondFace, ZnAppDocFDOut11::WriteThirdFace,
                                        ZnAppDocFDOut11::WriteFourthFace, ZnAppDocFDOut11::WriteFifthFace};
    InstallPopulated(m_shell, confirmationDocType);
    RecordingUi ui;
    for (auto write : writers)
        write(WinPath("missing\\faces.xml"));
    ASSERT_EQ(6u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes) {
        EXPECT_EQ(CString("様式ファイルのオープン(") + WinPath("missing\\faces.xml") + ")に失敗しました。", box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP | MB_OK), box.type & (MB_ICONMASK | MB_TYPEMASK));
    }
    EXPECT_FALSE(Exists("missing"));

    ui.messageBoxes.clear();
    m_shell.ReplaceModel(ZnShellState::formModelSlot, nullptr);
    for (auto write : writers)
        write(WinPath("faces.xml"));
    // The outline lists need the confirmation of the third slot.
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelApp);
    FILE* file = WinFopen(WinPath("lists.xml"), "w");
    ASSERT_TRUE(file);
    ZnAppDocFDOut11::WriteLiftOutlineList(file);
    fclose(file);
    // The whole file, the first face and the list entries need the application root too.
    m_shell.ReplaceModel(ZnShellState::formModelSlot, PopulatedBuild());
    m_shell.ReplaceModel(ZnShellState::appModelSlot, nullptr);
    writers[0](WinPath("faces.xml"));
    writers[1](WinPath("faces.xml"));
    file = WinFopen(WinPath("lists.xml"), "a");
    ASSERT_TRUE(file);
    ZnAppDocFDOut11::WriteListEntries(file, 1);
    fclose(file);
    ASSERT_EQ(10u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes) {
        EXPECT_EQ(CString("出力する申請書のデータが読み込まれていません。"), box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP), box.type & MB_ICONMASK);
    }
    EXPECT_FALSE(Exists("faces.xml"));
    EXPECT_EQ("", Written("lists.xml"));
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
    EXPECT_EQ(0, Count(face, u8"<計画を変更する直前の確認>"));
    EXPECT_EQ(1, Count(face, u8"<申請先>東京都建築主事</申請先>"));
    EXPECT_TRUE(xmlcheck::IsWellFormedFragment(face));
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
