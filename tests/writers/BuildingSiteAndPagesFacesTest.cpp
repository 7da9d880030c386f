// The faces of a building confirmation that describe the site and the buildings: the third,
// fourth and fifth faces and the lift and structure outline lists of the second face. Each case
// writes them into a file whose head and second-face frame the test writes itself, so that the
// file is a whole document, and compares it byte for byte with an expected file.
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/BuildingApplicationSample.h"
#include "tests/writers/SampleCodeTables.h"
#include "tests/writers/XmlCheck.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "platform/files/WinStdio.h"
#include "writers/xml/ZnAppDocFDOut11.h"

using namespace buildingsample;

namespace {

// A file for the faces and the shell whose active document they read.
class SiteAndBuildingFaces : public BuildingOutputTest {
protected:
    // Writes the document head and, for a confirmation, a second face holding only the outline
    // lists, then has the third, fourth and fifth faces appended: a whole document.
    void WriteFaces(LPCTSTR name, bool withOutlineLists)
    {
        FILE* file = WinFopen(WinPath(name), "w");
        ASSERT_TRUE(file);
        ZnAppDocFDOut11::WriteLiteral(file, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<申請書データ>\n");
        if (withOutlineLists) {
            ZnAppDocFDOut11::WriteLiteral(file, "\t<第二面>\n");
            ZnAppDocFDOut11::WriteLiftOutlineList(file);
            ZnAppDocFDOut11::WriteLiteral(file, "\t</第二面>\n");
        }
        fclose(file);
        ZnAppDocFDOut11::WriteThirdFace(WinPath(name));
        ZnAppDocFDOut11::WriteFourthFace(WinPath(name));
        ZnAppDocFDOut11::WriteFifthFace(WinPath(name));
    }

    // Puts the building application and the document of the third slot into the active document.
    ZnModelAppBuild& UseDocument(int docType, ZnModel* subForm)
    {
        m_shell.docType = docType;
        m_shell.ReplaceModel(ZnShellState::appModelSlot, new ZnModelApp);
        ZnModelAppBuild* build = new ZnModelAppBuild;
        m_shell.ReplaceModel(ZnShellState::formModelSlot, build);
        m_shell.ReplaceModel(ZnShellState::subFormModelSlot, subForm);
        return *build;
    }

    // The names of use zones, lifts and fire-resistance classes come from the sample code tables.
    SampleCodeTables m_codeTables{m_shell};
};

} // namespace

TEST_F(SiteAndBuildingFaces, ConfirmationWithEverythingFilled)
{
    ZnModelAppBuildConf* confirmation = new ZnModelAppBuildConf;
    FillAccompanying(confirmation->m_with);
    ZnModelAppBuild& build = UseDocument(confirmationDocType, confirmation);
    FillSitePage(build.m_sitePage);
    FillBuildingPages(build.m_buildPageList);

    WriteFaces("申請書データ.xml", true);
    std::string written = Written("申請書データ.xml");
    EXPECT_EQ(Expected("building_faces_confirmation.xml"), written);
    EXPECT_TRUE(xmlcheck::IsWellFormed(written));
}

TEST_F(SiteAndBuildingFaces, PlanChangeAddsTheChangeSummaries)
{
    ZnModelAppBuild& build = UseDocument(planChangeDocType, new ZnModelAppBuildMod);
    build.m_sitePage.m_changeSummary = "敷地\r\n変更";
    ZnModelAppBuildPage* page = new ZnModelAppBuildPage;
    page->m_buildingNumber = 3;
    page->m_changeSummary = "棟の\r\n変更";
    ZnModelAppFloorOutline* floor = Floor("F1", Area(0.0, 0.0));
    floor->m_text1 = "階の変更";
    page->m_floorOutlineList.AddTail(floor);
    build.m_buildPageList.AddTail(page);

    WriteFaces("申請書データ.xml", false);
    std::string written = Written("申請書データ.xml");
    EXPECT_EQ(Expected("building_faces_plan_change.xml"), written);
    EXPECT_TRUE(xmlcheck::IsWellFormed(written));
}

TEST_F(SiteAndBuildingFaces, EmptyConfirmationWritesEveryElementEmpty)
{
    UseDocument(confirmationDocType, new ZnModelAppBuildConf);

    WriteFaces("申請書データ.xml", true);
    std::string written = Written("申請書データ.xml");
    EXPECT_EQ(Expected("building_faces_empty.xml"), written);
    EXPECT_TRUE(xmlcheck::IsWellFormed(written));
}

TEST_F(SiteAndBuildingFaces, FaceThatCannotOpenItsFileSaysSoAndTheOthersStillWrite)
{
    UseDocument(confirmationDocType, new ZnModelAppBuildConf);
    RecordingUi ui;
    CString missing = WinPath("missing\\申請書データ.xml");
    ZnAppDocFDOut11::WriteThirdFace(missing);
    ZnAppDocFDOut11::WriteFourthFace(missing);
    ZnAppDocFDOut11::WriteFifthFace(missing);
    ASSERT_EQ(3u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes) {
        EXPECT_EQ("様式ファイルのオープン(" + missing + ")に失敗しました。", box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP | MB_OK), box.type & (MB_ICONMASK | MB_TYPEMASK));
    }
    EXPECT_EQ("", Written("missing"));
}

TEST_F(SiteAndBuildingFaces, DocumentWithoutItsBuildingApplicationIsReportedAndNothingWritten)
{
    m_shell.docType = confirmationDocType;
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelApp);
    FILE* created = WinFopen(WinPath("faces.xml"), "w");
    ASSERT_TRUE(created);
    fclose(created);
    RecordingUi ui;
    ZnAppDocFDOut11::WriteThirdFace(WinPath("faces.xml"));
    ZnAppDocFDOut11::WriteFourthFace(WinPath("faces.xml"));
    ZnAppDocFDOut11::WriteFifthFace(WinPath("faces.xml"));
    FILE* file = WinFopen(WinPath("faces.xml"), "a");
    ASSERT_TRUE(file);
    ZnAppDocFDOut11::WriteLiftOutlineList(file);
    fclose(file);
    EXPECT_EQ(4u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes)
        EXPECT_EQ(UINT(MB_ICONSTOP), box.type & MB_ICONMASK);
    EXPECT_EQ("", Written("faces.xml"));
}
