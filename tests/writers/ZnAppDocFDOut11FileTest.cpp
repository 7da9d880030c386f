// 申請書データ.xml written whole by WriteXml: the head, the five faces and the end of the root,
// byte for byte against expected files and parsed as XML.
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/BuildingApplicationSample.h"
#include "tests/writers/SampleCodeTables.h"
#include "tests/writers/XmlCheck.h"

#include "writers/xml/ZnAppDocFDOut11.h"

using namespace buildingsample;
using testsupport::Hex;

namespace {

// The whole file, written by WriteXml.
class BuildingFile : public BuildingOutputTest {};

} // namespace

TEST_F(BuildingFile, ConfirmationWithEveryFaceFilled)
{
    SampleCodeTables codeTables(m_shell);
    InstallWhole(m_shell, confirmationDocType);
    ZnAppDocFDOut11::WriteXml(WinPath("申請書データ.xml"));
    std::string file = Written("申請書データ.xml");
    EXPECT_EQ(Hex(Expected("building_application_confirmation.xml")), Hex(file));
    EXPECT_TRUE(xmlcheck::IsWellFormed(file));
}

TEST_F(BuildingFile, PlanChangeInNotificationModeWithEveryFaceFilled)
{
    SampleCodeTables codeTables(m_shell);
    m_shell.docMode = notificationMode;
    InstallWhole(m_shell, planChangeDocType);
    ZnAppDocFDOut11::WriteXml(WinPath("申請書データ.xml"));
    std::string file = Written("申請書データ.xml");
    EXPECT_EQ(Hex(Expected("building_application_plan_change.xml")), Hex(file));
    EXPECT_TRUE(xmlcheck::IsWellFormed(file));
}

TEST_F(BuildingFile, EmptyConfirmationIsWrittenWholeAndAgainFromTheStart)
{
    m_shell.docMode = notificationMode;
    InstallEmpty(m_shell, confirmationDocType);
    ZnAppDocFDOut11::WriteXml(WinPath("申請書データ.xml"));
    std::string file = Written("申請書データ.xml");
    EXPECT_EQ(Hex(Expected("building_application_empty.xml")), Hex(file));
    EXPECT_TRUE(xmlcheck::IsWellFormed(file));

    ZnAppDocFDOut11::WriteXml(WinPath("申請書データ.xml"));
    EXPECT_EQ(Hex(file), Hex(Written("申請書データ.xml")));
}

TEST_F(BuildingFile, FileThatCannotBeCreatedIsReportedOnceAndNoFaceIsWritten)
{
    InstallPopulated(m_shell, confirmationDocType);
    RecordingUi ui;
    ZnAppDocFDOut11::WriteXml(WinPath("missing\\申請書データ.xml"));
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ(CString("様式ファイルのオープン(") + WinPath("missing\\申請書データ.xml") + ")に失敗しました。",
              ui.messageBoxes[0].text);
    EXPECT_EQ(UINT(MB_ICONSTOP | MB_OK), ui.messageBoxes[0].type & (MB_ICONMASK | MB_TYPEMASK));
    EXPECT_FALSE(Exists("missing"));
}

TEST_F(BuildingFile, DocumentWithoutItsApplicationIsReportedOnceAndNoFileWritten)
{
    InstallPopulated(m_shell, confirmationDocType);
    m_shell.ReplaceModel(ZnShellState::appModelSlot, nullptr);
    RecordingUi ui;
    ZnAppDocFDOut11::WriteXml(WinPath("申請書データ.xml"));
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ(CString("出力する申請書のデータが読み込まれていません。"), ui.messageBoxes[0].text);
    EXPECT_FALSE(Exists("申請書データ.xml"));
}
